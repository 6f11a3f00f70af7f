#pragma once
// A station whose own panel is not yet on the bridge: the window with its title and a black
// face, so the bridge keeps its shape while the panel is built.

#include "station_window.h"

class StandInStation : public StationWindow {
  Q_OBJECT
 public:
  explicit StandInStation(Station station, QWidget* parent = nullptr);

 protected:
  void Paint(QPainter& painter) override;
};
