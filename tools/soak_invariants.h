#pragma once
// What a player would call a broken game, checked by the soak after every action: the
// loader's own consistency checks, then supplies, clock, damage and the ship's condition.

#include <optional>
#include <string>

#include "game_state.h"

struct BrokenRule {
  std::string invariant;  // which rule, in a few fixed words
  std::string detail;     // the values that break it
};

// The first rule `state` breaks, or nothing. Meant for a game in play or just over; the
// values may be anything.
std::optional<BrokenRule> FindBrokenRule(const GameState& state);
