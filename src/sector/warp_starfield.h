#pragma once
// The starfield the scan shows while the ship changes quadrant: 55 points flying at the
// viewer. The points' resets draw from the game's random source, so the model runs the
// same way with or without a window; only its pixels go out through the Host.

#include <array>
#include <vector>

#include "core/host.h"

struct StarfieldPoint {
  double x = 0, y = 0;       // in the plane of view, -10.0..10.0
  double depth = 0;          // distance from the viewer, 10..24 after a reset
  int lastX = 0, lastY = 0;  // pixel last drawn
  Rgb colour = 0;
};

inline constexpr int StarfieldPointCount = 55;
inline constexpr Rgb StarSilver = 0xC0C0C0;
inline constexpr Rgb StarWhite = 0xFFFFFF;
inline constexpr Rgb StarBlack = 0x000000;

// A fresh point somewhere far ahead: three draws, for x, y and depth.
void ResetStarfieldPoint(StarfieldPoint& point);

// Moves the point `speed` closer on a width x height view and appends the pixels that
// changes, in drawing order. With `erase` the previous pixel is blacked out and a point
// that has passed the viewer starts again.
void AdvanceStarfieldPoint(StarfieldPoint& point, double speed, bool erase, int width, int height,
                           std::vector<ScanPixel>& pixels);

// The whole flight on the scan for warp factor `warp`: 45 frames per factor, or 90 frames
// and a final streak-out for the gravity ricochet (warp 0).
void WarpStarfield(int warp);
