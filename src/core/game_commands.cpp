#include "core/game_commands.h"

#include "core/core_state.h"
#include "core/end_game.h"
#include "core/game_files.h"
#include "core/game_state.h"
#include "core/host.h"
#include "core/new_game.h"

void NewGameCommand() {
  if (PromptSaveGame() == Answer::Cancel) return;
  host().SetBusy(true);
  NewGame();
  ++coreState.game.changeCount;
  host().SetBusy(false);
}

void EndGameCommand() {
  if (PromptSaveGame() == Answer::Cancel) return;
  host().SetBusy(true);
  ForgetGameFileName();
  EndGame();
  host().SetBusy(false);
}

void ForgetGameFileName() { coreState.game.gameFileTitle.clear(); }
