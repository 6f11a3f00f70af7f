#include "sector/command_turns.h"

#include "core/conditions.h"
#include "core/core_state.h"
#include "core/game_state.h"
#include "core/host.h"
#include "sector/action_state.h"

namespace {
namespace M = MenuCommand;

bool ChangesTheGame(int command) {
  return command == M::New || command == M::Open || command == M::ReplayMission || command == M::Save ||
         command == M::SaveAs || command == M::EndGame;
}
}  // namespace

bool CommandAllowed(int command) {
  const bool gameRuns = coreState.game.gamePhase != GamePhase::NoGame;
  switch (command) {
    case M::Save:
    case M::SaveAs: return gameRuns && !coreState.game.InRedAlert();
    case M::EndGame: return gameRuns;
    case M::Pause: return !coreState.game.InRedAlert();
    default: return true;
  }
}

CommandTurn TurnOfCommand(int command) {
  if (!CommandAllowed(command)) return CommandTurn::Drop;
  const bool changesTheGame = ChangesTheGame(command);
  if (changesTheGame && MissionOver()) return CommandTurn::Drop;
  if (changesTheGame && ActionRunning()) return CommandTurn::Hold;
  // Exit waits for the action to finish, and for the end of a finished mission to be shown.
  if (command == M::Exit && (ActionRunning() || MissionOver())) return CommandTurn::Hold;
  return CommandTurn::Now;
}
