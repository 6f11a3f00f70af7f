#pragma once
// The one quiet running game every test layer starts from, and the small builders that put
// things into it.

#include <cstdint>

#include "core/core_state.h"
#include "core/game_state.h"

inline void PutShip(int quadrant, int x, int y) {
  coreState.game.shipQuadrant = quadrant;
  coreState.game.shipSectorX = x;
  coreState.game.shipSectorY = y;
  coreState.game.Quadrant(quadrant).cells[y][x] = x > 3 ? Cell::ShipLeft : Cell::ShipRight;
}

inline void AddAlien(int quadrant, int x, int y, AlienKind kind) {
  coreState.game.alienTable.push_back({quadrant, x, y, static_cast<std::uint8_t>(kind), {}, 200, 20000, 30000, 0, 0});
  coreState.game.Quadrant(quadrant).cells[y][x] = static_cast<SectorCell>(kind);
  ++coreState.game.Quadrant(quadrant).alienCount;
  ++coreState.game.alienTotal;
  ++coreState.game.aliensRemaining;
}

inline void PutStarbase(int quadrant, int x, int y, int frame = 0) {
  coreState.game.Quadrant(quadrant).cells[y][x] = static_cast<SectorCell>(Cell::Starbase + frame * 256);
  ++coreState.game.Quadrant(quadrant).starbaseCount;
}

// A quiet running game for the game's core: condition green with full energy, shields down,
// every torpedo aboard and the deadline well ahead; the ship alone at sector (3,4) of
// quadrant 27, one Klingon far away at sector (5,5) of quadrant 0.
inline void StartQuietGame() {
  coreState.game.gamePhase = GamePhase::Green;
  coreState.game.stardateStart = coreState.game.stardateNow = 2000.0;
  coreState.game.missionLength = 40.0;
  coreState.game.shipEnergy = 3000;
  coreState.game.torpedoCount = 10;
  PutShip(27, 3, 4);
  AddAlien(0, 5, 5, AlienKind::Klingon);
}

// The same for the ship's quadrant and the stations: 500 units in the shields, the ship at
// sector (3,4) of `shipQuadrant` (a quadrant picture drawn over it puts the ship where the
// picture has it) and the Klingon four quadrants across and four down, so that arrivals
// around the ship stay quiet.
inline void StartQuietSectorGame(int shipQuadrant = 27) {
  coreState.game.gamePhase = GamePhase::Green;
  coreState.game.stardateStart = coreState.game.stardateNow = 2000.0;
  coreState.game.missionLength = 40.0;
  coreState.game.shipEnergy = 3000;
  coreState.game.shieldEnergy = 500;
  coreState.game.torpedoCount = 10;
  PutShip(shipQuadrant, 3, 4);
  AddAlien(QuadrantNeighbour(shipQuadrant, 4, 4), 0, 0, AlienKind::Klingon);
}
