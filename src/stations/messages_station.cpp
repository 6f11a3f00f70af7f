#include "stations/messages_station.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

#include "core/core_state.h"
#include "core/game_state.h"
#include "core/ship_messages.h"
#include "stations/panel_drawing.h"
#include "stations/surface_drawing.h"

namespace {
constexpr int PageLines = 5;
constexpr int TextLeft = 2;

QColor ConditionColour(GamePhase phase) {
  switch (phase) {
    case GamePhase::RedAlert:
    case GamePhase::RedAlertAlt: return QColor(255, 0, 0);
    case GamePhase::Yellow:
    case GamePhase::YellowAlt: return QColor(255, 255, 0);
    default: return QColor(0, 255, 0);
  }
}

constexpr int MessageFontPixels = 13;
}  // namespace

MessagesStation::MessagesStation(QWidget* parent)
    : StationWindow(Station::Messages, Qt::black, parent),
      font_(ArialFont(MessageFontPixels)),
      scrollBar_(new QScrollBar(Qt::Vertical, this)) {
  const QFontMetrics metrics(font_);
  lineHeight_ = std::max(1, metrics.height() + std::max(0, metrics.leading()));
  setFocusPolicy(Qt::StrongFocus);
  scrollBar_->setFocusPolicy(Qt::NoFocus);  // the panel takes the keys itself
  scrollBar_->setRange(0, 0);
  scrollBar_->setSingleStep(1);
  scrollBar_->setPageStep(PageLines);
  scrollBar_->hide();
  connect(scrollBar_, &QAbstractSlider::actionTriggered, this, &MessagesStation::OnScrollAction);
}

int MessagesStation::TextWidth() const {
  return scrollBar_->isVisibleTo(this) ? width() - scrollBar_->width() : width();
}

void MessagesStation::ShowNewest() {
  Invalidate(true);
  Scroll(ScrollRequest::Bottom);
}

void MessagesStation::resizeEvent(QResizeEvent* event) {
  StationWindow::resizeEvent(event);
  // Keep the view the same number of lines from the bottom as far as the new range allows.
  const int distanceFromBottom = scrollMax_ - scrollPos_;
  scrollMax_ = std::max(0, MessageLineCount - height() / lineHeight_);
  scrollPos_ = std::clamp(scrollMax_ - distanceFromBottom, 0, scrollMax_);
  UpdateScrollBar();
}

void MessagesStation::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Up: Scroll(ScrollRequest::LineUp); return;
    case Qt::Key_Down: Scroll(ScrollRequest::LineDown); return;
    case Qt::Key_PageUp: Scroll(ScrollRequest::PageUp); return;
    case Qt::Key_PageDown: Scroll(ScrollRequest::PageDown); return;
    case Qt::Key_Home: Scroll(ScrollRequest::Top); return;
    case Qt::Key_End: Scroll(ScrollRequest::Bottom); return;
    default: StationWindow::keyPressEvent(event);
  }
}

void MessagesStation::UpdateScrollBar() {
  const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scrollBar_);
  scrollBar_->setGeometry(width() - extent, 0, extent, height());
  scrollBar_->setRange(0, scrollMax_);
  scrollBar_->setSliderPosition(scrollPos_);
  // With nothing to scroll the bar goes away, as a standard window scroll bar does.
  scrollBar_->setVisible(scrollMax_ > 0);
}

void MessagesStation::OnScrollAction(int action) {
  switch (action) {
    case QAbstractSlider::SliderSingleStepSub: Scroll(ScrollRequest::LineUp); break;
    case QAbstractSlider::SliderSingleStepAdd: Scroll(ScrollRequest::LineDown); break;
    case QAbstractSlider::SliderPageStepSub: Scroll(ScrollRequest::PageUp); break;
    case QAbstractSlider::SliderPageStepAdd: Scroll(ScrollRequest::PageDown); break;
    case QAbstractSlider::SliderToMinimum: Scroll(ScrollRequest::Top); break;
    case QAbstractSlider::SliderToMaximum: Scroll(ScrollRequest::Bottom); break;
    case QAbstractSlider::SliderMove: Scroll(ScrollRequest::ThumbTrack, scrollBar_->sliderPosition()); break;
    default: Scroll(ScrollRequest::ThumbPosition); break;
  }
  // The log decides where the thumb stands, not the scroll bar.
  scrollBar_->setSliderPosition(scrollPos_);
}

void MessagesStation::Scroll(ScrollRequest request, int thumb) {
  int change = 0;
  switch (request) {
    case ScrollRequest::LineUp: change = -1; break;
    case ScrollRequest::LineDown: change = 1; break;
    case ScrollRequest::PageUp: change = -PageLines; break;
    case ScrollRequest::PageDown: change = PageLines; break;
    case ScrollRequest::ThumbTrack: change = thumb - scrollPos_; break;
    case ScrollRequest::Top: change = -scrollPos_; break;
    case ScrollRequest::Bottom: change = scrollMax_ - scrollPos_; break;
    case ScrollRequest::ThumbPosition: change = 0; break;
  }
  change = std::clamp(change, -scrollPos_, scrollMax_ - scrollPos_);
  if (change == 0) return;
  scrollPos_ += change;
  scrollBar_->setSliderPosition(scrollPos_);
  Invalidate(true);
  UpdateNow();
}

std::vector<StationWindow::ReadOut> MessagesStation::ReadOuts() const {
  const QString newest = coreState.game.Working(ShipSystem::MessageDisplay)
                             ? QString::fromLatin1(coreState.messageLines.back().data())
                             : QString();
  return {{newest, QRect(TextLeft, height() - lineHeight_, TextWidth() - TextLeft, lineHeight_)}};
}

void MessagesStation::PaintFocusRing(QPainter& screen) const {
  DrawFocusRing(screen, QRect(0, 0, TextWidth(), height()), ConditionColour(coreState.game.gamePhase));
}

void MessagesStation::Paint(QPainter& painter) {
  if (!coreState.game.Working(ShipSystem::MessageDisplay)) {
    painter.fillRect(rect(), Qt::black);
    return;
  }
  const int h = height();
  const int offset = h % lineHeight_;
  // Whole lines only, the newest at the bottom: the spare pixels stay black at the top.
  const int first = scrollPos_;
  const int end = std::min(MessageLineCount, scrollPos_ + h / lineHeight_);
  const int ascent = QFontMetrics(font_).ascent();

  painter.setFont(font_);
  painter.setPen(ConditionColour(coreState.game.gamePhase));
  painter.setBackground(Qt::black);
  painter.setBackgroundMode(Qt::OpaqueMode);
  painter.setClipRect(0, 0, TextWidth(), h);
  for (int i = first; i < end; ++i) {
    const int top = (i - scrollPos_) * lineHeight_ + offset;
    painter.drawText(TextLeft, top + ascent,
                     QString::fromLatin1(coreState.messageLines[static_cast<std::size_t>(i)].data()));
  }
}
