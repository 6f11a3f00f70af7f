#include "core/conditions.h"

#include "core/core_state.h"
#include "core/host.h"
#include "core/long_range_chart.h"
#include "core/ship_damage.h"
#include "core/ship_messages.h"

namespace {
constexpr double DockingRepairDamage = 0.1;

// Saving and pausing are not allowed under fire.
void EnableGameCommands(bool enabled) {
  host().EnableMenuItem(MenuCommand::Pause, enabled);
  host().EnableMenuItem(MenuCommand::Save, enabled);
  host().EnableMenuItem(MenuCommand::SaveAs, enabled);
}

void StartBlink() { host().StartConditionBlink(); }

// Only a blink that condition yellow started is stopped; one left over from a red alert
// runs on harmlessly.
void StopBlink() {
  if (!coreState.game.yellowBlinkActive) return;
  host().StopConditionBlink();
  coreState.game.yellowBlinkActive = 0;
}

void RepaintStatus() { host().InvalidateStation(Station::Status, false); }

GameOverReason MissionEnd() {
  if (coreState.game.shipEnergy <= 0) return GameOverReason::EnergyExhausted;
  if (coreState.game.stardateStart + coreState.game.missionLength <= coreState.game.stardateNow)
    return GameOverReason::TimeExpired;
  if (coreState.game.aliensRemaining == 0) return GameOverReason::AliensDestroyed;
  for (const double damage : coreState.game.damage)
    if (damage == 0.0) return GameOverReason::None;
  return GameOverReason::SystemsDisabled;
}

bool AliensInShipQuadrant() {
  for (const auto& row : coreState.game.ShipQuadrantRecord().cells)
    for (SectorCell cell : row)
      if (Cell::HoldsAlien(cell)) return true;
  return false;
}

// A starbase in one of the eight sectors around the ship; never across the quadrant's edge.
bool StarbaseAdjacent() {
  const auto& cells = coreState.game.ShipQuadrantRecord().cells;
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) {
      const int x = coreState.game.shipSectorX + dx;
      const int y = coreState.game.shipSectorY + dy;
      if ((dx == 0 && dy == 0) || x < 0 || x > 7 || y < 0 || y > 7) continue;
      if (Cell::HoldsStarbase(cells[y][x])) return true;
    }
  return false;
}

GamePhase SoundRedAlert() {
  coreState.game.resetAlienClocks = 1;
  PostShipMessage(Msg::SoundingRedAlert);
  EnableGameCommands(false);
  host().PlaySoundNow(Sounds::RedAlert, false);
  if (!coreState.game.yellowBlinkActive) StartBlink();
  RepaintStatus();
  return coreState.game.gamePhase = GamePhase::RedAlert;
}

GamePhase Dock() {
  StopBlink();
  coreState.game.messagesToComputer = 0;
  coreState.game.shipEnergy = FullEnergy;
  coreState.game.shieldEnergy = 0;
  coreState.game.torpedoCount = FullTorpedoes;
  for (double& damage : coreState.game.damage)
    if (damage != 0.0) damage = DockingRepairDamage;
  coreState.game.repairDate.fill(coreState.game.stardateNow);
  EnableGameCommands(true);
  PostShipMessage(Msg::Docked);
  RepaintStatus();
  ApplyRepairs();
  ChartNeighbourhood(coreState.game.shipQuadrant);
  host().StandDown();
  return coreState.game.gamePhase = GamePhase::Docked;
}

GamePhase WarnYellow() {
  host().StandDown();
  EnableGameCommands(true);
  PostShipMessage(Msg::ConditionYellow);
  if (!coreState.game.yellowBlinkActive) {
    coreState.game.yellowBlinkActive = 1;
    StartBlink();
  }
  RepaintStatus();
  return coreState.game.gamePhase = GamePhase::Yellow;
}

GamePhase GoGreen() {
  host().StandDown();
  EnableGameCommands(true);
  StopBlink();
  PostShipMessage(Msg::ConditionGreen);
  RepaintStatus();
  return coreState.game.gamePhase = GamePhase::Green;
}
}  // namespace

GamePhase EvaluateConditions() {
  ApplyRepairs();

  if (const GameOverReason reason = MissionEnd(); reason != GameOverReason::None) {
    StopBlink();
    coreState.game.gameOverReason = reason;
    return coreState.game.gamePhase = GamePhase::GameOver;
  }
  if (AliensInShipQuadrant()) return coreState.game.InRedAlert() ? coreState.game.gamePhase : SoundRedAlert();
  if (StarbaseAdjacent()) return coreState.game.gamePhase == GamePhase::Docked ? coreState.game.gamePhase : Dock();
  if (coreState.game.shipEnergy <= LowEnergyThreshold)
    return coreState.game.InYellow() ? coreState.game.gamePhase : WarnYellow();
  return coreState.game.gamePhase == GamePhase::Green ? coreState.game.gamePhase : GoGreen();
}

bool MissionOver() { return coreState.game.gamePhase == GamePhase::GameOver; }
