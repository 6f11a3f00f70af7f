#include "core/conditions.h"

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
  if (!game.yellowBlinkActive) return;
  host().StopConditionBlink();
  game.yellowBlinkActive = 0;
}

void RepaintStatus() { host().InvalidateStation(Station::Status, false); }

GameOverReason MissionEnd() {
  if (game.shipEnergy <= 0) return GameOverReason::EnergyExhausted;
  if (game.stardateStart + game.missionLength <= game.stardateNow) return GameOverReason::TimeExpired;
  if (game.aliensRemaining == 0) return GameOverReason::AliensDestroyed;
  for (const double damage : game.damage)
    if (damage == 0.0) return GameOverReason::None;
  return GameOverReason::SystemsDisabled;
}

bool AliensInShipQuadrant() {
  for (const auto& row : game.ShipQuadrantRecord().cells)
    for (SectorCell cell : row)
      if (Cell::HoldsAlien(cell)) return true;
  return false;
}

// A starbase in one of the eight sectors around the ship; never across the quadrant's edge.
bool StarbaseAdjacent() {
  const auto& cells = game.ShipQuadrantRecord().cells;
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) {
      const int x = game.shipSectorX + dx;
      const int y = game.shipSectorY + dy;
      if ((dx == 0 && dy == 0) || x < 0 || x > 7 || y < 0 || y > 7) continue;
      if (Cell::HoldsStarbase(cells[y][x])) return true;
    }
  return false;
}

GamePhase SoundRedAlert() {
  game.resetAlienClocks = 1;
  PostShipMessage(Msg::SoundingRedAlert);
  EnableGameCommands(false);
  host().PlaySoundNow(Sounds::RedAlert, false);
  if (!game.yellowBlinkActive) StartBlink();
  RepaintStatus();
  return game.gamePhase = GamePhase::RedAlert;
}

GamePhase Dock() {
  StopBlink();
  game.messagesToComputer = 0;
  game.shipEnergy = FullEnergy;
  game.shieldEnergy = 0;
  game.torpedoCount = FullTorpedoes;
  for (double& damage : game.damage)
    if (damage != 0.0) damage = DockingRepairDamage;
  game.repairDate.fill(game.stardateNow);
  EnableGameCommands(true);
  PostShipMessage(Msg::Docked);
  RepaintStatus();
  ApplyRepairs();
  ChartNeighbourhood(game.shipQuadrant);
  host().StandDown();
  return game.gamePhase = GamePhase::Docked;
}

GamePhase WarnYellow() {
  host().StandDown();
  EnableGameCommands(true);
  PostShipMessage(Msg::ConditionYellow);
  if (!game.yellowBlinkActive) {
    game.yellowBlinkActive = 1;
    StartBlink();
  }
  RepaintStatus();
  return game.gamePhase = GamePhase::Yellow;
}

GamePhase GoGreen() {
  host().StandDown();
  EnableGameCommands(true);
  StopBlink();
  PostShipMessage(Msg::ConditionGreen);
  RepaintStatus();
  return game.gamePhase = GamePhase::Green;
}
}  // namespace

GamePhase EvaluateConditions() {
  ApplyRepairs();

  if (const GameOverReason reason = MissionEnd(); reason != GameOverReason::None) {
    StopBlink();
    game.gameOverReason = reason;
    return game.gamePhase = GamePhase::GameOver;
  }
  if (AliensInShipQuadrant()) return game.InRedAlert() ? game.gamePhase : SoundRedAlert();
  if (StarbaseAdjacent()) return game.gamePhase == GamePhase::Docked ? game.gamePhase : Dock();
  if (game.shipEnergy <= LowEnergyThreshold) return game.InYellow() ? game.gamePhase : WarnYellow();
  return game.gamePhase == GamePhase::Green ? game.gamePhase : GoGreen();
}

bool MissionOver() { return game.gamePhase == GamePhase::GameOver; }
