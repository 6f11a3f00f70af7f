#include "stations/station_state.h"

StationState stationState;
