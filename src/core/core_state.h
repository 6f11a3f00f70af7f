#pragma once
// Everything of the game core that changes while the program runs, in one record. The
// program starts with a fresh record and ResetProgramState gives it a fresh one again, so
// nothing of one test or one run of the tools leaks into the next.

#include <array>
#include <cstdint>
#include <string>

#include "core/game_state.h"
#include "core/high_score_file.h"
#include "core/journal_recorder_state.h"
#include "core/options.h"
#include "core/settings_file.h"
#include "core/ship_messages.h"

class Host;

struct CoreState {
  GameState game;
  ProgramOptions options;
  // 1 while the game is paused: no clock steps, no alien passes, no blinking.
  int pausedFlag = 0;
  // The ship's log; line 0 is the oldest, line 29 the newest.
  std::array<std::array<char, MessageLineLength>, MessageLineCount> messageLines{};
  // Full path of the score file; the shell sets it at start-up to the program's data directory.
  std::string highScorePath = HighScoreFileName;
  // Full path of the settings file; the shell sets it at start-up with ChooseSettingsPath.
  std::string settingsPath = SettingsFileName;
  // Whether the player has been told, this run, that the settings cannot be kept.
  bool settingsLossTold = false;
  // Ticks of the condition light's blink timer so far (the phase switches on every second one).
  int blinkTickCount = 0;
  // The one random source's state (see lcg::rand).
  std::uint32_t randomState = 1;
  // The outward interface every rule acts through (see host()).
  Host* host = nullptr;
  // The journal of the mission being played, while missions are recorded.
  JournalRecorderState flightRecorder;
};

extern CoreState coreState;
