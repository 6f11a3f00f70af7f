#include "station_reset.h"

#include "damage_report.h"
#include "sector_reset.h"
#include "sound.h"

void ResetStationState(Host& host) {
  ResetSectorState(host);
  ResetSoundChannel();
  repairShowRemaining = 0;
}
