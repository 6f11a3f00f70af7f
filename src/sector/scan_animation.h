#pragma once
// The twinkle of the Short Range Scan: on each of its timer's steps every star and starbase of
// the ship's quadrant shows the next frame of its strip. The frame a cell is on is part of the
// game (it is saved with the cell).

#include <cstdint>
#include <vector>

// A sector to draw on this step: its object and the strip frame it shows.
struct ScanTwinkle {
  int x, y;
  std::uint8_t kind;
  int frame;
};

// Moves every star, and every starbase unless an action runs, on by one frame, and answers what
// to draw; nothing while the short range sensors are out, the stars hold still or the game is
// paused, or when the quadrant holds neither stars nor starbases.
std::vector<ScanTwinkle> StepScanAnimation();
