#include "sector_reset.h"

#include "action_state.h"
#include "console_keyboard.h"
#include "program_reset.h"

void ResetSectorState(Host& host) {
  ResetProgramState(host);
  ResetSectorAction();
  ResetConsole();
}
