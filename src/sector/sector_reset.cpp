#include "sector_reset.h"

#include "action_state.h"
#include "program_reset.h"
#include "scan_requests.h"

void ResetSectorState(Host& host) {
  ResetProgramState(host);
  ResetSectorAction();
  InstallWeaponOperations(nullptr, nullptr);
}
