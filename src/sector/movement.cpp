#include "sector/movement.h"

#include <algorithm>

#include "core/conditions.h"
#include "core/core_state.h"
#include "core/game_state.h"
#include "core/long_range_chart.h"
#include "core/random.h"
#include "core/random_placement.h"
#include "core/ship_messages.h"
#include "sector/action_state.h"
#include "sector/course.h"
#include "sector/scan_geometry.h"
#include "sector/sector_state.h"
#include "sector/warp_starfield.h"

namespace {
constexpr int EngageCost = 10;
constexpr int SectorEnergyCost = 5;
constexpr int SectorShieldCost = 10;
constexpr double SectorTime = 0.1;
constexpr int WarpCostPerFactor = 20;
constexpr std::uint32_t SectorMs = 700;

bool ScanWorks() { return coreState.game.Working(ShipSystem::SRS); }

SectorCell& ShipCell() {
  return coreState.game.ShipQuadrantRecord().cells[coreState.game.shipSectorY][coreState.game.shipSectorX];
}

// The ship's cell keeps its animation byte and becomes empty.
void VacateShipCell() { ShipCell() &= 0xFF00; }

// Engaging the engines costs 10; with 10 or less the energy is gone and nothing moves.
bool PayToEngage() {
  if (coreState.game.shipEnergy - EngageCost > 0) {
    coreState.game.shipEnergy -= EngageCost;
    return true;
  }
  coreState.game.shipEnergy = 0;
  return false;
}

// Puts the ship in a random empty sector of its quadrant, facing the middle of the grid.
void PlaceShipInQuadrant() {
  const auto [x, y] = PlaceInRandomEmptySector(coreState.game.shipQuadrant, Cell::FindFreeOnly);
  coreState.game.ShipQuadrantRecord().cells[y][x] = x >= 4 ? Cell::ShipLeft : Cell::ShipRight;
  coreState.game.shipSectorX = x;
  coreState.game.shipSectorY = y;
}

MessageId BlockingMessage(std::uint8_t kind) {
  switch (kind) {
    case Cell::Starbase: return Msg::BlockedByStarbase;
    case Cell::StarA:
    case Cell::StarB:
    case Cell::StarX: return Msg::BlockedByStar;
    case static_cast<std::uint8_t>(AlienKind::Klingon): return Msg::BlockedByKlingon;
    case static_cast<std::uint8_t>(AlienKind::Romulan): return Msg::BlockedByRomulan;
    case static_cast<std::uint8_t>(AlienKind::Farengi): return Msg::BlockedByFarengi;
    case static_cast<std::uint8_t>(AlienKind::Borg): return Msg::BlockedByBorg;
    default: return 0;
  }
}

int EdgeStep(int v) { return v > 7 ? 1 : v < 0 ? -1 : 0; }

// One point of an impulse walk that may enter `sectorsLeft` more sectors; false once the
// ship has stopped.
bool ImpulseStep(int& sectorsLeft, int x, int y) {
  QuadrantRecord& quadrant = coreState.game.ShipQuadrantRecord();
  switch (ImpulseFindsAt(quadrant, x, y)) {
    case ImpulseFinds::Edge:
      // Over the edge into the neighbouring quadrant; the rest of the impulse is lost.
      EnterQuadrant(QuadrantNeighbour(coreState.game.shipQuadrant, EdgeStep(x), EdgeStep(y)), 1);
      coreState.game.stardateNow -= 1.0;  // the crossing itself takes no time
      return false;
    case ImpulseFinds::Ship: return true;  // the walk starts on the ship
    case ImpulseFinds::Obstacle:
      PostShipMessage(BlockingMessage(Cell::Object(quadrant.cells[y][x])), x + 1, y + 1);
      return false;
    case ImpulseFinds::Room: break;
  }

  if (coreState.game.shipEnergy - SectorEnergyCost > 0) {
    coreState.game.shipEnergy -= SectorEnergyCost;
  } else {
    coreState.game.shipEnergy = 0;
    return false;
  }
  if (coreState.game.shieldEnergy != 0)
    coreState.game.shieldEnergy = std::max(0, coreState.game.shieldEnergy - SectorShieldCost);

  if (ScanWorks()) host().ScanFillBlack(SectorRect(coreState.game.shipSectorX, coreState.game.shipSectorY));
  const SectorCell facing = Cell::Object(ShipCell()) == Cell::ShipLeft ? Cell::ShipLeft : Cell::ShipRight;
  quadrant.cells[y][x] = static_cast<SectorCell>((quadrant.cells[y][x] & 0xFF00) | facing);
  if (ScanWorks()) host().ScanBlitPicture(SectorTopLeft(x, y), SectorPicture(static_cast<std::uint8_t>(facing)));
  VacateShipCell();
  coreState.game.shipSectorX = x;
  coreState.game.shipSectorY = y;
  coreState.game.stardateNow += SectorTime;

  // In its last sector the ship settles with the scan's stars holding still.
  const bool arrived = --sectorsLeft == 0;
  if (arrived) sectorState.scanAnimationHeld = true;
  host().WaitPumping(SectorMs);
  return !arrived;
}

// Charts the new neighbourhood and lets the referee decide what the arrival means.
void FinishMove() {
  ChartNeighbourhood(coreState.game.shipQuadrant);
  EvaluateConditions();
}
}  // namespace

ImpulseFinds ImpulseFindsAt(const QuadrantRecord& quadrant, int x, int y) {
  if (EdgeStep(x) != 0 || EdgeStep(y) != 0) return ImpulseFinds::Edge;
  const std::uint8_t kind = Cell::Object(quadrant.cells[y][x]);
  if (kind == Cell::ShipLeft || kind == Cell::ShipRight) return ImpulseFinds::Ship;
  return BlockingMessage(kind) != 0 ? ImpulseFinds::Obstacle : ImpulseFinds::Room;
}

void ImpulseMove(int course, int impulse) {
  PostShipMessage(Msg::ImpulseEngaged);
  if (!PayToEngage()) return;
  host().PlaySoundAfterCurrent(Sounds::Engines, true);

  // A course straight up or down leaves the ship facing left.
  const SectorCell facing = CourseOffset(course, WalkLength).dx > 0 ? Cell::ShipRight : Cell::ShipLeft;
  ShipCell() = static_cast<SectorCell>((ShipCell() & 0xFF00) | facing);

  int sectorsLeft = impulse;
  WalkCourse(coreState.game.shipSectorX, coreState.game.shipSectorY, course,
             [&sectorsLeft](int x, int y) { return ImpulseStep(sectorsLeft, x, y); });
  sectorState.scanAnimationHeld = false;

  PostShipMessage(Msg::AllStop, coreState.game.shipSectorX + 1, coreState.game.shipSectorY + 1);
  host().InvalidateStation(Station::Status, false);
  host().StopSound();
  FinishMove();
}

void WarpMove(int course, int warp) {
  PostShipMessage(Msg::WarpEngaged);
  if (!PayToEngage()) return;

  const GridOffset offset = CourseOffset(course, WalkLength);
  const int fromColumn = QuadrantColumn(coreState.game.shipQuadrant),
            fromRow = QuadrantRow(coreState.game.shipQuadrant);
  int toColumn = fromColumn, toRow = fromRow;
  // The destination is the point `warp` steps along the walk, or its last point when the walk
  // is shorter; nothing on the way is looked at.
  int pointsLeft = warp + 1;
  WalkLine(fromColumn, fromRow, fromColumn + offset.dx, fromRow + offset.dy, [&](int column, int row) {
    toColumn = column;
    toRow = row;
    return --pointsLeft > 0;
  });

  EnterQuadrant(QuadrantNeighbour(coreState.game.shipQuadrant, toColumn - fromColumn, toRow - fromRow), warp);

  PostShipMessage(Msg::AllStop, coreState.game.shipSectorX + 1, coreState.game.shipSectorY + 1);
  host().InvalidateStation(Station::Status, false);
  FinishMove();
}

void EnterQuadrant(int quadrant, int warp) {
  sectorState.scanAnimationHeld = true;
  VacateShipCell();
  coreState.game.shipQuadrant = quadrant;
  PlaceShipInQuadrant();

  WarpStarfield(warp);
  sectorState.scanAnimationHeld = false;
  host().UpdateStation(Station::ShortRangeScan);

  coreState.game.stardateNow += warp;
  coreState.game.shipEnergy -= WarpCostPerFactor * warp;
  if (coreState.game.shipEnergy <= 0) coreState.game.shipEnergy = 0;
  if (coreState.game.shieldEnergy != 0)
    coreState.game.shieldEnergy = std::max(0, coreState.game.shieldEnergy - WarpCostPerFactor * warp);
  host().InvalidateStation(Station::ShortRangeScan, true);
}

void GravityRicochet() {
  sectorState.scanAnimationHeld = true;
  VacateShipCell();
  coreState.game.shipQuadrant = lcg::rand() % QuadrantCount;
  PlaceShipInQuadrant();

  WarpStarfield(0);
  sectorState.scanAnimationHeld = false;
  host().UpdateStation(Station::ShortRangeScan);
  host().InvalidateStation(Station::ShortRangeScan, true);

  ChartNeighbourhood(coreState.game.shipQuadrant);
  coreState.game.shieldEnergy = 0;
  host().InvalidateStation(Station::Status, false);
  EvaluateConditions();
}
