#include "core/random_placement.h"

#include "core/core_state.h"
#include "core/random.h"

SectorPosition PlaceInRandomEmptySector(int quadrant, SectorCell cell) {
  auto& cells = coreState.game.galaxy[static_cast<std::size_t>(quadrant)].cells;
  SectorPosition at{};
  do {
    at.x = lcg::rand() & 7;
    at.y = lcg::rand() & 7;
  } while (cells[at.y][at.x] != Cell::Empty);
  if (cell != Cell::FindFreeOnly) cells[at.y][at.x] = cell;
  return at;
}
