#include "sector/alien_turns.h"

#include <vector>

#include "core/conditions.h"
#include "core/core_state.h"
#include "core/game_state.h"
#include "core/random.h"
#include "core/ship_messages.h"
#include "sector/action_state.h"
#include "sector/line_of_fire.h"
#include "sector/scan_effects.h"
#include "sector/scan_geometry.h"
#include "sector/sector_state.h"
#include "sector/ship_hits.h"

namespace {
// The chance, in the first pass after a reset, that an alien acts before its time.
bool ActsEarly() { return sectorState.firstCombatPass && lcg::rand() % 100 >= 95; }

bool Due(std::uint32_t now, std::uint32_t last, std::int32_t interval) {
  return now > last + static_cast<std::uint32_t>(interval);
}

// An alien's move or attack runs as an action of its own: the control stations and the
// scan's requests wait it out, and the player sees the hourglass.
template <class Turn>
void TakeTurn(Turn&& turn) {
  sectorState.actionInProgress = true;
  host().SetBusy(true);
  turn();
  sectorState.actionInProgress = false;
  host().SetBusy(false);
}

// Alien i's record, or null if there is none: a cell without its record, or a table that no
// longer holds it (a turn's waits and the pump after a move let the windows work, and a game
// that ended meanwhile takes its aliens along).
AlienRecord* Record(int i) {
  const auto index = static_cast<std::size_t>(i);
  return i >= 0 && index < coreState.game.alienTable.size() ? &coreState.game.alienTable[index] : nullptr;
}

void StampClocks(std::uint32_t now) {
  const auto& cells = coreState.game.ShipQuadrantRecord().cells;
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) {
      if (!Cell::HoldsAlien(cells[y][x])) continue;
      if (AlienRecord* alien = Record(coreState.game.FindAlienAt(coreState.game.shipQuadrant, x, y)))
        alien->lastMoveTick = alien->lastAttackTick = now;
    }
}

void MoveIfDue(int i, std::uint32_t now) {
  const AlienRecord* alien = Record(i);
  if (!alien || !(Due(now, alien->lastMoveTick, alien->moveInterval) || ActsEarly())) return;
  if (sectorState.actionInProgress) return;  // its turn waits for a later pass
  TakeTurn([&] { AlienMove(coreState.game, host(), i); });
  if (AlienRecord* moved = Record(i)) moved->lastMoveTick = now;
  host().PumpPendingMessages();
}

void AttackIfDue(int i, std::uint32_t now) {
  AlienRecord* alien = Record(i);
  if (!alien || !(Due(now, alien->lastAttackTick, alien->attackInterval) || ActsEarly())) return;
  if (sectorState.actionInProgress) return;
  if (Due(now, alien->lastAttackTick + OverdueShotMs, alien->attackInterval)) {
    alien->lastAttackTick = now;  // too late to fire: the clock just starts again
    return;
  }
  TakeTurn([&] { AlienAttack(i); });
  if (AlienRecord* fired = Record(i)) fired->lastAttackTick = now;
}

// Every alien of the ship's quadrant in turn, row by row. The cells are read as they are at
// each step: an alien that has just moved to a later sector is looked at again.
void Sweep(std::uint32_t now) {
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) {
      // A game begun or ended while the windows worked resets the clocks: its aliens, if
      // any, wait for the pass that stamps them.
      if (coreState.game.resetAlienClocks) return;
      if (!Cell::HoldsAlien(coreState.game.ShipQuadrantRecord().cells[y][x])) continue;
      const int i = coreState.game.FindAlienAt(coreState.game.shipQuadrant, x, y);
      MoveIfDue(i, now);
      AttackIfDue(i, now);
    }
}

// What the shields make of a shot of `units`. Stronger shields take it and hold; shields
// that are exactly as strong take all of it and fall; weaker ones fall and let the rest
// through to the ship's systems.
void ShieldsTake(int units) {
  const int shields = coreState.game.shieldEnergy;
  if (shields > units) {
    const double share = units * 100.0 / shields;
    PostShipMessage(Msg::ShieldsReduced, static_cast<unsigned>(share));
    PostShipMessage(Msg::ShieldsHolding);
    coreState.game.shieldEnergy -= units;
    host().InvalidateStation(Station::Status, false);
    return;
  }
  if (shields > 0) {
    if (shields < units) DamageShipSystems(units - shields);
    coreState.game.shieldEnergy = 0;
    PostShipMessage(Msg::ShieldsDown);
  } else {
    DamageShipSystems(units);
  }
  host().InvalidateStation(Station::Status, false);
  EvaluateConditions();
}
}  // namespace

void RedAlertTick(std::uint32_t now) {
  if (coreState.game.resetAlienClocks) {
    StampClocks(now);
    coreState.game.resetAlienClocks = 0;
    sectorState.firstCombatPass = true;
    return;
  }
  Sweep(now);
  sectorState.firstCombatPass = false;
}

void AlienMove(GameState& gameState, ScanCanvas& canvas, int i) {
  AlienRecord& alien = gameState.alienTable[static_cast<std::size_t>(i)];
  auto& cells = gameState.ShipQuadrantRecord().cells;
  std::vector<SectorPoint> free;
  for (int cx = alien.sectorX - 1; cx <= alien.sectorX + 1; ++cx)
    for (int cy = alien.sectorY - 1; cy <= alien.sectorY + 1; ++cy) {
      if (cx < 0 || cx > 7 || cy < 0 || cy > 7 || (cx == alien.sectorX && cy == alien.sectorY)) continue;
      // A cell that still carries an animation frame does not count as free.
      if (cells[cy][cx] == Cell::Empty) free.push_back({cx, cy});
    }
  if (free.empty()) return;
  const SectorPoint to = free[static_cast<std::size_t>(lcg::rand()) % free.size()];

  if (gameState.Working(ShipSystem::SRS)) {
    canvas.ScanFillBlack(SectorRect(alien.sectorX, alien.sectorY));
    canvas.ScanBlitPicture(SectorTopLeft(to.x, to.y), SectorPicture(alien.kind));
  }
  SectorCell& from = cells[alien.sectorY][alien.sectorX];
  from = static_cast<SectorCell>(from & 0xFF00);
  cells[to.y][to.x] = static_cast<SectorCell>((cells[to.y][to.x] & 0xFF00) | alien.kind);
  alien.sectorX = to.x;
  alien.sectorY = to.y;
}

void AlienAttack(int i) {
  const AlienRecord& alien = coreState.game.alienTable[static_cast<std::size_t>(i)];
  const int units = ShotStrength(alien.energy);
  const SectorPoint from{alien.sectorX, alien.sectorY};
  const SectorPoint ship{coreState.game.shipSectorX, coreState.game.shipSectorY};
  if (FirstStarOnLine(coreState.game.ShipQuadrantRecord(), from, ship)) return;

  DrawBeam(SectorCentre(from.x, from.y), SectorCentre(ship.x, ship.y), BeamDuration(units), true);
  PlayHitAnimation(ship.x, ship.y, false);
  PostShipMessage(Msg::ShipHit, units);
  ShieldsTake(units);
}
