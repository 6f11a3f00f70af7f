#include "torpedoes.h"

#include "action_state.h"
#include "alien_hits.h"
#include "conditions.h"
#include "course.h"
#include "game_state.h"
#include "random.h"
#include "scan_effects.h"
#include "scan_geometry.h"
#include "ship_messages.h"

TorpedoSector torpedoLastSector = NoTorpedoSector;

namespace {
constexpr std::uint32_t SectorMs = 500;
constexpr int DotOffsetX = 15, DotOffsetY = 9;  // the 3 x 3 dot inside SectorRect
constexpr int InternalErrorNoAlien = 954;

bool ScanWorks() { return game.Working(ShipSystem::SRS); }

// 200, 150 or 100 by skill (two levels each), plus 0..79.
int TorpedoDamage() {
  const int base = 200 - 50 * (static_cast<int>(game.skillLevel) / 2);
  return base + lcg::rand() % 80;
}

void HitAlienAt(int x, int y) {
  int damage = TorpedoDamage();
  if (stepsLeft == 1) damage += DistanceBonus;
  const int index = FindAlienAt(game.shipQuadrant, x, y);
  if (index < 0) {
    PostShipMessage(Msg::InternalError, "srs", InternalErrorNoAlien);
    return;
  }
  HitAlien(index, x, y, damage, Msg::TorpedoHit);
}

void DestroyStarbaseAt(int x, int y) {
  PostShipMessage(Msg::TorpedoHit, x + 1, y + 1, StarbaseTorpedoDamage);
  PlayHitAnimation(x, y, true);
  QuadrantRecord& quadrant = game.ShipQuadrantRecord();
  --quadrant.starbaseCount;  // the game's starbaseTotal keeps counting it for the score
  PostShipMessage(Msg::StarbaseDestroyed);
  quadrant.cells[y][x] = Cell::Empty;
}

// One point of the torpedo's walk.
void TorpedoStep(int x, int y) {
  // The dot moves on; this also runs for the points after the flight has ended.
  if (torpedoLastSector != NoTorpedoSector && ScanWorks())
    host().ScanFillBlack(SectorRect(torpedoLastSector.x, torpedoLastSector.y));
  if (walkStopped) return;
  if (x < 0 || x > 7 || y < 0 || y > 7) {
    PostShipMessage(Msg::TorpedoLost);
    walkStopped = true;
    return;
  }

  const std::uint8_t kind = Cell::Object(game.ShipQuadrantRecord().cells[y][x]);
  switch (kind) {
    case Cell::ShipLeft:
    case Cell::ShipRight:  // the walk starts in the ship's own sector
      return;
    case Cell::Starbase:
      DestroyStarbaseAt(x, y);
      walkStopped = true;
      return;
    case Cell::StarA:
    case Cell::StarB:
    case Cell::StarX:
      PostShipMessage(Msg::TorpedoConsumedByStar, x + 1, y + 1);
      walkStopped = true;
      return;
    default: break;
  }
  if (Cell::HoldsAlien(kind)) {
    HitAlienAt(x, y);
    walkStopped = true;
    return;
  }

  torpedoLastSector = {x, y};
  if (ScanWorks()) {
    const ScanRect r = SectorRect(x, y);
    host().ScanBlitPicture({r.left + DotOffsetX, r.top + DotOffsetY}, ScanPicture::Torpedo);
  }
  --stepsLeft;
  host().WaitPumping(SectorMs);
}
}  // namespace

void FireTorpedo(int course, int distance) {
  PostShipMessage(Msg::FiringTorpedo);
  stepsLeft = distance;
  --game.torpedoCount;
  const GridOffset offset = CourseOffset(course, WalkLength);

  walkStopped = false;
  torpedoLastSector = NoTorpedoSector;
  WalkLine(game.shipSectorX, game.shipSectorY, game.shipSectorX + offset.dx, game.shipSectorY + offset.dy, TorpedoStep);
  walkStopped = false;

  host().InvalidateStation(Station::Status, false);
  EvaluateConditions();
}
