#pragma once
// The common frame of the four control stations: a fixed 340 x 225 panel of buttons that
// are hit-tested on press, shown pressed by inverting their rectangle and acted on at
// release. Input is ignored while the scan carries out an action.
//
// The buttons are the station's tab stops as well: Tab and Shift+Tab move a dotted ring
// among them, Space clicks the one inside the ring, and each station gives some of them a
// letter of their own. Enter keeps its meaning, EXECUTE, wherever the ring stands.

#include <QRect>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "stations/panel_widgets.h"
#include "stations/station_window.h"

inline constexpr int ControlClientWidth = 340;
inline constexpr int ControlClientHeight = 225;

// Windows virtual-key codes, which the stations' key tables are written in.
namespace VirtualKey {
inline constexpr int Enter = 13, PageUp = 33, PageDown = 34, End = 35, Home = 36;
inline constexpr int Left = 37, Up = 38, Right = 39, Down = 40;
inline constexpr int Digit0 = 48, Keypad0 = 96, KeypadPlus = 107, KeypadMinus = 109;
inline constexpr int EqualsPlus = 187, MinusUnderscore = 189;
}  // namespace VirtualKey

class ControlStation : public StationWindow {
  Q_OBJECT
 public:
  explicit ControlStation(Station station, QWidget* parent = nullptr);

  QSize sizeHint() const override;
  int PressedButton() const { return pressed_; }
  // The button inside the focus ring: the tab stop with the keyboard.
  int FocusedButton() const { return focused_; }

  int ButtonCount() const override { return static_cast<int>(buttons_.size()); }
  QString ButtonName(int index) const override;
  QRect ButtonArea(int index) const override { return ButtonEntry(index).area; }
  void PressButtonFor(int index) override;

  // A letter that clicks a button; with `shift` it needs Shift held, else Shift not held.
  struct ButtonKey {
    Qt::Key letter;
    bool shift;
    int button;
  };

 protected:
  // A press that passed the common checks, with the Shift key's state at the press.
  virtual void ButtonDown(QPoint at, bool shift) = 0;
  // The release of button `index`, already drawn as released, at `at`.
  virtual void ButtonUp(int /*index*/, QPoint /*at*/) {}
  // A key that passed the common checks: its virtual-key code and its character, if any.
  virtual void KeyDown(int virtualKey, int character) = 0;
  // The station's own letters for its buttons.
  virtual std::span<const ButtonKey> ButtonKeys() const { return {}; }

  // The Shields station takes keys even while an action runs.
  virtual bool TakesKeysDuringAction() const { return false; }

  // The index of the first button containing `at`, or -1.
  int ButtonAt(QPoint at) const;
  // Shows button `index` pressed and remembers it until the release.
  void PressButton(int index);
  // Runs `step` now and again every `periodMs` while the left button stays down; `step`
  // returns false when the widget has reached its limit.
  static void RepeatWhileHeld(std::uint32_t periodMs, const std::function<bool()>& step);
  // A factor selector's up or down box held: a step now and every 300 ms, up to its limit.
  void HoldFactor(FactorSelector& factor, bool up);
  // The course selector's plus or minus box held, by `step` degrees: the next course now and
  // every 80 ms.
  void HoldCourse(CourseSelector& course, bool plus, int step);
  // Shows a new course on the dial at once: read-out and needle.
  void ShowCourse(CourseSelector& course, int value);
  // The energy panel's two read-outs, the ship's dilithium and the station's charge; the labels
  // alone while the station is out and its figures do not show.
  static std::vector<ReadOut> EnergyReadOuts(const EnergyTransferPanel& panel, MessageId chargeLabel, bool shown);
  // Puts what was just drawn on the surface in `area` on the screen; a screen reader hears the
  // read-outs it changed.
  void ShowDrawn(const QRect& area) {
    update(area);
    AnnounceReadOutChanges();
  }
  // A click on button `index` from the keyboard: pressed and let go at its centre, so a
  // repeating button steps once and the station's own rules (damage) apply as to the mouse.
  void ClickButton(int index, bool shift);

  void PaintFocusRing(QPainter& screen) const override;
  bool focusNextPrevChild(bool next) override;

  // A button of the panel: the rectangle hit-tested and inverted, and its name.
  struct PanelButton {
    QRect area;
    MessageId name;
  };
  // The station's buttons, in the order Tab visits them.
  std::vector<PanelButton> buttons_;
  const PanelButton& ButtonEntry(int index) const { return buttons_[static_cast<std::size_t>(index)]; }

 private:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void InvertButton(int index);
  void FocusButton(int index);

  int pressed_ = -1;
  int focused_ = 0;
};
