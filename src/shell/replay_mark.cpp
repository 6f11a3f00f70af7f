#include "shell/replay_mark.h"

#include <QEvent>
#include <QPainter>

#include "core/format_text.h"
#include "core/message_catalogue.h"
#include "core/message_ids.h"
#include "stations/bridge_fonts.h"

namespace {
constexpr int LetterHeight = 20;
constexpr int Margin = 6;
const QColor MarkRed(255, 0, 0);
}  // namespace

ReplayMark::ReplayMark(QWidget& bridge) : QWidget(bridge.window()), bridge_(bridge) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFont(BridgeFont(BridgeFace::Arial, LetterHeight, QFont::Bold));
  bridge_.installEventFilter(this);
  ShowSpeed(1);
  show();
  raise();
}

void ReplayMark::ShowSpeed(int speed) {
  text_ = QString::fromLatin1(FormatText(MessageText(Msg::ReplayMark), speed).c_str());
  Place();
  update();
}

void ReplayMark::Place() {
  const QSize text = fontMetrics().size(Qt::TextSingleLine, text_);
  const QSize size(text.width() + 4 * Margin, text.height() + 2 * Margin);
  const QPoint bridgeTop = bridge_.mapTo(bridge_.window(), QPoint(0, 0));
  setGeometry(QRect(QPoint(bridgeTop.x() + bridge_.width() - size.width() - 3 * Margin, bridgeTop.y() + Margin), size));
  raise();
}

void ReplayMark::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  painter.setPen(MarkRed);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  painter.drawRect(rect().adjusted(2, 2, -3, -3));
  painter.drawText(rect(), Qt::AlignCenter, text_);
}

bool ReplayMark::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &bridge_ && (event->type() == QEvent::Resize || event->type() == QEvent::Move)) Place();
  return QWidget::eventFilter(watched, event);
}
