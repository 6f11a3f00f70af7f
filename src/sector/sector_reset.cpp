#include "sector/sector_reset.h"

#include "core/program_reset.h"
#include "sector/sector_state.h"

void ResetSectorState(Host& host) {
  ResetProgramState(host);
  sectorState = SectorState{};
}
