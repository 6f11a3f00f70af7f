#include "tools/soak_invariants.h"

#include <cmath>

#include "core/conditions.h"
#include "core/format_text.h"
#include "core/game_invariants.h"
#include "core/message_catalogue.h"
#include "core/message_ids.h"

namespace {
// ADV moves the stardate on by at most 9.9 days, and only a few of them can come before the
// evaluation that ends the mission; a hundred days past the end is beyond any game.
constexpr double AbsurdOverrun = 100.0;
// Sliding into the next quadrant adds a day and takes it back, which may cost a rounding.
constexpr double StardateRounding = 1e-6;

bool IsStar(std::uint8_t object) { return object == Cell::StarA || object == Cell::StarB || object == Cell::StarX; }

bool AliensInShipQuadrant(const GameState& s) {
  for (const auto& row : s.galaxy[static_cast<std::size_t>(s.shipQuadrant)].cells)
    for (SectorCell cell : row)
      if (Cell::HoldsAlien(cell)) return true;
  return false;
}

bool StarbaseAlongside(const GameState& s) {
  const QuadrantRecord& quadrant = s.galaxy[static_cast<std::size_t>(s.shipQuadrant)];
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) {
      const int x = s.shipSectorX + dx, y = s.shipSectorY + dy;
      if (x >= 0 && x <= 7 && y >= 0 && y <= 7 && Cell::HoldsStarbase(quadrant.cells[y][x])) return true;
    }
  return false;
}

std::optional<BrokenRule> Broken(const char* invariant, std::string detail) {
  return BrokenRule{invariant, std::move(detail)};
}

std::optional<BrokenRule> CheckSupplies(const GameState& s) {
  // The last clock step of a ship left with nothing takes it to -1 and ends the game.
  const int leastEnergy = s.gamePhase == GamePhase::GameOver ? LeastShipEnergy : 0;
  if (s.shipEnergy < leastEnergy || s.shipEnergy > FullEnergy)
    return Broken("energy in range", FormatText("ship's energy %d", s.shipEnergy));
  if (s.shieldEnergy < 0 || s.shieldEnergy > FullEnergy || s.shipEnergy + s.shieldEnergy > FullEnergy)
    return Broken("shields in range", FormatText("shields %d with ship's energy %d", s.shieldEnergy, s.shipEnergy));
  if (s.torpedoCount < 0 || s.torpedoCount > FullTorpedoes)
    return Broken("torpedoes in range", FormatText("%d torpedoes", s.torpedoCount));
  return std::nullopt;
}

std::optional<BrokenRule> CheckClock(const GameState& s) {
  const double end = s.stardateStart + s.missionLength;
  if (!std::isfinite(s.stardateNow) || !std::isfinite(end) || s.stardateNow < s.stardateStart ||
      s.stardateNow > end + AbsurdOverrun)
    return Broken("stardate sane",
                  FormatText("stardate %.1f in a mission from %.1f to %.1f", s.stardateNow, s.stardateStart, end));
  return std::nullopt;
}

std::optional<BrokenRule> CheckDamage(const GameState& s) {
  for (int i = 0; i < SystemCount; ++i) {
    const double damage = s.damage[static_cast<std::size_t>(i)];
    const double repair = s.repairDate[static_cast<std::size_t>(i)];
    if (!(damage == -1.0 || damage >= 0.0) || !std::isfinite(damage) || !std::isfinite(repair))
      return Broken("damage values", FormatText("system %d has damage %f, repair date %f", i, damage, repair));
  }
  return std::nullopt;
}

bool EverySystemOut(const GameState& s) {
  for (double damage : s.damage)
    if (damage == 0.0) return false;
  return true;
}

// Why a game over is deserved: its reason must hold.
bool ReasonHolds(const GameState& s) {
  switch (s.gameOverReason) {
    case GameOverReason::EnergyExhausted: return s.shipEnergy <= 0;
    case GameOverReason::TimeExpired: return s.stardateStart + s.missionLength <= s.stardateNow;
    case GameOverReason::AliensDestroyed: return s.aliensRemaining == 0;
    case GameOverReason::SystemsDisabled: return EverySystemOut(s);
    case GameOverReason::None: return false;
  }
  return false;
}

std::optional<BrokenRule> CheckPhase(const GameState& s) {
  const int phase = static_cast<int>(s.gamePhase);
  if (s.gamePhase == GamePhase::GameOver) {
    if (!ReasonHolds(s))
      return Broken("game over for its reason", FormatText("reason %d", static_cast<int>(s.gameOverReason)));
    return std::nullopt;
  }
  if (s.gamePhase == GamePhase::NoGame || phase < 0 || phase > static_cast<int>(GamePhase::GameOver))
    return Broken("phase of a game in play", FormatText("phase %d", phase));
  // Every shot that destroys an alien ends with an evaluation.
  if (s.aliensRemaining == 0) return Broken("phase of a game in play", "no alien left but the game goes on");
  const bool aliens = AliensInShipQuadrant(s);
  if (aliens != s.InRedAlert())
    return Broken("red alert with aliens",
                  FormatText("phase %d with%s aliens in the ship's quadrant", phase, aliens ? "" : " no"));
  if (s.gamePhase == GamePhase::Docked && !StarbaseAlongside(s))
    return Broken("docked beside a starbase", "docked with no starbase alongside");
  return std::nullopt;
}
}  // namespace

std::optional<BrokenRule> FindBrokenRule(const GameState& state) {
  if (std::string problem = FindInconsistency(state); !problem.empty()) return Broken("consistent game", problem);
  if (auto broken = CheckSupplies(state)) return broken;
  if (auto broken = CheckClock(state)) return broken;
  if (auto broken = CheckDamage(state)) return broken;
  return CheckPhase(state);
}

std::optional<BrokenRule> FindBrokenChange(const GameState& before, const GameState& after) {
  if (before.alienTable.size() != after.alienTable.size())
    return Broken("aliens keep to their quadrants", FormatText("the alien table went from %zu to %zu records",
                                                               before.alienTable.size(), after.alienTable.size()));
  for (std::size_t i = 0; i < after.alienTable.size(); ++i) {
    const AlienRecord& was = before.alienTable[i];
    const AlienRecord& is = after.alienTable[i];
    if (is.quadrant != was.quadrant && (was.quadrant == -1 || is.quadrant != -1))
      return Broken("aliens keep to their quadrants",
                    FormatText("alien %zu went from quadrant %d to %d", i, was.quadrant, is.quadrant));
    if (is.quadrant != -1 && is.energy > was.energy)
      return Broken("aliens never regain energy", FormatText("alien %zu went from %d to %d", i, was.energy, is.energy));
  }
  for (std::size_t q = 0; q < after.galaxy.size(); ++q) {
    const QuadrantRecord& was = before.galaxy[q];
    const QuadrantRecord& is = after.galaxy[q];
    if (is.starbaseCount > was.starbaseCount)
      return Broken("starbases never appear",
                    FormatText("quadrant %zu went from %d to %d", q, was.starbaseCount, is.starbaseCount));
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x)
        if (IsStar(Cell::Object(was.cells[y][x])) != IsStar(Cell::Object(is.cells[y][x])) ||
            (IsStar(Cell::Object(was.cells[y][x])) && Cell::Object(was.cells[y][x]) != Cell::Object(is.cells[y][x])))
          return Broken("stars stay", FormatText("quadrant %zu sector %d,%d", q, x + 1, y + 1));
  }
  if (after.stardateNow < before.stardateNow - StardateRounding)
    return Broken("time runs forward", FormatText("stardate %.6f after %.6f", after.stardateNow, before.stardateNow));
  if (after.aliensRemaining > before.aliensRemaining)
    return Broken("the destroyed stay destroyed",
                  FormatText("%d aliens remain after %d", after.aliensRemaining, before.aliensRemaining));
  const bool docked = after.gamePhase == GamePhase::Docked;
  if (!docked && (after.torpedoCount > before.torpedoCount ||
                  after.shipEnergy + after.shieldEnergy > before.shipEnergy + before.shieldEnergy))
    return Broken("only docking refills",
                  FormatText("energy %d+%d and %d torpedoes after %d+%d and %d", after.shipEnergy, after.shieldEnergy,
                             after.torpedoCount, before.shipEnergy, before.shieldEnergy, before.torpedoCount));
  return std::nullopt;
}

std::optional<BrokenRule> FindInternalError(const std::vector<std::string>& shipMessages) {
  const std::string text = MessageText(Msg::InternalError);
  const std::string prefix = text.substr(0, text.find('%'));
  for (const std::string& message : shipMessages)
    if (message.starts_with(prefix)) return BrokenRule{"no internal error", message};
  return std::nullopt;
}
