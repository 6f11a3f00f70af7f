#pragma once
// The live station windows. Each station stores itself in its handle when it is created and
// clears it when it is destroyed, so a handle is null whenever no game runs.

#include "core/host.h"

class StationWindow;

extern StationWindow* srsWindow;
extern StationWindow* lrsWindow;
extern StationWindow* navigationWindow;
extern StationWindow* photonWindow;
extern StationWindow* phaserWindow;
extern StationWindow* shieldWindow;
extern StationWindow* damageWindow;
extern StationWindow* computerWindow;
extern StationWindow* statusWindow;
extern StationWindow* messagesWindow;
extern StationWindow* controlsWindow;

// The handle variable of station s.
StationWindow*& StationHandle(Station s);
