#include "core/condition_blink.h"

#include "core/core_state.h"
#include "core/game_state.h"
#include "core/host.h"
#include "core/options.h"

namespace {
bool SwitchBlinkPhase() {
  switch (coreState.game.gamePhase) {
    case GamePhase::RedAlert: coreState.game.gamePhase = GamePhase::RedAlertAlt; return true;
    case GamePhase::RedAlertAlt: coreState.game.gamePhase = GamePhase::RedAlert; return true;
    case GamePhase::Yellow: coreState.game.gamePhase = GamePhase::YellowAlt; return true;
    case GamePhase::YellowAlt: coreState.game.gamePhase = GamePhase::Yellow; return true;
    default: return false;
  }
}
}  // namespace

void StatusBlinkTick() {
  if (!coreState.game.Working(ShipSystem::StatusPanel) || coreState.pausedFlag) return;
  const bool switchNow = (coreState.blinkTickCount & 1) != 0;
  ++coreState.blinkTickCount;
  if (!switchNow || !SwitchBlinkPhase()) return;
  // Show the new light at once.
  host().InvalidateStation(Station::Status, false);
  host().UpdateStation(Station::Status);
}
