#pragma once
// What stands between two sectors of the ship's quadrant for a beam: only stars stop one.

#include <optional>

#include "core/game_state.h"

struct SectorPoint {
  int x, y;
  bool operator==(const SectorPoint&) const = default;
};

// The first star (class A, B or X) on the line walked from `from` (included) to `to`
// (excluded) across `quadrant`'s cells, or nothing. Aliens, starbases and the ship do not
// stop a beam.
std::optional<SectorPoint> FirstStarOnLine(const QuadrantRecord& quadrant, SectorPoint from, SectorPoint to);
