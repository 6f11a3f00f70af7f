#include "stations/panel_widgets.h"

#include <QPainter>
#include <algorithm>
#include <cstdio>

#include "sector/course.h"
#include "stations/control_station.h"
#include "stations/panel_drawing.h"
#include "stations/shared_pictures.h"
#include "stations/station_state.h"

// ---- Factor selector ----

QRect FactorSelector::Paint(QImage& surface, const QImage& panel) const {
  BlitPicture(surface, panelAt_.x(), panelAt_.y(), panel);
  DrawValue(surface);
  return QRect(panelAt_, panel.size());
}

QRect FactorSelector::DrawValue(QImage& surface) const {
  DrawDigits(surface, std::string(1, static_cast<char>('0' + value_)), glyphAt_.x(), glyphAt_.y(),
             stationState.courseDigitStrip);
  return ValueRect();
}

QRect FactorSelector::ValueRect() const { return QRect(glyphAt_, QSize(GlyphWidth, GlyphHeight)); }

QRect FactorSelector::Set(QImage& surface, int value) {
  value_ = value;
  return DrawValue(surface);
}

bool FactorSelector::Up(QImage& surface) {
  if (value_ >= 9) return false;
  Set(surface, value_ + 1);
  return value_ < 9;
}

bool FactorSelector::Down(QImage& surface) {
  if (value_ <= 0) return false;
  Set(surface, value_ - 1);
  return value_ > 0;
}

// ---- Course selector ----

namespace {
constexpr QPoint CompassAt{150, 6};
constexpr QPoint CourseReadoutAt{220, 166};
constexpr QPoint ExecuteAt{16, 166};

struct CourseKey {
  int keys[3];
  int course;
};
// The digit keys and the keypad are laid out as a compass rose.
constexpr CourseKey CourseKeys[] = {
    {{VirtualKey::PageUp, VirtualKey::Digit0 + 9, VirtualKey::Keypad0 + 9}, 45},
    {{VirtualKey::PageDown, VirtualKey::Digit0 + 3, VirtualKey::Keypad0 + 3}, 135},
    {{VirtualKey::End, VirtualKey::Digit0 + 1, VirtualKey::Keypad0 + 1}, 225},
    {{VirtualKey::Home, VirtualKey::Digit0 + 7, VirtualKey::Keypad0 + 7}, 315},
    {{VirtualKey::Left, VirtualKey::Digit0 + 4, VirtualKey::Keypad0 + 4}, 270},
    {{VirtualKey::Up, VirtualKey::Digit0 + 8, VirtualKey::Keypad0 + 8}, 0},
    {{VirtualKey::Digit0 + 5, VirtualKey::Keypad0 + 5, VirtualKey::Keypad0 + 5}, 0},
    {{VirtualKey::Right, VirtualKey::Digit0 + 6, VirtualKey::Keypad0 + 6}, 90},
    {{VirtualKey::Down, VirtualKey::Digit0 + 2, VirtualKey::Keypad0 + 2}, 180},
};
}  // namespace

void CourseSelector::Paint(QImage& surface) const {
  BlitPicture(surface, CompassAt.x(), CompassAt.y(), stationState.compassPicture);
  DrawDigits(surface, CourseText(), CourseReadoutAt.x(), CourseReadoutAt.y(), stationState.courseDigitStrip);
  DrawCourseNeedle(surface, Centre.x(), Centre.y(), -1, course_);
}

std::string CourseSelector::CourseText() const { return FormatThreeDigits(course_); }
QRect CourseSelector::ReadoutArea() { return QRect(CourseReadoutAt, QSize(3 * GlyphWidth, GlyphHeight)); }

void CourseSelector::PaintExecute(QImage& surface) {
  BlitPicture(surface, ExecuteAt.x(), ExecuteAt.y(), stationState.executeButtonPicture);
}

void CourseSelector::Show(QImage& surface, int course) {
  DrawDigits(surface, FormatThreeDigits(course), CourseReadoutAt.x(), CourseReadoutAt.y(),
             stationState.courseDigitStrip);
  DrawCourseNeedle(surface, Centre.x(), Centre.y(), course_, course);
  course_ = course;
}

int CourseSelector::DialCourse(QPoint at) { return CourseBearing(at.x() - Centre.x(), at.y() - Centre.y()); }

int CourseSelector::NextUp(int step) const { return course_ < 360 - step ? course_ + step : 0; }

int CourseSelector::NextDown(int step) const {
  if (course_ == 0) return 360 - step;
  return course_ > step ? course_ - step : 0;
}

std::optional<int> CourseSelector::CourseForKey(int virtualKey) const {
  for (const CourseKey& entry : CourseKeys)
    for (int key : entry.keys)
      if (key == virtualKey) return entry.course;
  if (virtualKey == VirtualKey::KeypadPlus || virtualKey == VirtualKey::EqualsPlus)
    return course_ == 359 ? 0 : course_ + 1;
  if (virtualKey == VirtualKey::KeypadMinus || virtualKey == VirtualKey::MinusUnderscore)
    return course_ == 0 ? 359 : course_ - 1;
  return std::nullopt;
}

// ---- Energy-transfer panel ----

namespace {
constexpr QPoint DilithiumPanelAt{10, 125}, AvailableAt{28, 136};
constexpr QPoint ChargePanelAt{240, 125}, ChargeAt{259, 136};
constexpr QPoint ArrowsAt{130, 130};
constexpr QPoint TransferExecuteAt{110, 180};
constexpr QRect GaugeBar = EdgeRect(14, 98, 324, 112);
constexpr QRgb GaugeBackground = qRgb(128, 0, 0), GaugeOutline = qRgb(255, 0, 0);
constexpr QRgb AvailableColour = qRgb(128, 0, 128);

std::string FourDigits(int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%4d", value);
  return text;
}
}  // namespace

void EnergyTransferPanel::Paint(QImage& surface, const QImage& chargePicture) const {
  {
    QPainter painter(&surface);
    painter.fillRect(GaugeFrame, QColor(GaugeBackground));
    painter.setPen(QColor(GaugeOutline));
    painter.drawRect(GaugeFrame.adjusted(0, 0, -1, -1));
  }
  PaintPictures(surface, chargePicture);
  DrawAmounts(surface);
}

void EnergyTransferPanel::PaintPictures(QImage& surface, const QImage& chargePicture) {
  BlitPicture(surface, DilithiumPanelAt.x(), DilithiumPanelAt.y(), stationState.dilithiumPanelPicture);
  BlitPicture(surface, ChargePanelAt.x(), ChargePanelAt.y(), chargePicture);
  BlitPicture(surface, ArrowsAt.x(), ArrowsAt.y(), stationState.transferArrowsPicture);
  BlitPicture(surface, TransferExecuteAt.x(), TransferExecuteAt.y(), stationState.executeButtonPicture);
}

std::string EnergyTransferPanel::AvailableText() const { return FourDigits(available); }
std::string EnergyTransferPanel::ChargeText() const { return FourDigits(charge); }
QRect EnergyTransferPanel::AvailableArea() { return QRect(AvailableAt, QSize(4 * GlyphWidth, GlyphHeight)); }
QRect EnergyTransferPanel::ChargeArea() { return QRect(ChargeAt, QSize(4 * GlyphWidth, GlyphHeight)); }

QRect EnergyTransferPanel::DrawAmounts(QImage& surface) const {
  DrawDigits(surface, AvailableText(), AvailableAt.x(), AvailableAt.y(), stationState.digitStrip);
  DrawDigits(surface, ChargeText(), ChargeAt.x(), ChargeAt.y(), stationState.digitStrip);
  if (available + charge != 0) {
    const double scale = static_cast<double>(GaugeBar.width()) / (available + charge);
    const int availableWidth = static_cast<int>(scale * available);
    const int chargeWidth = static_cast<int>(scale * charge);
    QPainter painter(&surface);
    painter.fillRect(QRect(GaugeBar.left(), GaugeBar.top(), availableWidth, GaugeBar.height()),
                     QColor(AvailableColour));
    painter.fillRect(QRect(GaugeBar.left() + availableWidth, GaugeBar.top(), chargeWidth, GaugeBar.height()),
                     QColor(chargeColour_));
  }
  return QRect(AvailableAt, QPoint(ChargeAt.x() + 4 * GlyphWidth, ChargeAt.y() + GlyphHeight)).united(GaugeBar);
}

void EnergyTransferPanel::MoveToCharge(int amount) {
  available -= amount;
  charge += amount;
}

void EnergyTransferPanel::MoveBack(int amount) {
  charge -= amount;
  available += amount;
}

bool EnergyTransferPanel::More(int step) {
  if (available < 51) return false;
  MoveToCharge(step);
  return true;
}

bool EnergyTransferPanel::Less(int step) {
  if (charge == 0) return false;
  MoveBack(charge > step ? step : charge);
  return true;
}

int EnergyTransferPanel::KeyStep(int virtualKey, int character) {
  auto is = [virtualKey](int a, int b, int c) { return virtualKey == a || virtualKey == b || virtualKey == c; };
  using namespace VirtualKey;
  if (is(Left, Digit0 + 4, Keypad0 + 4)) return 10;
  if (is(Up, Digit0 + 8, Keypad0 + 8)) return 100;
  if (is(Right, Digit0 + 6, Keypad0 + 6)) return -10;
  if (is(Down, Digit0 + 2, Keypad0 + 2)) return -100;
  if (character == '=' || virtualKey == KeypadPlus) return 1;
  if (character == '_' || virtualKey == KeypadMinus) return -1;
  return 0;
}

bool EnergyTransferPanel::Key(int virtualKey, int character) {
  const int step = KeyStep(virtualKey, character);
  if (step > 0) {
    // A hundred needs more than 150 left to the ship; ten or one more than 50.
    if (available > (step == 100 ? 150 : 50)) MoveToCharge(step);
  } else if (step < 0) {
    MoveBack(std::min(charge, -step));
  }
  return step != 0;
}
