#include "shell/shell_reset.h"

#include "shell/main_loop.h"
#include "stations/station_reset.h"

void ResetShellState(Host& host) {
  ResetStationState(host);
  ResetMainLoop();
}
