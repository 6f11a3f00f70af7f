#include "sector_reset.h"

#include "action_state.h"
#include "console_keyboard.h"
#include "program_reset.h"
#include "scan_requests.h"

void ResetSectorState(Host& host) {
  ResetProgramState(host);
  ResetSectorAction();
  ResetConsole();
  InstallWeaponOperations(nullptr, nullptr);
}
