#pragma once
// The Damage Report station: the ship's systems table (picture 36) with the estimated repair
// of seven systems written into it: " - OK -", "DESTROYED", or the stardate the repair will
// be done. A click switches that column between the stardate and the time still to go, and so
// do R, Space and Enter while the report has the keyboard (a dotted ring round the column
// shows it). The table stays empty while damage control itself is out.

#include <QFont>
#include <QImage>
#include <string>
#include <vector>

#include "core/game_state.h"
#include "stations/station_window.h"

// What the report shows for system s at the moment.
std::string RepairEstimate(ShipSystem s);

class DamageReportStation : public StationWindow {
  Q_OBJECT
 public:
  static constexpr int ClientWidth = 340, ClientHeight = 225;
  static constexpr int TableLeft = 12, TableTop = 6;  // where the picture sits

  explicit DamageReportStation(QWidget* parent = nullptr);

  QSize sizeHint() const override;
  // The face of the estimates: the panels' Arial at 12 pixels.
  static QFont EstimateFont();

  // Each system's row: its label and estimate.
  std::vector<ReadOut> ReadOuts() const override;

 protected:
  void Paint(QPainter& painter) override;
  void PaintFocusRing(QPainter& screen) const override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  // Shows the other form of the EST REPAIR column, while damage control works.
  void SwitchColumn();

  QImage table_;
  QFont font_;
};
