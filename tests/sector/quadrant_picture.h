#pragma once
// Test set-ups drawn as pictures: a quiet running game, and a quadrant from eight rows of
// eight characters.

#include <string>
#include <vector>

#include "game_state.h"

// A running game in condition green with plenty of everything, the ship in `shipQuadrant`
// and one alien far away, so arrivals elsewhere stay quiet.
inline void StartQuietGame(int shipQuadrant = 27) {
  game.gamePhase = GamePhase::Green;
  game.stardateStart = game.stardateNow = 2000.0;
  game.missionLength = 40.0;
  game.shipEnergy = 3000;
  game.shieldEnergy = 500;
  game.torpedoCount = 10;
  game.shipQuadrant = shipQuadrant;
  const int farAway = QuadrantNeighbour(shipQuadrant, 4, 4);
  game.alienTable.push_back({farAway, 0, 0, 0x20, {}, 200, 20000, 30000, 0, 0});
  game.Quadrant(farAway).cells[0][0] = 0x20;
  game.Quadrant(farAway).alienCount = 1;
  game.alienTotal = game.aliensRemaining = 1;
}

//   .  empty      <  ship facing left   >  ship facing right   B  starbase
//   *  star A     +  star B             x  star X
//   K  Klingon    R  Romulan            F  Farengi             C  Borg
inline SectorCell CellFor(char c) {
  switch (c) {
    case '<': return Cell::ShipLeft;
    case '>': return Cell::ShipRight;
    case 'B': return Cell::Starbase;
    case '*': return Cell::StarA;
    case '+': return Cell::StarB;
    case 'x': return Cell::StarX;
    case 'K': return 0x20;
    case 'R': return 0x40;
    case 'F': return 0x60;
    case 'C': return 0x80;
    default: return Cell::Empty;
  }
}

// Fills quadrant q with counts to match; the ship's position follows its picture when q is
// the ship's quadrant.
inline void DrawQuadrant(int q, const std::vector<std::string>& rows) {
  QuadrantRecord& record = game.Quadrant(q);
  record = QuadrantRecord{};
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      const SectorCell cell = CellFor(rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]);
      record.cells[y][x] = cell;
      if (cell == Cell::StarA || cell == Cell::StarB || cell == Cell::StarX) ++record.starCount;
      if (cell == Cell::Starbase) ++record.starbaseCount;
      if (Cell::HoldsAlien(cell)) ++record.alienCount;
      if ((cell == Cell::ShipLeft || cell == Cell::ShipRight) && q == game.shipQuadrant) {
        game.shipSectorX = x;
        game.shipSectorY = y;
      }
    }
  }
}
