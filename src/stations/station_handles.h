#pragma once
// The live station windows' handles, kept in stationState.

#include "core/host.h"

class StationWindow;

// The handle variable of station s.
StationWindow*& StationHandle(Station s);
