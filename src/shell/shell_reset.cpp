#include "shell/shell_reset.h"

#include "shell/shell_state.h"
#include "stations/station_reset.h"

void ResetShellState(Host& host) {
  ResetStationState(host);
  shellState = ShellState{};
}
