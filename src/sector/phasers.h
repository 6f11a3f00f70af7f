#pragma once
// Phaser fire from the ship: the shot's energy shared equally among the aliens of the
// quadrant (or all of it on the first), each beam weakened by distance and stopped by a star
// in the line of fire. With no alien there, the beam goes off into empty space.

// The least Dilithium the Phasers station's panel leaves to the ship when it charges a shot.
inline constexpr int LeastEnergyAfterCharge = 41;

// Whether the ship can pay `charge` now: nothing, or as much as leaves it at least
// LeastEnergyAfterCharge.
bool PhaserChargeAffordable(int charge);

// The Phasers station's EXECUTE pays for its shot from the ship's Dilithium as it is now:
// each shot costs its charge anew.
void PayPhaserCharge(int charge);

// Fires `energy` units (already taken from the ship) at one target or dispersed over all.
void FirePhasers(int energy, bool singleTarget);
