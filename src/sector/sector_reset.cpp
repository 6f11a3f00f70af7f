#include "sector/sector_reset.h"

#include "core/program_reset.h"
#include "sector/action_state.h"
#include "sector/console_keyboard.h"

void ResetSectorState(Host& host) {
  ResetProgramState(host);
  ResetSectorAction();
  ResetConsole();
}
