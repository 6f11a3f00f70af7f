#include "action_state.h"

bool actionInProgress = false;
bool walkStopped = false;
bool starfieldActive = false;
int stepsLeft = 0;

bool ActionRunning() { return actionInProgress; }

void ResetSectorAction() {
  actionInProgress = false;
  walkStopped = false;
  starfieldActive = false;
  stepsLeft = 0;
}
