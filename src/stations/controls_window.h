#pragma once
// The Controls window: a small resizable panel of eight picture buttons, one for each station
// the player works with. A button brings its station to the front, so with the single
// control window option only one control station is up at a time. The buttons spread out as
// the window grows; four rivets hold the panel at its corners.

#include <QImage>
#include <array>

#include "stations/station_window.h"

inline constexpr int ControlsButtonCount = 8;
inline constexpr QSize ControlsButtonSize{60, 36};
inline constexpr QSize ControlsMinimumFace{263, 90};

class ControlsWindow : public StationWindow {
  Q_OBJECT
 public:
  explicit ControlsWindow(QWidget* parent = nullptr);

  // The top-left corners of the eight buttons on a face of `face`, in button order.
  static std::array<QPoint, ControlsButtonCount> LayoutControlButtons(QSize face);
  // The station button `index` brings forward.
  static Station StationOf(int index);
  // The button that brings station s forward, or -1 when none does.
  static int ButtonOf(Station s);

  QRect ButtonRect(int index) const { return QRect(positions_[static_cast<std::size_t>(index)], ControlsButtonSize); }
  // The button shown pressed, or -1.
  int PressedButton() const { return looksPressed_ ? held_ : -1; }
  // The button with the keyboard focus: the last one clicked, or one Tab moved to.
  int FocusedButton() const { return focused_; }

  // Each button is called by its station's name.
  int ButtonCount() const override { return ControlsButtonCount; }
  QString ButtonName(int index) const override { return QString::fromLatin1(StationName(StationOf(index))); }
  QRect ButtonArea(int index) const override { return ButtonRect(index); }
  void PressButtonFor(int index) override;

  QSize sizeHint() const override { return ControlsMinimumFace; }
  QSize minimumSizeHint() const override { return ControlsMinimumFace; }

 protected:
  void Paint(QPainter& painter) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  // The buttons are tab stops: Tab and Shift+Tab move a dotted ring between them, and Space
  // presses the one inside it, acting when it is let go, as a push button does; Enter acts
  // at once.
  void PaintFocusRing(QPainter& screen) const override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void DrawControlButton(QPainter& painter, int index, bool pressed) const;
  void PaintRivets(QPainter& painter) const;
  void ShowPressed(bool pressed);
  int ButtonAt(QPoint at) const;

  QImage frameOn_, frameOff_;  // a button's frame, pressed and raised
  std::array<QImage, ControlsButtonCount> pictures_;
  std::array<QPoint, ControlsButtonCount> positions_;
  int held_ = -1;              // the button the mouse went down on
  bool looksPressed_ = false;  // it is drawn pressed while the pointer stays on it
  int focused_ = 0;            // the tab stop with the keyboard focus
};
