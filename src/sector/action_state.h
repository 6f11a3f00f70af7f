#pragma once
// Flags shared by the Short Range Scan, the movement and weapon rules, the aliens' turn and
// the control stations. Everything runs on one thread; these flags, not locks, keep an
// animation's waits (which let other windows run) from starting a second action.

// Set while the scan carries out a request and around each alien move and attack; the
// control stations ignore input and the scan drops requests meanwhile.
extern bool actionInProgress;
// Set when the current line walk must ignore its remaining points; also held while a
// quadrant change shows its starfield, which pauses the scan's animation.
extern bool walkStopped;
// Set while the warp starfield owns the scan: its paint then draws nothing.
extern bool starfieldActive;
// How many more steps the current walk may take (sectors, quadrants or torpedo distance).
extern int stepsLeft;

// True while anything is happening in the ship's quadrant that the game must not be changed
// under: a request being carried out or an alien's move or attack.
bool ActionRunning();

// Back to program start: no action running.
void ResetSectorAction();
