#include "sector_reset.h"

#include "action_state.h"
#include "program_reset.h"
#include "torpedoes.h"

void ResetSectorState(Host& host) {
  ResetProgramState(host);
  ResetSectorAction();
  torpedoLastSector = NoTorpedoSector;
}
