#include "sector/phasers.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "core/conditions.h"
#include "core/core_state.h"
#include "core/game_state.h"
#include "core/journal_recorder.h"
#include "core/random.h"
#include "core/ship_messages.h"
#include "sector/alien_hits.h"
#include "sector/line_of_fire.h"
#include "sector/scan_effects.h"
#include "sector/scan_geometry.h"
#include "sector/scan_requests.h"

namespace {
// The indexes of the live aliens in the ship's quadrant, in the order of their sectors row by
// row from the top.
std::vector<int> PhaserTargets() {
  std::vector<int> targets;
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      if (const int index = coreState.game.FindAlienAt(coreState.game.shipQuadrant, x, y); index >= 0)
        targets.push_back(index);
  return targets;
}

// Units of a beam of `energy` that reach sector (x, y): 5 to 9 are lost per two sectors of
// distance from the ship (one draw), never below 0.
int PhaserUnitsArriving(int energy, int x, int y) {
  const int distance = std::abs(coreState.game.shipSectorX - x) + std::abs(coreState.game.shipSectorY - y);
  const int loss = (distance / 2) * (5 + lcg::rand() % 5);
  return std::max(0, energy - loss);
}

// One share of the shot at alien `index`.
void FireAt(int index, int share) {
  const AlienRecord& alien = coreState.game.alienTable[static_cast<std::size_t>(index)];
  const SectorPoint ship{coreState.game.shipSectorX, coreState.game.shipSectorY};
  const std::optional<SectorPoint> star =
      FirstStarOnLine(coreState.game.ShipQuadrantRecord(), ship, {alien.sectorX, alien.sectorY});
  const SectorPoint end = star.value_or(SectorPoint{alien.sectorX, alien.sectorY});

  const int units = PhaserUnitsArriving(share, end.x, end.y);
  DrawBeam(SectorCentre(ship.x, ship.y), SectorCentre(end.x, end.y), BeamDuration(units), false);
  if (star)
    PostShipMessage(Msg::StarConsumesPhasers, end.x + 1, end.y + 1, units);
  else
    HitAlien(index, end.x, end.y, units, Msg::PhaserHit);
}

// The beam goes off the edge of the scan the ship faces, at a random height. The height is
// drawn from the scan's fixed client height, whether the window is shown or not.
void FireIntoSpace(int energy) {
  const int y = GridTop + lcg::rand() % ScanClientHeight;
  const bool facingLeft =
      Cell::Object(coreState.game.ShipQuadrantRecord().cells[coreState.game.shipSectorY][coreState.game.shipSectorX]) ==
      Cell::ShipLeft;
  const int x = facingLeft ? GridLeft : ScanClientWidth + 1;
  DrawBeam(SectorCentre(coreState.game.shipSectorX, coreState.game.shipSectorY), {x, y}, BeamDuration(energy), false);
  PostShipMessage(Msg::NoTargetHit);
}
}  // namespace

bool PhaserChargeAffordable(const GameState& gameState, int charge) {
  return charge == 0 || (charge > 0 && gameState.shipEnergy - charge >= LeastEnergyAfterCharge);
}

PhaserPanelAmounts PhaserPanelFromShip(const GameState& gameState, int charge) {
  const int available = gameState.shipEnergy - charge;
  if (available < LeastEnergyToCharge) return {gameState.shipEnergy, 0};
  return {available, charge};
}

PhaserShot ExecutePhasers(GameState& gameState, GameSounds& sounds, Bridge& bridge, int charge, bool singleTarget,
                          const ScanRequestSender& send, const std::function<void(const PhaserShot&)>& paid) {
  // The request it sends is a record of its own.
  const JournalEvent journaled(
      MakeJournalRecord(JournalKind::PhaserCharge, {JournalFigure(charge), singleTarget ? 1u : 0u}), true);
  PhaserShot shot;
  if (gameState.Working(ShipSystem::Phaser)) {
    shot.sent = true;
    shot.charge = PhaserChargeAffordable(gameState, charge) ? charge : 0;
    gameState.shipEnergy -= shot.charge;
  }
  if (paid) paid(shot);
  if (!shot.sent) return shot;
  sounds.PlaySoundNow(Sounds::Acknowledge, false);
  send([energy = shot.charge, singleTarget] { RequestPhasers(energy, singleTarget); });
  bridge.InvalidateStation(Station::Status, false);
  return shot;
}

void FirePhasers(int energy, bool singleTarget) {
  if (coreState.game.ShipQuadrantRecord().alienCount == 1) singleTarget = true;
  PostShipMessage(Msg::FiringPhasers);
  std::vector<int> targets = PhaserTargets();

  if (targets.empty()) {
    FireIntoSpace(energy);
  } else {
    if (singleTarget) targets.resize(1);
    const int share = energy / static_cast<int>(targets.size());  // the remainder is lost
    for (int index : targets) FireAt(index, share);
  }

  host().InvalidateStation(Station::Status, false);
  EvaluateConditions();
}
