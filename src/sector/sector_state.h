#pragma once
// Everything of the quadrant's rules that changes while the program runs, in one record; a
// fresh one is program start (ResetSectorState). Everything runs on one thread: these flags,
// not locks, keep an animation's waits (which let other windows run) from starting a second
// action.

struct SectorState {
  // Set while the scan carries out a request and around each alien move and attack; the
  // control stations ignore input and the scan drops requests meanwhile.
  bool actionInProgress = false;
  // Set while the scan's stars and starbases hold still: while a quadrant change shows its
  // starfield, and while the ship settles in the last sector of an impulse move.
  bool scanAnimationHeld = false;
  // Set while the warp starfield owns the scan: its paint then draws nothing.
  bool starfieldActive = false;
  // True for the one pass of the aliens after their clocks were reset, in which each alien may
  // move and fire at once by chance.
  bool firstCombatPass = false;
  // Set during the console's ricochet countdown: the console then ignores the keyboard.
  bool consoleBusy = false;
  // Unrecognised console lines since the help text was last shown; every eighth one gets the
  // help text instead of "huh?". Counts for the whole run of the program, across games.
  int unrecognisedLineCount = 0;
  // Set while a journal plays on the bridge: the journal then says when the idle passes run
  // and the scan twinkles, and the bridge's own clocks for them hold still.
  bool journalReplaying = false;
};

extern SectorState sectorState;
