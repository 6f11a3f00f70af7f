#pragma once
// The Navigation station: a course on the dial, a warp or an impulse factor, and EXECUTE,
// which sends the move to the Short Range Scan and waits until the ship has stopped.

#include <QImage>

#include "stations/control_station.h"
#include "stations/panel_widgets.h"

class NavigationStation : public ControlStation {
  Q_OBJECT
 public:
  explicit NavigationStation(QWidget* parent = nullptr);

  int WarpSetting() const { return warp_.Value(); }
  int ImpulseSetting() const { return impulse_.Value(); }
  int NavigationCourse() const { return course_.Course(); }

  enum Button { WarpUp, WarpDown, ImpulseUp, ImpulseDown, CoursePlus, CourseMinus, Execute };

  std::vector<ReadOut> ReadOuts() const override;

 protected:
  void Paint(QPainter& painter) override;
  void ButtonDown(QPoint at, bool shift) override;
  void ButtonUp(int index, QPoint at) override;
  void KeyDown(int virtualKey, int character) override;
  std::span<const ButtonKey> ButtonKeys() const override;

 private:
  void Engage();
  void ClearFactor(FactorSelector& factor);
  static bool WarpDriveWorks();

  QImage warpPanel_, impulsePanel_;
  FactorSelector warp_{{16, 16}, {69, 28}};
  FactorSelector impulse_{{16, 91}, {69, 103}};
  CourseSelector course_;
};
