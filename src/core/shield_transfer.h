#pragma once
// The Shields station's EXECUTE: the ship's energy divided anew between its Dilithium store
// and its shields.

// Writes the division the station's panel holds (`shipEnergy` left to the ship,
// `shieldEnergy` in the shields) with the acknowledgement, then the referee; counts a change.
void CommitShieldTransfer(int shipEnergy, int shieldEnergy);
