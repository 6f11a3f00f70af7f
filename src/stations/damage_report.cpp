#include "stations/damage_report.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cstdio>

#include "core/core_state.h"
#include "stations/panel_drawing.h"
#include "stations/resource_library.h"
#include "stations/station_state.h"
#include "stations/surface_drawing.h"

namespace {
constexpr int TablePicture = 36;
constexpr int EstimateLeft = 230;  // in the picture
constexpr int EstimatePixels = 12;
constexpr QColor EstimateYellow(255, 255, 0);
// The EST REPAIR column's values, in the picture.
constexpr QRect RepairColumn = EdgeRect(EstimateLeft - 1, 83, 306, 206);

struct Row {
  ShipSystem system;
  int top;          // of the estimate, in the picture
  MessageId label;  // the row's label, as a screen reader reads it
};

// The seven rows of the table, top to bottom.
constexpr Row Rows[] = {
    {ShipSystem::Shield, 84, Msg::ShieldsRowLabel},      {ShipSystem::SRS, 102, Msg::ShortRangeRowLabel},
    {ShipSystem::LRS, 120, Msg::LongRangeRowLabel},      {ShipSystem::Warp, 138, Msg::WarpDriveRowLabel},
    {ShipSystem::Phaser, 156, Msg::PhaserPowerRowLabel}, {ShipSystem::Photon, 174, Msg::PhotonTorpedoesRowLabel},
    {ShipSystem::Computer, 192, Msg::ComputerRowLabel},
};
}  // namespace

std::string RepairEstimate(ShipSystem s) {
  const double damage = coreState.game.Damage(s);
  if (damage == 0.0) return " - OK -";
  if (damage < 0.0) return "DESTROYED";
  double repair = coreState.game.RepairDate(s);
  if (stationState.repairShowRemaining) repair -= coreState.game.stardateNow;  // overdue shows as negative
  char text[32];
  std::snprintf(text, sizeof text, "%-4.1f", repair);
  return text;
}

DamageReportStation::DamageReportStation(QWidget* parent)
    : StationWindow(Station::DamageReport, Qt::black, parent),
      table_(resources::Picture(TablePicture).convertToFormat(QImage::Format_RGB32)),
      font_(EstimateFont()) {
  setFixedSize(ClientWidth, ClientHeight);
  setFocusPolicy(Qt::StrongFocus);
}

QSize DamageReportStation::sizeHint() const { return {ClientWidth, ClientHeight}; }

QFont DamageReportStation::EstimateFont() { return ArialFont(EstimatePixels); }

std::vector<StationWindow::ReadOut> DamageReportStation::ReadOuts() const {
  const bool working = coreState.game.Working(ShipSystem::DamageControl);
  const int lineHeight = QFontMetrics(font_).height();
  std::vector<ReadOut> readOuts;
  for (const Row& row : Rows)
    readOuts.push_back({Labelled(row.label, working ? RepairEstimate(row.system) : std::string()),
                        QRect(TableLeft + RepairColumn.left(), TableTop + row.top, RepairColumn.width(), lineHeight)});
  return readOuts;
}

void DamageReportStation::Paint(QPainter& painter) {
  QImage table = table_;  // the estimates are written into a copy
  if (coreState.game.Working(ShipSystem::DamageControl)) {
    QPainter writer(&table);
    writer.setFont(font_);
    writer.setPen(EstimateYellow);
    writer.setBackground(Qt::black);
    writer.setBackgroundMode(Qt::OpaqueMode);
    const int ascent = QFontMetrics(font_).ascent();
    for (const Row& row : Rows)
      writer.drawText(EstimateLeft, row.top + ascent, QString::fromLatin1(RepairEstimate(row.system).c_str()));
  }
  painter.drawImage(TableLeft, TableTop, table);
}

void DamageReportStation::SwitchColumn() {
  if (!coreState.game.Working(ShipSystem::DamageControl)) return;
  stationState.repairShowRemaining = !stationState.repairShowRemaining;
  Invalidate(false);
}

void DamageReportStation::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) SwitchColumn();
}

void DamageReportStation::keyPressEvent(QKeyEvent* event) {
  if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return StationWindow::keyPressEvent(event);
  switch (event->key()) {
    case Qt::Key_R:
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: SwitchColumn(); return;
    default: StationWindow::keyPressEvent(event);
  }
}

// The column is the report's one control: Tab keeps the ring on it.
bool DamageReportStation::focusNextPrevChild(bool) { return true; }

void DamageReportStation::PaintFocusRing(QPainter& screen) const {
  DrawFocusRing(screen, FocusRingRect(RepairColumn.translated(TableLeft, TableTop)), EstimateYellow);
}
