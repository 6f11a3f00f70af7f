#pragma once
// The one quiet running game every test layer starts from, and the small builders that put
// things into it.

#include <cstdint>

#include "game_state.h"

inline void PutShip(int quadrant, int x, int y) {
  game.shipQuadrant = quadrant;
  game.shipSectorX = x;
  game.shipSectorY = y;
  game.Quadrant(quadrant).cells[y][x] = x > 3 ? Cell::ShipLeft : Cell::ShipRight;
}

inline void AddAlien(int quadrant, int x, int y, AlienKind kind) {
  game.alienTable.push_back({quadrant, x, y, static_cast<std::uint8_t>(kind), {}, 200, 20000, 30000, 0, 0});
  game.Quadrant(quadrant).cells[y][x] = static_cast<SectorCell>(kind);
  ++game.Quadrant(quadrant).alienCount;
  ++game.alienTotal;
  ++game.aliensRemaining;
}

inline void PutStarbase(int quadrant, int x, int y, int frame = 0) {
  game.Quadrant(quadrant).cells[y][x] = static_cast<SectorCell>(Cell::Starbase + frame * 256);
  ++game.Quadrant(quadrant).starbaseCount;
}

// A running game in condition green with plenty of everything and the deadline well ahead:
// the ship at sector (3,4) of `shipQuadrant`, and one Klingon far away (four quadrants across
// and four down), so the ship's neighbourhood stays quiet.
inline void StartQuietGame(int shipQuadrant = 27) {
  game.gamePhase = GamePhase::Green;
  game.stardateStart = game.stardateNow = 2000.0;
  game.missionLength = 40.0;
  game.shipEnergy = 3000;
  game.shieldEnergy = 500;
  game.torpedoCount = 10;
  PutShip(shipQuadrant, 3, 4);
  AddAlien(QuadrantNeighbour(shipQuadrant, 4, 4), 0, 0, AlienKind::Klingon);
}
