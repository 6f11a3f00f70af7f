#include "stations/station_reset.h"

#include "sector/sector_reset.h"
#include "stations/damage_report.h"
#include "stations/sound.h"

void ResetStationState(Host& host) {
  ResetSectorState(host);
  ResetSoundChannel();
  repairShowRemaining = 0;
}
