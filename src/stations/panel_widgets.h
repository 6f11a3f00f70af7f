#pragma once
// The composite widgets the control stations share: the factor selector (a digit 0..9
// with up and down boxes), the course selector (dial, needle, read-out, plus and minus)
// and the energy-transfer panel (two amounts moved between each other, with a gauge).
// Each draws straight onto its station's surface and returns the area it changed.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <cstdint>
#include <optional>
#include <string>

#include "stations/surface_drawing.h"

class FactorSelector {
 public:
  static constexpr std::uint32_t RepeatMs = 300;

  FactorSelector(QPoint panelAt, QPoint glyphAt) : panelAt_(panelAt), glyphAt_(glyphAt) {}

  int Value() const { return value_; }
  QRect Paint(QImage& surface, const QImage& panel) const;
  QRect DrawValue(QImage& surface) const;
  QRect ValueRect() const;
  std::string ValueText() const { return std::to_string(value_); }
  // Sets the value and redraws it.
  QRect Set(QImage& surface, int value);
  // One step up or down and its redraw; false when the value was already at its limit.
  bool Up(QImage& surface);
  bool Down(QImage& surface);
  static bool AtLimitAfter(int value, int direction) { return direction > 0 ? value >= 9 : value <= 0; }

 private:
  QPoint panelAt_, glyphAt_;
  int value_ = 0;
};

class CourseSelector {
 public:
  static constexpr QRect Dial = EdgeRect(165, 9, 315, 159);
  static constexpr QRect PlusButton = EdgeRect(195, 167, 211, 183);
  static constexpr QRect MinusButton = EdgeRect(267, 167, 283, 183);
  static constexpr QRect ExecuteButton = EdgeRect(17, 167, 132, 196);
  static constexpr QRect Area = EdgeRect(150, 6, 325, 209);
  static constexpr QRect ExecuteArea = EdgeRect(16, 166, 133, 197);
  static constexpr QPoint Centre{240, 84};
  static constexpr std::uint32_t RepeatMs = 80;

  int Course() const { return course_; }
  // The read-out as it shows, and where.
  std::string CourseText() const;
  static QRect ReadoutArea();

  // Dial, read-out and needle; and the EXECUTE picture.
  void Paint(QImage& surface) const;
  static void PaintExecute(QImage& surface);
  // Shows a new course: read-out and needle at once.
  void Show(QImage& surface, int course);

  // The course a click at `at` inside the dial points to.
  static int DialCourse(QPoint at);
  // The next course of the plus and minus buttons, by a step of 1 (Shift) or 5.
  int NextUp(int step) const;
  int NextDown(int step) const;
  // The course a key of the compass-rose layout asks for, if any.
  std::optional<int> CourseForKey(int virtualKey) const;

 private:
  int course_ = 0;
};

// Moves energy between what would remain to the ship (`available`) and what the station
// sets aside (`charge`); their sum stays fixed.
class EnergyTransferPanel {
 public:
  static constexpr QRect MoreButton = EdgeRect(176, 138, 192, 153);
  static constexpr QRect LessButton = EdgeRect(143, 138, 159, 153);
  static constexpr QRect ExecuteButton = EdgeRect(111, 181, 226, 210);
  static constexpr std::uint32_t RepeatMs = 100;

  EnergyTransferPanel(QRgb chargeColour) : chargeColour_(chargeColour) {}

  int available = 0;
  int charge = 0;

  static constexpr QRect GaugeFrame = EdgeRect(10, 90, 328, 120);

  // The whole panel, with the station's own read-out picture.
  void Paint(QImage& surface, const QImage& chargePicture) const;
  // Only its pictures: the read-out boxes without their amounts, the arrows and EXECUTE.
  static void PaintPictures(QImage& surface, const QImage& chargePicture);
  // The two read-outs and the bar, after the amounts changed; returns the area drawn.
  QRect DrawAmounts(QImage& surface) const;
  // The two read-outs' figures as they show, and where.
  std::string AvailableText() const;
  std::string ChargeText() const;
  static QRect AvailableArea();
  static QRect ChargeArea();

  // One step of the More and Less buttons (10, or 1 with Shift); false when nothing moved.
  bool More(int step);
  bool Less(int step);
  // The key table; true when the key belongs to it (the amounts may be unchanged).
  bool Key(int virtualKey, int character);
  // The amount a key of the table moves: positive into the charge, negative back; 0 for a
  // key outside the table.
  static int KeyStep(int virtualKey, int character);

 private:
  void MoveToCharge(int amount);
  void MoveBack(int amount);

  QRgb chargeColour_;
};
