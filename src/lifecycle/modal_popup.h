#pragma once
// The game's small modal popups (communiqué, high scores): a bordered window without a
// caption, centred on the frame. While it is up the frame is disabled and the game's input
// goes to the popup alone, but nothing is taken from the rest of the desktop; a character
// typed to it or a left click on it dismisses it.

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

 protected:
  // Paints the client area; (0, 0) is its top-left corner, inside the border.
  virtual void PaintClient(QPainter& painter) = 0;

  // The three nested red frames both popups draw around their client area.
  void DrawRedFrames(QPainter& painter) const;

  void paintEvent(QPaintEvent*) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Dismiss();

  QWidget* frame_;
  QEventLoop loop_;
  bool dismissed_ = false;
};
