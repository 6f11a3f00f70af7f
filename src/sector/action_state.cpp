#include "action_state.h"

#include "console_keyboard.h"

bool actionInProgress = false;
bool walkStopped = false;
bool starfieldActive = false;
bool firstCombatPass = false;
int stepsLeft = 0;

bool ActionRunning() { return actionInProgress || consoleBusy; }

void ResetSectorAction() {
  actionInProgress = false;
  walkStopped = false;
  starfieldActive = false;
  firstCombatPass = false;
  stepsLeft = 0;
}
