#include "program_reset.h"

#include "game_state.h"
#include "high_score_file.h"
#include "host.h"
#include "options.h"
#include "random.h"
#include "settings_file.h"
#include "ship_messages.h"

void ResetProgramState(Host& h) {
  game = GameState{};
  options = ProgramOptions{};
  pausedFlag = 0;
  lcg::Seed(1);
  ClearMessageLines();
  highScorePath = HighScoreFileName;
  settingsLossTold = false;
  SetHost(&h);
}
