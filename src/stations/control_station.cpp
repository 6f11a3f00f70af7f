#include "stations/control_station.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "core/message_catalogue.h"
#include "sector/action_state.h"
#include "sector/sector_state.h"
#include "stations/panel_drawing.h"
#include "stations/shared_pictures.h"
#include "stations/station_state.h"
#include "stations/surface_drawing.h"

namespace {
// The keys of the digit row by their place on the keyboard (the window system's key codes:
// 1 to 9, then 0), whatever character the layout types on them and with Shift held or not.
constexpr quint32 DigitRowKeyOne = 10, DigitRowKeyZero = 19;

// The virtual-key code the game's key tables know a Qt key by; 0 for keys they ignore.
int VirtualKeyOf(const QKeyEvent& event) {
  const int key = event.key();
  const bool keypad = event.modifiers() & Qt::KeypadModifier;
  const quint32 place = event.nativeScanCode();
  if (!keypad && place >= DigitRowKeyOne && place <= DigitRowKeyZero)
    return VirtualKey::Digit0 + static_cast<int>((place - DigitRowKeyOne + 1) % 10);
  if (key >= Qt::Key_0 && key <= Qt::Key_9)
    return (keypad ? VirtualKey::Keypad0 : VirtualKey::Digit0) + (key - Qt::Key_0);
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return VirtualKey::Enter;
    case Qt::Key_PageUp: return VirtualKey::PageUp;
    case Qt::Key_PageDown: return VirtualKey::PageDown;
    case Qt::Key_End: return VirtualKey::End;
    case Qt::Key_Home: return VirtualKey::Home;
    case Qt::Key_Left: return VirtualKey::Left;
    case Qt::Key_Up: return VirtualKey::Up;
    case Qt::Key_Right: return VirtualKey::Right;
    case Qt::Key_Down: return VirtualKey::Down;
    case Qt::Key_Plus: return keypad ? VirtualKey::KeypadPlus : VirtualKey::EqualsPlus;
    case Qt::Key_Equal: return VirtualKey::EqualsPlus;
    case Qt::Key_Minus: return keypad ? VirtualKey::KeypadMinus : VirtualKey::MinusUnderscore;
    case Qt::Key_Underscore: return VirtualKey::MinusUnderscore;
    default: return 0;
  }
}
}  // namespace

ControlStation::ControlStation(Station station, QWidget* parent) : StationWindow(station, Qt::black, parent) {
  setFixedSize(ControlClientWidth, ControlClientHeight);
  setFocusPolicy(Qt::StrongFocus);
}

QSize ControlStation::sizeHint() const { return {ControlClientWidth, ControlClientHeight}; }

int ControlStation::ButtonAt(QPoint at) const {
  for (std::size_t i = 0; i < buttons_.size(); ++i)
    if (buttons_[i].area.contains(at)) return static_cast<int>(i);
  return -1;
}

void ControlStation::InvertButton(int index) {
  InvertRect(Surface(), ButtonEntry(index).area);
  ShowDrawn(ButtonEntry(index).area);
}

void ControlStation::PressButton(int index) {
  pressed_ = index;
  InvertButton(index);
}

void ControlStation::RepeatWhileHeld(std::uint32_t periodMs, const std::function<bool()>& step) {
  if (!step()) return;
  while (MouseHeldFor(periodMs))
    if (!step()) return;
}

void ControlStation::HoldFactor(FactorSelector& factor, bool up) {
  RepeatWhileHeld(FactorSelector::RepeatMs, [&factor, up, this] {
    const bool more = up ? factor.Up(Surface()) : factor.Down(Surface());
    ShowDrawn(factor.ValueRect());
    return more;
  });
}

void ControlStation::HoldCourse(CourseSelector& course, bool plus, int step) {
  RepeatWhileHeld(CourseSelector::RepeatMs, [&course, plus, step, this] {
    ShowCourse(course, plus ? course.NextUp(step) : course.NextDown(step));
    return true;
  });
}

void ControlStation::ShowCourse(CourseSelector& course, int value) {
  course.Show(Surface(), value);
  ShowDrawn(CourseSelector::Area);
}

std::vector<StationWindow::ReadOut> ControlStation::EnergyReadOuts(const EnergyTransferPanel& panel,
                                                                   MessageId chargeLabel, bool shown) {
  return {{Labelled(Msg::DilithiumLabel, shown ? panel.AvailableText() : std::string()),
           EnergyTransferPanel::AvailableArea()},
          {Labelled(chargeLabel, shown ? panel.ChargeText() : std::string()), EnergyTransferPanel::ChargeArea()}};
}

void ControlStation::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || sectorState.actionInProgress || pressed_ >= 0) return;
  ButtonDown(event->position().toPoint(), event->modifiers() & Qt::ShiftModifier);
}

void ControlStation::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || pressed_ < 0) return;
  const int released = pressed_;
  InvertButton(released);
  pressed_ = -1;
  ButtonUp(released, event->position().toPoint());
}

void ControlStation::ClickButton(int index, bool shift) {
  FocusButton(index);
  ButtonDown(ButtonEntry(index).area.center(), shift);
  if (pressed_ != index) return;  // the station refused the button
  InvertButton(index);
  pressed_ = -1;
  ButtonUp(index, ButtonEntry(index).area.center());
}

QString ControlStation::ButtonName(int index) const {
  return QString::fromLatin1(MessageText(ButtonEntry(index).name));
}

void ControlStation::PressButtonFor(int index) {
  if (sectorState.actionInProgress || pressed_ >= 0 || index < 0 || index >= ButtonCount()) return;
  ClickButton(index, false);
}

void ControlStation::keyPressEvent(QKeyEvent* event) {
  if (sectorState.actionInProgress && !TakesKeysDuringAction()) return;
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  const bool shift = modifiers == Qt::ShiftModifier;
  if (event->key() == Qt::Key_Space && (modifiers == Qt::NoModifier || shift)) {
    if (pressed_ < 0) ClickButton(focused_, shift);  // a button held with the mouse finishes first
    return;
  }
  for (const ButtonKey& key : ButtonKeys()) {
    if (event->key() != key.letter || modifiers != (key.shift ? Qt::ShiftModifier : Qt::NoModifier)) continue;
    if (pressed_ < 0) ClickButton(key.button, false);
    return;
  }
  const QString text = event->text();
  KeyDown(VirtualKeyOf(*event), text.size() == 1 ? text.at(0).unicode() : 0);
}

void ControlStation::FocusButton(int index) {
  if (index == focused_) return;
  update(FocusRingRect(ButtonEntry(focused_).area));
  focused_ = index;
  update(FocusRingRect(ButtonEntry(focused_).area));
}

bool ControlStation::focusNextPrevChild(bool next) {
  const int count = static_cast<int>(buttons_.size());
  FocusButton((focused_ + (next ? 1 : count - 1)) % count);
  return true;
}

void ControlStation::PaintFocusRing(QPainter& screen) const {
  DrawFocusRing(screen, FocusRingRect(ButtonEntry(focused_).area), stationState.gridPen.color());
}
