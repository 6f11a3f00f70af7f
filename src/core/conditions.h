#pragma once
// The referee: after every clock step and every action that can change the situation,
// decides whether the mission is over and otherwise the ship's condition.

#include "game_state.h"

inline constexpr int LowEnergyThreshold = 300;  // energy at or below this is condition yellow
inline constexpr int FullEnergy = 3000;
inline constexpr int FullTorpedoes = 10;

// Applies due repairs, then sets gamePhase: GameOver (with its reason), RedAlert, Docked
// (resupplying and repairing once per docking), Yellow or Green, announcing each change.
// Returns the resulting phase.
GamePhase EvaluateConditions();

// True once the referee has declared the mission over: the end-of-game sequence is due, and
// nothing may act on the game any more.
bool MissionOver();
