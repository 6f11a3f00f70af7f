#pragma once
// Flags shared by the Short Range Scan, the movement and weapon rules, the aliens' turn and
// the control stations. Everything runs on one thread; these flags, not locks, keep an
// animation's waits (which let other windows run) from starting a second action.

// Set while the scan carries out a request and around each alien move and attack; the
// control stations ignore input and the scan drops requests meanwhile.
extern bool actionInProgress;
// Set while the scan's stars and starbases hold still: while a quadrant change shows its
// starfield, and while the ship settles in the last sector of an impulse move.
extern bool scanAnimationHeld;
// Set while the warp starfield owns the scan: its paint then draws nothing.
extern bool starfieldActive;
// True for the one pass of the aliens after their clocks were reset, in which each alien may
// move and fire at once by chance.
extern bool firstCombatPass;

// True while anything is happening that the game must not be changed under: a request being
// carried out, an alien's move or attack, or the console counting down to a ricochet.
bool ActionRunning();

// Back to program start: no action running.
void ResetSectorAction();
