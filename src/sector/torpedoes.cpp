#include "sector/torpedoes.h"

#include <optional>

#include "core/conditions.h"
#include "core/core_state.h"
#include "core/game_state.h"
#include "core/random.h"
#include "core/ship_messages.h"
#include "sector/alien_hits.h"
#include "sector/course.h"
#include "sector/line_of_fire.h"
#include "sector/scan_effects.h"
#include "sector/scan_geometry.h"

namespace {
constexpr std::uint32_t SectorMs = 500;
constexpr int DotOffsetX = 15, DotOffsetY = 9;  // the 3 x 3 dot inside SectorRect
constexpr int InternalErrorNoAlien = 954;

bool ScanWorks() { return coreState.game.Working(ShipSystem::SRS); }

// One torpedo on its way: the DISTANCE counter, which drops in every empty sector passed,
// the sector where its dot was last drawn, and how many times it has been drawn.
struct Flight {
  int distanceLeft;
  std::optional<SectorPoint> dot;
  int dotsDrawn = 0;
};

// 200, 150 or 100 by skill (two levels each), plus 0..79.
int TorpedoDamage() {
  const int base = 200 - 50 * (static_cast<int>(coreState.game.skillLevel) / 2);
  return base + lcg::rand() % 80;
}

void HitAlienAt(int x, int y, bool atTheDistanceSet) {
  int damage = TorpedoDamage();
  if (atTheDistanceSet) damage += DistanceBonus;
  const int index = coreState.game.FindAlienAt(coreState.game.shipQuadrant, x, y);
  if (index < 0) {
    PostShipMessage(Msg::InternalError, "srs", InternalErrorNoAlien);
    return;
  }
  HitAlien(index, x, y, damage, Msg::TorpedoHit);
}

void DestroyStarbaseAt(int x, int y) {
  PostShipMessage(Msg::TorpedoHit, x + 1, y + 1, StarbaseTorpedoDamage);
  PlayHitAnimation(x, y, true);
  QuadrantRecord& quadrant = coreState.game.ShipQuadrantRecord();
  --quadrant.starbaseCount;  // the game's starbaseTotal keeps counting it for the score
  PostShipMessage(Msg::StarbaseDestroyed);
  quadrant.cells[y][x] = Cell::Empty;
}

// One point of the torpedo's walk; false once the flight is over.
bool TorpedoStep(Flight& flight, int x, int y) {
  // The dot moves on.
  if (flight.dot && ScanWorks()) host().ScanFillBlack(SectorRect(flight.dot->x, flight.dot->y));
  const TorpedoFinds found = TorpedoFindsAt(coreState.game.ShipQuadrantRecord(), x, y);
  // The flight ends at anything but an empty sector; what it meets has animations of its own.
  if (found != TorpedoFinds::Nothing && found != TorpedoFinds::Ship) host().ScanAnimationEnded(Animation::Torpedo);
  switch (found) {
    case TorpedoFinds::Edge: PostShipMessage(Msg::TorpedoLost); return false;
    case TorpedoFinds::Ship: return true;  // the walk starts in the ship's own sector
    case TorpedoFinds::Starbase: DestroyStarbaseAt(x, y); return false;
    case TorpedoFinds::Star: PostShipMessage(Msg::TorpedoConsumedByStar, x + 1, y + 1); return false;
    case TorpedoFinds::Alien: HitAlienAt(x, y, flight.distanceLeft == 1); return false;
    case TorpedoFinds::Nothing: break;
  }

  flight.dot = SectorPoint{x, y};
  if (ScanWorks()) {
    const ScanRect r = SectorRect(x, y);
    host().ScanBlitPicture({r.left + DotOffsetX, r.top + DotOffsetY}, ScanPicture::Torpedo);
    host().ScanFrameDrawn({Animation::Torpedo, flight.dotsDrawn++, SectorMs});
  }
  --flight.distanceLeft;
  host().WaitPumping(SectorMs);
  return true;
}
}  // namespace

TorpedoFinds TorpedoFindsAt(const QuadrantRecord& quadrant, int x, int y) {
  if (x < 0 || x > 7 || y < 0 || y > 7) return TorpedoFinds::Edge;
  const std::uint8_t kind = Cell::Object(quadrant.cells[y][x]);
  switch (kind) {
    case Cell::ShipLeft:
    case Cell::ShipRight: return TorpedoFinds::Ship;
    case Cell::Starbase: return TorpedoFinds::Starbase;
    case Cell::StarA:
    case Cell::StarB:
    case Cell::StarX: return TorpedoFinds::Star;
    default: return Cell::HoldsAlien(kind) ? TorpedoFinds::Alien : TorpedoFinds::Nothing;
  }
}

bool ExecuteTorpedo(const GameState& gameState, GameSounds& sounds, int course, int distance,
                    const ScanRequestSender& send) {
  if (!gameState.Working(ShipSystem::Photon)) return false;
  sounds.PlaySoundNow(Sounds::Acknowledge, false);
  send([course, distance] { RequestTorpedo(course, distance); });
  return true;
}

void FireTorpedo(int course, int distance) {
  PostShipMessage(Msg::FiringTorpedo);
  --coreState.game.torpedoCount;
  Flight flight{distance, std::nullopt};
  WalkCourse(coreState.game.shipSectorX, coreState.game.shipSectorY, course,
             [&flight](int x, int y) { return TorpedoStep(flight, x, y); });
  host().ScanAnimationEnded(Animation::Torpedo);  // its path ran out in empty space

  host().InvalidateStation(Station::Status, false);
  EvaluateConditions();
}
