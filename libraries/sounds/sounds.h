#pragma once
// The game's twelve sounds. Each function renders exactly `samples` samples at 8000 Hz;
// the looping ones (bridge ambience, engines, phaser beam, alien beam) end where they
// begin, so they repeat without a click.

#include "libraries/sounds/synth.h"

namespace sounds {
using synth::Signal;

// Music.
Signal NewGameFanfare(std::size_t samples);
Signal StartUpTheme(std::size_t samples);
Signal EndOfGamePiece(std::size_t samples);

// Loops.
Signal BridgeAmbience(std::size_t samples);
Signal EngineDrone(std::size_t samples);
Signal PhaserBeam(std::size_t samples);
Signal AlienBeam(std::size_t samples);

// One-shot effects.
Signal Acknowledgement(std::size_t samples);
Signal Explosion(std::size_t samples);
Signal TorpedoLaunch(std::size_t samples);
Signal HitOnShip(std::size_t samples);
Signal RedAlertKlaxon(std::size_t samples);
}  // namespace sounds
