#pragma once
// Putting an object on a random free sector of a quadrant.

#include "core/game_state.h"

struct SectorPosition {
  int x;
  int y;
};

// Draws x = rand() & 7, then y = rand() & 7, until that sector of `quadrant` is empty, and
// writes `cell` there unless it is Cell::FindFreeOnly. The quadrant's counts are left alone.
// The quadrant must have a free sector (a quadrant never holds more than 21 objects).
SectorPosition PlaceInRandomEmptySector(int quadrant, SectorCell cell);
