#pragma once
// Saved games on disk for kestrav-tool: read and checked as the game reads them, written
// whole or not at all.

#include <string>

#include "core/game_state.h"

// Reads and checks the saved game at `path` into `loaded`; returns what is wrong, or an
// empty text when the file holds a game.
std::string ReadGameFile(const std::string& path, GameState& loaded);

// Writes `state` to `path`, replacing it only once every byte is written; returns what went
// wrong, or an empty text.
std::string WriteGameFile(const std::string& path, const GameState& state);
