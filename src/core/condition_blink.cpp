#include "core/condition_blink.h"

#include "core/game_state.h"
#include "core/host.h"
#include "core/options.h"

int blinkTickCount = 0;

namespace {
bool SwitchBlinkPhase() {
  switch (game.gamePhase) {
    case GamePhase::RedAlert: game.gamePhase = GamePhase::RedAlertAlt; return true;
    case GamePhase::RedAlertAlt: game.gamePhase = GamePhase::RedAlert; return true;
    case GamePhase::Yellow: game.gamePhase = GamePhase::YellowAlt; return true;
    case GamePhase::YellowAlt: game.gamePhase = GamePhase::Yellow; return true;
    default: return false;
  }
}
}  // namespace

void StatusBlinkTick() {
  if (!game.Working(ShipSystem::StatusPanel) || pausedFlag) return;
  const bool switchNow = (blinkTickCount & 1) != 0;
  ++blinkTickCount;
  if (!switchNow || !SwitchBlinkPhase()) return;
  // Show the new light at once.
  host().InvalidateStation(Station::Status, false);
  host().UpdateStation(Station::Status);
}
