#include "stations/station_reset.h"

#include "sector/sector_reset.h"
#include "stations/station_state.h"

void ResetStationState(Host& host) {
  ResetSectorState(host);
  stationState = StationState{};
}
