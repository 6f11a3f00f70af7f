#include "sector/sector_state.h"

SectorState sectorState;
