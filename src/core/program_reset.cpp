#include "core/program_reset.h"

#include "core/core_state.h"
#include "core/host.h"

void ResetProgramState(Host& h) {
  coreState = CoreState{};
  SetHost(&h);
}
