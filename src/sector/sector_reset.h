#pragma once
// Program start for the rules of the ship's quadrant and everything below them: the game
// state and options (core), then no action running, no torpedo on the scan, and the console
// neither busy nor counting unrecognised lines.

class Host;

void ResetSectorState(Host& host);
