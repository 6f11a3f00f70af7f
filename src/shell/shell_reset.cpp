#include "shell_reset.h"

#include "main_loop.h"
#include "station_reset.h"

void ResetShellState(Host& host) {
  ResetStationState(host);
  ResetMainLoop();
}
