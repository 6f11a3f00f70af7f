#pragma once
// The end of a mission, run by the main loop once the phase is GameOver: the verdict's
// communiqué with the game-over sound, the score of a win entered among the ten best, and
// the high-score table.

#include <string>

#include "core/game_state.h"

// The communiqué that tells how the mission ended, filled in; draws one random number.
std::string EndCommunique(GameOverReason reason);

void HandleGameOver();
