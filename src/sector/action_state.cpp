#include "sector/action_state.h"

#include "sector/sector_state.h"

bool ActionRunning() { return sectorState.actionInProgress || sectorState.consoleBusy; }
