#include "torpedoes.h"

#include <optional>

#include "alien_hits.h"
#include "conditions.h"
#include "course.h"
#include "game_state.h"
#include "line_of_fire.h"
#include "random.h"
#include "scan_effects.h"
#include "scan_geometry.h"
#include "ship_messages.h"

namespace {
constexpr std::uint32_t SectorMs = 500;
constexpr int DotOffsetX = 15, DotOffsetY = 9;  // the 3 x 3 dot inside SectorRect
constexpr int InternalErrorNoAlien = 954;

bool ScanWorks() { return game.Working(ShipSystem::SRS); }

// One torpedo on its way: the DISTANCE counter, which drops in every empty sector passed,
// and the sector where its dot was last drawn.
struct Flight {
  int distanceLeft;
  std::optional<SectorPoint> dot;
};

// 200, 150 or 100 by skill (two levels each), plus 0..79.
int TorpedoDamage() {
  const int base = 200 - 50 * (static_cast<int>(game.skillLevel) / 2);
  return base + lcg::rand() % 80;
}

void HitAlienAt(int x, int y, bool atTheDistanceSet) {
  int damage = TorpedoDamage();
  if (atTheDistanceSet) damage += DistanceBonus;
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

// One point of the torpedo's walk; false once the flight is over.
bool TorpedoStep(Flight& flight, int x, int y) {
  // The dot moves on.
  if (flight.dot && ScanWorks()) host().ScanFillBlack(SectorRect(flight.dot->x, flight.dot->y));
  if (x < 0 || x > 7 || y < 0 || y > 7) {
    PostShipMessage(Msg::TorpedoLost);
    return false;
  }

  const std::uint8_t kind = Cell::Object(game.ShipQuadrantRecord().cells[y][x]);
  switch (kind) {
    case Cell::ShipLeft:
    case Cell::ShipRight:  // the walk starts in the ship's own sector
      return true;
    case Cell::Starbase: DestroyStarbaseAt(x, y); return false;
    case Cell::StarA:
    case Cell::StarB:
    case Cell::StarX: PostShipMessage(Msg::TorpedoConsumedByStar, x + 1, y + 1); return false;
    default: break;
  }
  if (Cell::HoldsAlien(kind)) {
    HitAlienAt(x, y, flight.distanceLeft == 1);
    return false;
  }

  flight.dot = SectorPoint{x, y};
  if (ScanWorks()) {
    const ScanRect r = SectorRect(x, y);
    host().ScanBlitPicture({r.left + DotOffsetX, r.top + DotOffsetY}, ScanPicture::Torpedo);
  }
  --flight.distanceLeft;
  host().WaitPumping(SectorMs);
  return true;
}
}  // namespace

void FireTorpedo(int course, int distance) {
  PostShipMessage(Msg::FiringTorpedo);
  --game.torpedoCount;
  const GridOffset offset = CourseOffset(course, WalkLength);

  Flight flight{distance, std::nullopt};
  WalkLine(game.shipSectorX, game.shipSectorY, game.shipSectorX + offset.dx, game.shipSectorY + offset.dy,
           [&flight](int x, int y) { return TorpedoStep(flight, x, y); });

  host().InvalidateStation(Station::Status, false);
  EvaluateConditions();
}
