#pragma once
// Whether an action runs, from the flags the Short Range Scan, the movement and weapon rules,
// the aliens' turn and the console keep in sectorState.

// True while anything is happening that the game must not be changed under: a request being
// carried out, an alien's move or attack, or the console counting down to a ricochet.
bool ActionRunning();
