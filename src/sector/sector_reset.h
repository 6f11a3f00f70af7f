#pragma once
// Program start for the rules of the ship's quadrant and everything below them: the game
// state and options (core), then no action running and no torpedo on the scan.

class Host;

void ResetSectorState(Host& host);
