#pragma once
// Program start for the stations and everything below them: the rules' records, then a fresh
// StationState (no station window, the sound channel with no output chosen, the Damage Report
// showing repair stardates, no shared picture loaded).

class Host;

void ResetStationState(Host& host);
