#pragma once
// Phaser fire from the ship: the shot's energy shared equally among the aliens of the
// quadrant (or all of it on the first), each beam weakened by distance and stopped by a star
// in the line of fire. With no alien there, the beam goes off into empty space.

#include <functional>

#include "sector/scan_requests.h"

class Bridge;
class GameSounds;
struct GameState;

// The Phasers station's panel moves energy into a shot only while the ship would keep at least
// LeastEnergyToCharge; a step of up to 10 can thus leave it as little as LeastEnergyAfterCharge.
inline constexpr int LeastEnergyToCharge = 51;
inline constexpr int LeastEnergyAfterCharge = LeastEnergyToCharge - 10;

// Whether the ship of `gameState` can pay `charge` now: nothing, or as much as leaves it at
// least LeastEnergyAfterCharge.
bool PhaserChargeAffordable(const GameState& gameState, int charge);

// The Phasers station's amounts for `charge` from the Dilithium the ship holds now: the ship
// keeps the rest, unless that rest is below LeastEnergyToCharge; then the whole charge goes
// back to the ship.
struct PhaserPanelAmounts {
  int available, charge;
};
PhaserPanelAmounts PhaserPanelFromShip(const GameState& gameState, int charge);

// What one EXECUTE of the Phasers station did.
struct PhaserShot {
  bool sent = false;  // false while the phasers are out: nothing paid, nothing sent
  int charge = 0;     // the units paid and sent; 0 when the ship could no longer afford the charge
};

// One EXECUTE of the Phasers station with `charge` on its panel. With the phasers working,
// each shot costs its charge anew from the Dilithium the ship holds now (a charge it can no
// longer afford goes back to the ship, and the shot is of 0 units). Then `paid` is told (the
// station brings the scan or itself forward); then, the phasers working, the acknowledgement
// sounds, `send` hands the scan its RequestPhasers and the bridge redraws the status panel.
PhaserShot ExecutePhasers(GameState& gameState, GameSounds& sounds, Bridge& bridge, int charge, bool singleTarget,
                          const ScanRequestSender& send, const std::function<void(const PhaserShot&)>& paid = {});

// Fires `energy` units (already taken from the ship) at one target or dispersed over all.
void FirePhasers(int energy, bool singleTarget);
