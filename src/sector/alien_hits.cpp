#include "sector/alien_hits.h"

#include "core/core_state.h"
#include "core/game_state.h"
#include "core/ship_messages.h"
#include "sector/scan_effects.h"

void HitAlien(int index, int x, int y, int units, MessageId hitMessage) {
  AlienRecord& alien = coreState.game.alienTable[static_cast<std::size_t>(index)];
  alien.energy -= units;
  const bool destroyed = alien.energy <= 0;
  PostShipMessage(hitMessage, x + 1, y + 1, units);
  PlayHitAnimation(x, y, destroyed);
  if (!destroyed) return;

  QuadrantRecord& quadrant = coreState.game.ShipQuadrantRecord();
  --quadrant.alienCount;
  alien.quadrant = -1;
  quadrant.cells[y][x] = Cell::Empty;
  PostShipMessage(Msg::AlienDestroyed);
  --coreState.game.aliensRemaining;
}
