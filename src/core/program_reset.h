#pragma once
// Puts the game core back as it is when the program starts (a fresh CoreState), with `host`
// as the outward interface. Each layer above has its own reset that begins with this one
// (ResetSectorState, ResetStationState, ResetShellState); a test fixture calls its layer's.

class Host;

void ResetProgramState(Host& host);
