#include "sector/action_state.h"

#include "sector/console_keyboard.h"

bool actionInProgress = false;
bool scanAnimationHeld = false;
bool starfieldActive = false;
bool firstCombatPass = false;

bool ActionRunning() { return actionInProgress || consoleBusy; }

void ResetSectorAction() {
  actionInProgress = false;
  scanAnimationHeld = false;
  starfieldActive = false;
  firstCombatPass = false;
}
