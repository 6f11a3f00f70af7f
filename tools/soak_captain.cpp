#include "tools/soak_captain.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

#include "core/format_text.h"
#include "sector/course.h"
#include "sector/movement.h"
#include "sector/phasers.h"
#include "sector/torpedoes.h"

namespace {
struct Sector {
  int x, y;
  int energy = 0;
};

bool InGrid(int x, int y) { return x >= 0 && x <= 7 && y >= 0 && y <= 7; }

const QuadrantRecord& ShipQuadrant(const GameState& s) { return s.galaxy[static_cast<std::size_t>(s.shipQuadrant)]; }

// The live aliens of the ship's quadrant, nearest first.
std::vector<Sector> AliensInSight(const GameState& s) {
  std::vector<Sector> aliens;
  for (const AlienRecord& alien : s.alienTable)
    if (alien.quadrant == s.shipQuadrant) aliens.push_back({alien.sectorX, alien.sectorY, alien.energy});
  std::stable_sort(aliens.begin(), aliens.end(), [&s](Sector a, Sector b) {
    return GridDistance(s.shipSectorX, s.shipSectorY, a.x, a.y) < GridDistance(s.shipSectorX, s.shipSectorY, b.x, b.y);
  });
  return aliens;
}

// The course and DISTANCE that put a torpedo into an alien near `target`: the bearing, then
// a few degrees either side, each walked by the torpedo's own rule and given up when a star
// or a starbase stands in the way. The DISTANCE is the sectors the torpedo enters, the
// alien's included, so a hit takes the bonus.
std::optional<std::pair<int, int>> AimTorpedo(const GameState& s, Sector target) {
  const QuadrantRecord& quadrant = ShipQuadrant(s);
  const int bearing = CourseBearing(target.x - s.shipSectorX, target.y - s.shipSectorY);
  for (int turn : {0, 1, -1, 2, -2, 3, -3}) {
    const int course = (bearing + turn + 360) % 360;
    int entered = 0;
    std::optional<int> hitAt;
    WalkCourse(s.shipSectorX, s.shipSectorY, course, [&](int x, int y) {
      switch (TorpedoFindsAt(quadrant, x, y)) {
        case TorpedoFinds::Ship: return true;
        case TorpedoFinds::Nothing: ++entered; return true;
        case TorpedoFinds::Alien: hitAt = ++entered; return false;
        default: return false;
      }
    });
    if (hitAt) return std::pair{course, std::min(*hitAt, 9)};
  }
  return std::nullopt;
}

bool StarbaseNextTo(const QuadrantRecord& quadrant, int x, int y) {
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      if (InGrid(x + dx, y + dy) && Cell::HoldsStarbase(quadrant.cells[y + dy][x + dx])) return true;
  return false;
}

// Where an impulse move on `course` of up to `factor` sectors would take the ship, walked by
// the engines' own rule: it stops before anything in its way, and over the grid's edge it
// slides into the next quadrant. `beside` is told each sector reached.
struct ImpulseOutcome {
  int moved = 0;
  bool crossed = false;
};
template <class Beside>
ImpulseOutcome FollowImpulse(const GameState& s, int course, int factor, Beside&& beside) {
  const QuadrantRecord& quadrant = ShipQuadrant(s);
  ImpulseOutcome outcome;
  WalkCourse(s.shipSectorX, s.shipSectorY, course, [&](int x, int y) {
    switch (ImpulseFindsAt(quadrant, x, y)) {
      case ImpulseFinds::Ship: return true;
      case ImpulseFinds::Edge: outcome.crossed = true; return false;
      case ImpulseFinds::Obstacle: return false;
      case ImpulseFinds::Room: break;
    }
    ++outcome.moved;
    return outcome.moved != factor && !beside(x, y);
  });
  return outcome;
}

ImpulseOutcome FollowImpulse(const GameState& s, int course, int factor) {
  return FollowImpulse(s, course, factor, [](int, int) { return false; });
}

// The shortest impulse move, over every course, that stops beside a starbase of the ship's
// quadrant without leaving it: course and factor.
std::optional<std::pair<int, int>> PlanDocking(const GameState& s) {
  const QuadrantRecord& quadrant = ShipQuadrant(s);
  std::optional<std::pair<int, int>> best;
  for (int course = 0; course < 360; course += 3) {
    bool docks = false;
    const ImpulseOutcome outcome = FollowImpulse(s, course, 9, [&](int x, int y) {
      docks = StarbaseNextTo(quadrant, x, y);
      return docks;
    });
    if (docks && (!best || outcome.moved < best->second)) best = std::pair{course, outcome.moved};
  }
  return best;
}

// Columns and rows from one quadrant to another the short way round the galaxy.
std::pair<int, int> QuadrantOffset(int from, int to) {
  auto shortest = [](int d) {
    d = ((d % 8) + 8) % 8;
    return d > 4 ? d - 8 : d;
  };
  return {shortest(QuadrantColumn(to) - QuadrantColumn(from)), shortest(QuadrantRow(to) - QuadrantRow(from))};
}

int QuadrantsApart(int from, int to) {
  const auto [dc, dr] = QuadrantOffset(from, to);
  return std::max(std::abs(dc), std::abs(dr));
}

// The nearest other quadrant the long range scan shows and `wanted` accepts.
template <class Wanted>
std::optional<int> NearestCharted(const GameState& s, Wanted&& wanted) {
  std::optional<int> nearest;
  for (int q = 0; q < QuadrantCount; ++q) {
    const QuadrantRecord& quadrant = s.galaxy[static_cast<std::size_t>(q)];
    if (q == s.shipQuadrant || !wanted(quadrant)) continue;
    if (!nearest || QuadrantsApart(s.shipQuadrant, q) < QuadrantsApart(s.shipQuadrant, *nearest)) nearest = q;
  }
  return nearest;
}

bool Charted(const QuadrantRecord& q) { return (q.flags & QuadrantFlag::Charted) != 0; }

bool Destroyed(const GameState& s, ShipSystem system) { return s.damage[static_cast<std::size_t>(system)] < 0.0; }

bool NeedsStarbase(const GameState& s) {
  int systemsOut = 0;
  for (double damage : s.damage)
    if (damage != 0.0) ++systemsOut;
  return s.shipEnergy < 1000 || s.torpedoCount < 2 || systemsOut >= 3 || Destroyed(s, ShipSystem::Warp) ||
         Destroyed(s, ShipSystem::Photon) || Destroyed(s, ShipSystem::Phaser) || Destroyed(s, ShipSystem::Shield);
}

SoakAction Command(SoakAction::Kind kind, int course = 0, int amount = 0) {
  SoakAction action;
  action.kind = kind;
  action.course = course;
  action.amount = amount;
  return action;
}
}  // namespace

const char* SoakAction::KindName(Kind kind) {
  static const char* const names[KindCount] = {"impulse", "warp",    "torpedo",         "phasers",
                                               "shields", "console", "save and reload", "wait"};
  return names[static_cast<int>(kind)];
}

std::string SoakAction::Describe() const {
  std::string text;
  switch (kind) {
    case Kind::Impulse: text = FormatText("move --course %d --impulse %d", course, amount); break;
    case Kind::Warp: text = FormatText("move --course %d --warp %d", course, amount); break;
    case Kind::Torpedo: text = FormatText("torpedo --course %d --distance %d", course, amount); break;
    case Kind::Phasers:
      text = FormatText("phasers --energy %d %s", amount, singleTarget ? "--single" : "--wide");
      break;
    case Kind::Shields: text = FormatText("the Shields station's EXECUTE with %d units in the shields", amount); break;
    case Kind::Console: text = "console --line '" + line + "'"; break;
    case Kind::SaveAndReload: text = "save the game and load it again"; break;
    case Kind::Wait: text = "nothing"; break;
  }
  return text + FormatText(", then wait --ms %u", thenMs);
}

int Captain::Draw(int low, int high) {
  return low + static_cast<int>(random_() % static_cast<std::uint32_t>(high - low + 1));
}

bool Captain::Chance(int percent) { return Draw(0, 99) < percent; }

SoakAction Captain::Decide(const GameState& state) {
  SoakAction action = Chance(3) ? Whim(state) : state.InRedAlert() ? InRedAlert(state) : UnderWay(state);
  if (action.thenMs == 0) action.thenMs = static_cast<std::uint32_t>(Draw(300, 2500));
  return action;
}

// What a careless player does now and then: a torpedo or a phaser shot at nothing in
// particular (a starbase, a star, empty space), a move anywhere, the shields emptied, a
// ricochet, or an hour or two of time skipped.
SoakAction Captain::Whim(const GameState& s) {
  switch (Draw(0, 5)) {
    case 0:
      if (s.torpedoCount > 0) return Command(SoakAction::Kind::Torpedo, Draw(0, 359), Draw(0, 9));
      break;
    case 1:
      if (s.shipEnergy > 600) {
        SoakAction fire = Command(SoakAction::Kind::Phasers, 0, Draw(0, 400));
        fire.singleTarget = Chance(50);
        return fire;
      }
      break;
    case 2: return Command(SoakAction::Kind::Impulse, Draw(0, 359), Draw(1, 9));
    case 3:
      if (s.shieldEnergy > 0) return Command(SoakAction::Kind::Shields, 0, Draw(0, s.shieldEnergy / 2));
      break;
    case 4: {
      SoakAction ricochet = Command(SoakAction::Kind::Console);
      ricochet.line = "RIC";
      return ricochet;
    }
    default: {
      SoakAction skip = Command(SoakAction::Kind::Console);
      skip.line = FormatText("ADV %d.%d", Draw(0, 1), Draw(0, 9));
      return skip;
    }
  }
  return Command(SoakAction::Kind::Wait);
}

SoakAction Captain::InRedAlert(const GameState& s) {
  const std::vector<Sector> aliens = AliensInSight(s);
  if (s.Working(ShipSystem::Shield) && s.shieldEnergy < 150 && s.shipEnergy > 800 && Chance(85)) {
    const int moved = std::min(Draw(300, 700), s.shipEnergy - 400);
    return Command(SoakAction::Kind::Shields, 0, s.shieldEnergy + moved);
  }
  if (s.shipEnergy < Draw(300, 500) && s.Working(ShipSystem::Warp) && Chance(70)) {
    const auto starbase = NearestCharted(s, [](const QuadrantRecord& q) { return Charted(q) && q.starbaseCount > 0; });
    if (starbase) return TravelTo(s, *starbase);
    return Command(SoakAction::Kind::Warp, Draw(0, 359), Draw(1, 2));
  }
  if (s.torpedoCount > 0 && s.Working(ShipSystem::Photon) && Chance(85)) {
    for (Sector alien : aliens)
      if (const auto aim = AimTorpedo(s, alien)) return Command(SoakAction::Kind::Torpedo, aim->first, aim->second);
  }
  if (s.Working(ShipSystem::Phaser) && s.shipEnergy > 500 && !aliens.empty() && Chance(85)) {
    // Enough for the nearest alien's energy (the console's scan shows it) and the beam's loss
    // over the distance, with a margin; the wide dispersal shares it among all.
    const Sector nearest = aliens.front();
    const int loss = (std::abs(nearest.x - s.shipSectorX) + std::abs(nearest.y - s.shipSectorY)) / 2 * 9;
    const bool single = aliens.size() < 2 || Chance(70);
    const int wanted = (nearest.energy + loss) * (single ? 1 : static_cast<int>(aliens.size())) + Draw(10, 60);
    SoakAction fire = Command(SoakAction::Kind::Phasers, 0, std::min(wanted, s.shipEnergy - 400));
    fire.singleTarget = single;
    if (PhaserChargeAffordable(s, fire.amount)) return fire;
  }
  if (s.Working(ShipSystem::Computer) && Chance(10)) return ConsoleCommand(s);
  if (Chance(50)) {
    const int course = Draw(0, 359), factor = Draw(1, 3);
    if (FollowImpulse(s, course, factor).moved > 0) return Command(SoakAction::Kind::Impulse, course, factor);
  }
  SoakAction wait = Command(SoakAction::Kind::Wait);
  wait.thenMs = static_cast<std::uint32_t>(Draw(1000, 8000));
  return wait;
}

SoakAction Captain::UnderWay(const GameState& s) {
  if (Draw(0, 299) == 0) return Command(SoakAction::Kind::SaveAndReload);
  if (s.Working(ShipSystem::Computer) && Chance(6)) return ConsoleCommand(s);
  if (NeedsStarbase(s) && s.gamePhase != GamePhase::Docked) {
    if (ShipQuadrant(s).starbaseCount > 0)
      if (const auto dock = PlanDocking(s)) return Command(SoakAction::Kind::Impulse, dock->first, dock->second);
    const auto starbase = NearestCharted(s, [](const QuadrantRecord& q) { return Charted(q) && q.starbaseCount > 0; });
    if (starbase) return TravelTo(s, *starbase);
  }
  if (const auto aliens = NearestCharted(s, [](const QuadrantRecord& q) { return Charted(q) && q.alienCount > 0; }))
    return TravelTo(s, *aliens);
  if (const auto unknown = NearestCharted(s, [](const QuadrantRecord& q) { return !Charted(q); }))
    return TravelTo(s, *unknown);
  return Command(SoakAction::Kind::Warp, Draw(0, 359), Draw(1, 3));
}

SoakAction Captain::TravelTo(const GameState& s, int quadrant) {
  const auto [dc, dr] = QuadrantOffset(s.shipQuadrant, quadrant);
  const int apart = std::max(std::abs(dc), std::abs(dr));
  const int bearing = CourseBearing(dc, dr);
  const bool warpAffordable = s.Working(ShipSystem::Warp) && s.shipEnergy > 20 * apart + 60;
  if (apart > 1 && warpAffordable) {
    // The warp's line only approximates the bearing; now and then another course is tried.
    const int course = Chance(25) ? (bearing + Draw(-15, 15) + 360) % 360 : bearing;
    return Command(SoakAction::Kind::Warp, course, apart);
  }
  // One quadrant away (or with no warp), slide over the edge at impulse: it costs next to no
  // time. The first course near the bearing that is not blocked.
  for (int turn = 0; turn <= 90; turn += 5)
    for (int side : {1, -1}) {
      const int course = (bearing + side * turn + 360) % 360;
      if (FollowImpulse(s, course, 9).crossed) return Command(SoakAction::Kind::Impulse, course, 9);
    }
  if (warpAffordable) return Command(SoakAction::Kind::Warp, bearing, 1);
  return Command(SoakAction::Kind::Impulse, Draw(0, 359), Draw(1, 3));
}

SoakAction Captain::ConsoleCommand(const GameState& s) {
  SoakAction action = Command(SoakAction::Kind::Console);
  if (s.InRedAlert()) {
    action.line = Chance(70) ? "SCA" : "DAM";
    return action;
  }
  switch (Draw(0, 14)) {
    case 0: action.line = "SCA"; break;
    case 1: action.line = "BAS"; break;
    case 2: action.line = "DAM"; break;
    case 3: action.line = FormatText("ADV %d.%d", Draw(0, 2), Draw(1, 9)); break;
    case 4:
      action.line = messagesRerouted_ ? "UNR" : "RER";
      messagesRerouted_ = !messagesRerouted_;
      break;
    case 5: action.line = "LOC"; break;
    case 6: action.line = "STATUS"; break;
    case 7: action.line = "POW"; break;
    case 8: action.line = "ALI"; break;
    case 9: action.line = "ANA"; break;
    case 10: action.line = FormatText("GETQ %d,%d", Draw(0, 9), Draw(1, 8)); break;
    case 11: action.line = FormatText("GETS %d,%d", Draw(1, 8), Draw(1, 8)); break;
    case 12: action.line = Chance(50) ? "HELP" : "WHAT NOW"; break;
    case 13: action.line = "SKI"; break;
    default: action.line = Chance(30) ? "RIC" : "LOC"; break;
  }
  return action;
}
