#pragma once
// Program start for the rules of the ship's quadrant and everything below them: the core's
// record, then a fresh SectorState (no action running, the console neither busy nor counting
// unrecognised lines).

class Host;

void ResetSectorState(Host& host);
