#pragma once
// The referee: after every clock step and every action that can change the situation,
// decides whether the mission is over and otherwise the ship's condition.

#include "core/game_state.h"

inline constexpr int LowEnergyThreshold = 300;  // energy at or below this is condition yellow
// A new game and docking fill the ship to FullEnergy and FullTorpedoes with the shields
// empty, and the shields only ever take energy from the ship and give it back, so the ship and
// its shields never hold more between them.
inline constexpr int FullEnergy = 3000;
inline constexpr int FullTorpedoes = 10;
// Moves stop at 0, but the clock step that finds a ship with nothing left takes its unit
// first: a finished game may hold -1.
inline constexpr int LeastShipEnergy = -1;

// Applies due repairs, then sets gamePhase: GameOver (with its reason), RedAlert, Docked
// (resupplying and repairing once per docking), Yellow or Green, announcing each change.
// Returns the resulting phase.
GamePhase EvaluateConditions();

// True once the referee has declared the mission over: the end-of-game sequence is due, and
// nothing may act on the game any more.
bool MissionOver();
