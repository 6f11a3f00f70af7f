#pragma once
// A readable account of a game: what `kestrav-tool show` prints.

#include <string>

#include "core/game_state.h"

std::string DescribeGame(const GameState& state);
