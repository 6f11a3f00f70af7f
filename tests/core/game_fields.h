#pragma once
// A saved game spelled out field by field, so that a test comparing two games can say where
// they differ instead of only that they do.

#include <string>
#include <vector>

#include "core/game_state.h"

// Every field a saved game stores, one "name: value" line each; a quadrant's cells are a line
// per row, each alien a line.
std::vector<std::string> SavedFields(const GameState& state);

// The fields in which `actual` differs from `expected`, each as a "-" line with the expected
// value and a "+" line with the actual one; empty when the stored fields agree.
std::string SavedFieldDifferences(const GameState& expected, const GameState& actual);
