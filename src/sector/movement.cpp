#include "sector/movement.h"

#include <algorithm>

#include "core/conditions.h"
#include "core/game_state.h"
#include "core/long_range_chart.h"
#include "core/random.h"
#include "core/random_placement.h"
#include "core/ship_messages.h"
#include "sector/action_state.h"
#include "sector/course.h"
#include "sector/scan_geometry.h"
#include "sector/warp_starfield.h"

namespace {
constexpr int EngageCost = 10;
constexpr int SectorEnergyCost = 5;
constexpr int SectorShieldCost = 10;
constexpr double SectorTime = 0.1;
constexpr int WarpCostPerFactor = 20;
constexpr std::uint32_t SectorMs = 700;

bool ScanWorks() { return game.Working(ShipSystem::SRS); }

SectorCell& ShipCell() { return game.ShipQuadrantRecord().cells[game.shipSectorY][game.shipSectorX]; }

// The ship's cell keeps its animation byte and becomes empty.
void VacateShipCell() { ShipCell() &= 0xFF00; }

// Engaging the engines costs 10; with 10 or less the energy is gone and nothing moves.
bool PayToEngage() {
  if (game.shipEnergy - EngageCost > 0) {
    game.shipEnergy -= EngageCost;
    return true;
  }
  game.shipEnergy = 0;
  return false;
}

// Puts the ship in a random empty sector of its quadrant, facing the middle of the grid.
void PlaceShipInQuadrant() {
  const auto [x, y] = PlaceInRandomEmptySector(game.shipQuadrant, Cell::FindFreeOnly);
  game.ShipQuadrantRecord().cells[y][x] = x >= 4 ? Cell::ShipLeft : Cell::ShipRight;
  game.shipSectorX = x;
  game.shipSectorY = y;
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
  QuadrantRecord& quadrant = game.ShipQuadrantRecord();
  switch (ImpulseFindsAt(quadrant, x, y)) {
    case ImpulseFinds::Edge:
      // Over the edge into the neighbouring quadrant; the rest of the impulse is lost.
      EnterQuadrant(QuadrantNeighbour(game.shipQuadrant, EdgeStep(x), EdgeStep(y)), 1);
      game.stardateNow -= 1.0;  // the crossing itself takes no time
      return false;
    case ImpulseFinds::Ship: return true;  // the walk starts on the ship
    case ImpulseFinds::Obstacle:
      PostShipMessage(BlockingMessage(Cell::Object(quadrant.cells[y][x])), x + 1, y + 1);
      return false;
    case ImpulseFinds::Room: break;
  }

  if (game.shipEnergy - SectorEnergyCost > 0) {
    game.shipEnergy -= SectorEnergyCost;
  } else {
    game.shipEnergy = 0;
    return false;
  }
  if (game.shieldEnergy != 0) game.shieldEnergy = std::max(0, game.shieldEnergy - SectorShieldCost);

  if (ScanWorks()) host().ScanFillBlack(SectorRect(game.shipSectorX, game.shipSectorY));
  const SectorCell facing = Cell::Object(ShipCell()) == Cell::ShipLeft ? Cell::ShipLeft : Cell::ShipRight;
  quadrant.cells[y][x] = static_cast<SectorCell>((quadrant.cells[y][x] & 0xFF00) | facing);
  if (ScanWorks()) host().ScanBlitPicture(SectorTopLeft(x, y), SectorPicture(static_cast<std::uint8_t>(facing)));
  VacateShipCell();
  game.shipSectorX = x;
  game.shipSectorY = y;
  game.stardateNow += SectorTime;

  // In its last sector the ship settles with the scan's stars holding still.
  const bool arrived = --sectorsLeft == 0;
  if (arrived) scanAnimationHeld = true;
  host().WaitPumping(SectorMs);
  return !arrived;
}

// Charts the new neighbourhood and lets the referee decide what the arrival means.
void FinishMove() {
  ChartNeighbourhood(game.shipQuadrant);
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
  WalkCourse(game.shipSectorX, game.shipSectorY, course,
             [&sectorsLeft](int x, int y) { return ImpulseStep(sectorsLeft, x, y); });
  scanAnimationHeld = false;

  PostShipMessage(Msg::AllStop, game.shipSectorX + 1, game.shipSectorY + 1);
  host().InvalidateStation(Station::Status, false);
  host().StopSound();
  FinishMove();
}

void WarpMove(int course, int warp) {
  PostShipMessage(Msg::WarpEngaged);
  if (!PayToEngage()) return;

  const GridOffset offset = CourseOffset(course, WalkLength);
  const int fromColumn = QuadrantColumn(game.shipQuadrant), fromRow = QuadrantRow(game.shipQuadrant);
  int toColumn = fromColumn, toRow = fromRow;
  // The destination is the point `warp` steps along the walk, or its last point when the walk
  // is shorter; nothing on the way is looked at.
  int pointsLeft = warp + 1;
  WalkLine(fromColumn, fromRow, fromColumn + offset.dx, fromRow + offset.dy, [&](int column, int row) {
    toColumn = column;
    toRow = row;
    return --pointsLeft > 0;
  });

  EnterQuadrant(QuadrantNeighbour(game.shipQuadrant, toColumn - fromColumn, toRow - fromRow), warp);

  PostShipMessage(Msg::AllStop, game.shipSectorX + 1, game.shipSectorY + 1);
  host().InvalidateStation(Station::Status, false);
  FinishMove();
}

void EnterQuadrant(int quadrant, int warp) {
  scanAnimationHeld = true;
  VacateShipCell();
  game.shipQuadrant = quadrant;
  PlaceShipInQuadrant();

  WarpStarfield(warp);
  scanAnimationHeld = false;
  host().UpdateStation(Station::ShortRangeScan);

  game.stardateNow += warp;
  game.shipEnergy -= WarpCostPerFactor * warp;
  if (game.shipEnergy <= 0) game.shipEnergy = 0;
  if (game.shieldEnergy != 0) game.shieldEnergy = std::max(0, game.shieldEnergy - WarpCostPerFactor * warp);
  host().InvalidateStation(Station::ShortRangeScan, true);
}

void GravityRicochet() {
  scanAnimationHeld = true;
  VacateShipCell();
  game.shipQuadrant = lcg::rand() % QuadrantCount;
  PlaceShipInQuadrant();

  WarpStarfield(0);
  scanAnimationHeld = false;
  host().UpdateStation(Station::ShortRangeScan);
  host().InvalidateStation(Station::ShortRangeScan, true);

  ChartNeighbourhood(game.shipQuadrant);
  game.shieldEnergy = 0;
  host().InvalidateStation(Station::Status, false);
  EvaluateConditions();
}
