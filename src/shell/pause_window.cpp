#include "pause_window.h"

#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

#include "frame_menus.h"
#include "host.h"
#include "options.h"
#include "sound.h"

namespace {
constexpr QSize PopupSize(200, 100);

class PausePopup : public QWidget {
 public:
  PausePopup(QWidget* frame, QEventLoop& loop)
      : QWidget(frame, Qt::Dialog | Qt::FramelessWindowHint), loop_(loop) {
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(PopupSize);
    setFocusPolicy(Qt::StrongFocus);
    const QRect onFrame = frame->frameGeometry();
    move(onFrame.center() - QPoint(PopupSize.width() / 2, PopupSize.height() / 2));
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));  // the popup's border
    painter.setPen(QColor(255, 0, 0));
    QRect frameLine = rect().adjusted(0, 0, -1, -1);
    for (int i = 0; i < 3; ++i) {
      frameLine.adjust(2, 2, -2, -2);
      painter.drawRect(frameLine);
    }
    painter.drawText(frameLine, Qt::AlignCenter | Qt::TextSingleLine, QStringLiteral("PAUSE GAME"));
  }
  void keyPressEvent(QKeyEvent* event) override {
    if (!event->text().isEmpty()) loop_.quit();  // keys that type nothing keep the pause
  }
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) loop_.quit();
  }

 private:
  QEventLoop& loop_;
};
}  // namespace

void ShowPauseWindow(QWidget* frame, FrameMenus& menus) {
  StopSound();
  QEventLoop loop;
  PausePopup popup(frame, loop);
  popup.show();
  popup.activateWindow();
  popup.setFocus();
  loop.exec();
  popup.hide();
  pausedFlag = 0;
  menus.SetEnabled(MenuSet::Game, MenuCommand::Pause, true);
}
