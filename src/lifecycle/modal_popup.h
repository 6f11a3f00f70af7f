#pragma once
// The game's small modal popups (pause, About, communiqué, high scores): a bordered window
// without a caption, centred on the frame. While it is up the frame is disabled and the
// game's windows take no input: a character typed to the game or a left click on any of its
// windows (the frame, a station, the popup) dismisses it and goes no further. Nothing is
// taken from the rest of the desktop, where the player's other programs work as before.

#include <QEventLoop>
#include <QRect>
#include <QWidget>

// `inner`'s size (its left and top are 0) placed so that it is centred in `outer`; each
// half-size and the centre are halved by an arithmetic shift, as the frame's popups have it.
QRect CenterRect(const QRect& inner, const QRect& outer);

class ModalPopup : public QWidget {
 public:
  // `windowSize` includes the 1-pixel border; the client area is 2 pixels smaller each way.
  ModalPopup(QWidget* frame, QSize windowSize);

  // Shows the popup and returns once the player has dismissed it.
  void RunModal();

  QSize ClientSize() const { return size() - QSize(2, 2); }

  // The popup the game is waiting on, if one is up. Qt does not count it as modal (the
  // game's other windows must still see the click that ends it), so a caller that waits
  // for it looks here rather than at QApplication::activeModalWidget().
  static ModalPopup* Showing();

 protected:
  // Paints the client area; (0, 0) is its top-left corner, inside the border.
  virtual void PaintClient(QPainter& painter) = 0;

  // The three nested red frames both popups draw around their client area.
  void DrawRedFrames(QPainter& painter) const;

  void paintEvent(QPaintEvent*) override;
  void closeEvent(QCloseEvent* event) override;
  // Sees the input to every window of the game while the popup is up.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Dismiss();
  // The frame, its stations and the popup itself.
  bool IsGameWindow(QObject* object) const;

  QWidget* frame_;
  QEventLoop loop_;
  bool dismissed_ = false;
};
