#pragma once
// Damage and repair of the ship's ten systems.
//
// A system is working while its damage is exactly 0.0, damaged while it is positive (the
// repair time charged, with repairDate the stardate it comes back) and destroyed at -1.0
// (repairDate 0.0). Time repairs damaged systems; only docking repairs destroyed ones.

#include "core/game_state.h"
#include "core/host.h"

inline constexpr double DestroyedDamage = -1.0;

// The station that shows or depends on each system.
Station StationOf(ShipSystem system);

// The system an alien attack picks with hit number 0..9 (Warp, SRS, LRS, Shield, Phaser,
// Photon, Computer, DamageControl, StatusPanel, MessageDisplay).
ShipSystem SystemForHit(int hit);

// Brings back every damaged system whose repair date has come, in the fixed order SRS, LRS,
// Warp, Shield, Photon, Phaser, Computer, DamageControl, StatusPanel, MessageDisplay, each with
// its message and a repaint of its station.
void ApplyRepairs();

// What `units` of an alien shot that got past the shields do to the system with hit number
// `hit`: destroy it (when `destroying`), add to its damage, or damage a working system, each
// with message 620, 610 or 600 + hit. A destroyed system is left alone. The repair time is
// (units / 12) / 10 stardate days.
void DamageSystemByHit(int hit, int units, bool destroying);
