#include "condition_blink.h"

#include "game_state.h"
#include "host.h"
#include "options.h"

int blinkTickCount = 0;

namespace {
bool SwitchBlinkPhase() {
  switch (game.gamePhase) {
    case RedAlert: game.gamePhase = RedAlertAlt; return true;
    case RedAlertAlt: game.gamePhase = RedAlert; return true;
    case Yellow: game.gamePhase = YellowAlt; return true;
    case YellowAlt: game.gamePhase = Yellow; return true;
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
