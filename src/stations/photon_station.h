#pragma once
// The Photon Torpedoes station: a firing course on the dial, a DISTANCE setting 0..9, and
// EXECUTE, which asks the Short Range Scan to launch one torpedo. The station changes no
// game state itself; the scan counts the torpedoes aboard.

#include <QImage>

#include "stations/control_station.h"
#include "stations/panel_widgets.h"

class PhotonStation : public ControlStation {
  Q_OBJECT
 public:
  explicit PhotonStation(QWidget* parent = nullptr);

  int TorpedoCourse() const { return course_.Course(); }
  int TorpedoDistance() const { return distance_.Value(); }

  enum Button { DistanceUp, DistanceDown, CoursePlus, CourseMinus, Execute };

  std::vector<ReadOut> ReadOuts() const override;

 protected:
  void Paint(QPainter& painter) override;
  void ButtonDown(QPoint at, bool shift) override;
  void ButtonUp(int index, QPoint at) override;
  void KeyDown(int virtualKey, int character) override;
  std::span<const ButtonKey> ButtonKeys() const override;

 private:
  // The mouse posts the launch; Enter sends it and returns once the torpedo has flown.
  void Launch(bool wait);
  static bool TubesWork();

  QImage distancePanel_;
  FactorSelector distance_{{16, 46}, {69, 58}};
  CourseSelector course_;
};
