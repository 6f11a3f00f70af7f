#pragma once
// The player's options, as the rules read them (coreState.options). The shell reads and
// writes them with the settings file; the rules only look at them.

#include "core/game_state.h"

struct ProgramOptions {
  SkillLevel skillSetting = SkillLevel::Crewman;  // the Skill menu's level; a new game plays at it
  int autoSrs = 1;                                // Escape in a station brings the Short Range Scan forward
  int singleControlWindow = 1;                    // one control station visible at a time
  int pauseWhenIconic = 0;                        // minimising the frame pauses the game
  int soundsEnabled = 1;
  int recordMissions = 1;  // every mission is written to a journal (the flight recorder)
  int bridgeSize = 0;      // Options > Bridge Size: 0 automatic, else the factor it is drawn at
};
