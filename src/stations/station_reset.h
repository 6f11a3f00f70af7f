#pragma once
// Program start for the stations and everything below them: the rules' state, then the
// sound channel with no output chosen.

class Host;

void ResetStationState(Host& host);
