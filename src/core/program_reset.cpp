#include "core/program_reset.h"

#include "core/game_state.h"
#include "core/high_score_file.h"
#include "core/host.h"
#include "core/journal_recorder.h"
#include "core/options.h"
#include "core/random.h"
#include "core/settings_file.h"
#include "core/ship_messages.h"

void ResetProgramState(Host& h) {
  game = GameState{};
  options = ProgramOptions{};
  pausedFlag = 0;
  lcg::Seed(1);
  ClearMessageLines();
  highScorePath = HighScoreFileName;
  settingsLossTold = false;
  SetHost(&h);
  SetJournalRecording({});
}
