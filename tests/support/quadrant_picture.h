#pragma once
// A quadrant drawn as a picture of eight rows of eight characters.

#include <string>
#include <vector>

#include "core/core_state.h"
#include "core/game_state.h"
#include "tests/support/quiet_game.h"

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
  QuadrantRecord& record = coreState.game.Quadrant(q);
  record = QuadrantRecord{};
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      const SectorCell cell = CellFor(rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]);
      record.cells[y][x] = cell;
      if (cell == Cell::StarA || cell == Cell::StarB || cell == Cell::StarX) ++record.starCount;
      if (cell == Cell::Starbase) ++record.starbaseCount;
      if (Cell::HoldsAlien(cell)) ++record.alienCount;
      if ((cell == Cell::ShipLeft || cell == Cell::ShipRight) && q == coreState.game.shipQuadrant) {
        coreState.game.shipSectorX = x;
        coreState.game.shipSectorY = y;
      }
    }
  }
}
