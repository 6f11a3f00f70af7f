#include "game_commands.h"

#include "end_game.h"
#include "game_files.h"
#include "game_state.h"
#include "host.h"
#include "new_game.h"

void NewGameCommand() {
  if (PromptSaveGame() == Answer::Cancel) return;
  host().SetBusy(true);
  NewGame();
  ++game.changeCount;
  host().SetBusy(false);
}

void EndGameCommand() {
  if (PromptSaveGame() == Answer::Cancel) return;
  host().SetBusy(true);
  ForgetGameFileName();
  EndGame();
  host().SetBusy(false);
}

void ForgetGameFileName() { game.gameFileTitle.clear(); }
