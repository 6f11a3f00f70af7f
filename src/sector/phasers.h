#pragma once
// Phaser fire from the ship: the shot's energy shared equally among the aliens of the
// quadrant (or all of it on the first), each beam weakened by distance and stopped by a star
// in the line of fire. With no alien there, the beam goes off into empty space.

#include <vector>

// The least Dilithium the Phasers station's panel leaves to the ship when it charges a shot.
inline constexpr int LeastEnergyAfterCharge = 41;

// Whether the ship can pay `charge` now: nothing, or as much as leaves it at least
// LeastEnergyAfterCharge.
bool PhaserChargeAffordable(int charge);

// The Phasers station's EXECUTE pays for its shot from the ship's Dilithium as it is now:
// each shot costs its charge anew.
void PayPhaserCharge(int charge);

// The indexes of the live aliens in the ship's quadrant, in the order of their sectors row
// by row from the top.
std::vector<int> PhaserTargets();

// Units of a beam of `energy` that reach sector (x, y): 5 to 9 are lost per two sectors of
// distance from the ship (one draw), never below 0.
int PhaserUnitsArriving(int energy, int x, int y);

// Fires `energy` units (already taken from the ship) at one target or dispersed over all.
void FirePhasers(int energy, bool singleTarget);
