#include "station_reset.h"

#include "sector_reset.h"
#include "sound.h"

void ResetStationState(Host& host) {
  ResetSectorState(host);
  ResetSoundChannel();
}
