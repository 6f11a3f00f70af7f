#pragma once
// What a player would call a broken game, checked by the soak after every action: the
// loader's own consistency checks, then supplies, clock, damage and the ship's condition.

#include <optional>
#include <string>
#include <vector>

#include "core/game_state.h"

struct BrokenRule {
  std::string invariant;  // which rule, in a few fixed words
  std::string detail;     // the values that break it
};

// The first rule `state` breaks, or nothing. Meant for a game in play or just over; the
// values may be anything.
std::optional<BrokenRule> FindBrokenRule(const GameState& state);

// The first rule the step from `before` to `after` breaks, or nothing: aliens keep to their
// quadrants and never regain energy, the destroyed stay destroyed, stars stay where they are,
// starbases never appear, time runs forward, and only docking refills the ship.
std::optional<BrokenRule> FindBrokenChange(const GameState& before, const GameState& after);

// The game reports a state it cannot make sense of as an internal error on the Messages
// panel: the first such text among `shipMessages`, as a broken rule.
std::optional<BrokenRule> FindInternalError(const std::vector<std::string>& shipMessages);
