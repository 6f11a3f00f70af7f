#pragma once
// The two animations the actions share on the Short Range Scan: a hit or explosion on one
// sector, and a flashing beam between two points. Both keep their timing and sounds when
// the short range sensors are out; they just draw nothing then.

#include <cstdint>

#include "core/host.h"

// The 8-frame hit (or, when destroyed, explosion) animation on sector (x, y) of the ship's
// quadrant. The caller clears the cell of a destroyed object afterwards.
void PlayHitAnimation(int x, int y, bool destroyed);

inline constexpr Rgb ShipBeamColours[2] = {0xFF0000, 0xFF00FF};   // red, magenta
inline constexpr Rgb AlienBeamColours[2] = {0x0000FF, 0x00FFFF};  // blue, cyan

// How long a beam carrying `units` flashes: 10 ms a unit (none below 0), and never longer than
// one carrying a full ship's energy, more than any shot of the ship or of an alien holds.
std::uint32_t BeamDuration(int units);

// A beam flashing between two points of the scan for `durationMs`, drawn by exclusive-or
// so every flash erases itself.
void DrawBeam(ScanPoint from, ScanPoint to, std::uint32_t durationMs, bool byAlien);
