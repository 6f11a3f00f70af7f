#pragma once
// The rules every running game keeps between any two operations. The saved-game reader
// checks a file against them; tests check the state after the rules have run.

#include <string>

#include "core/game_state.h"

// Empty when `state` is a consistent game; otherwise what is wrong, in a few words.
// Looks at positions before it uses them, so any values at all are safe to check.
std::string FindInconsistency(const GameState& state);
