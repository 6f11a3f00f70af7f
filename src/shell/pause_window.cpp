#include "shell/pause_window.h"

#include <QPainter>

#include "core/core_state.h"
#include "core/options.h"
#include "lifecycle/modal_popup.h"
#include "shell/frame_menus.h"
#include "stations/bridge_fonts.h"
#include "stations/sound.h"

namespace {
constexpr QSize PopupSize(200, 100);
constexpr QColor PauseRed(255, 0, 0);

class PausePopup : public ModalPopup {
 public:
  explicit PausePopup(QWidget* frame) : ModalPopup(frame, PopupSize) {}

 protected:
  void PaintClient(QPainter& painter) override {
    DrawRedFrames(painter);
    const QRect innermost = QRect(QPoint(0, 0), ClientSize()).adjusted(5, 5, -5, -5);
    painter.setPen(PauseRed);
    painter.setFont(BridgeFont(BridgeFace::Arial, 16, QFont::Bold));
    painter.drawText(innermost, Qt::AlignCenter | Qt::TextSingleLine, QStringLiteral("PAUSE GAME"));
  }
};
}  // namespace

void ShowPauseWindow(QWidget* frame, FrameMenus& menus) {
  StopSound();
  PausePopup popup(frame);
  popup.RunModal();
  coreState.pausedFlag = 0;
  menus.SetEnabled(MenuSet::Game, MenuCommand::Pause, true);
}
