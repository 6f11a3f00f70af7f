// When the frame's commands are carried out, held or dropped, by the game's phase and by
// whether an action runs.

#include "sector/command_turns.h"

#include "core/core_state.h"
#include "sector/sector_state.h"
#include "tests/sector/sector_fixture.h"

namespace {
namespace M = MenuCommand;
using Turn = CommandTurn;

class CommandTurns : public SectorTest {};

struct TurnRow {
  GamePhase phase;
  bool actionRuns;
  Turn newGame, save, endGame, exit, pause, cascade;
};

TEST_F(CommandTurns, FollowThePhaseAndTheRunningAction) {
  constexpr Turn Now = Turn::Now, Hold = Turn::Hold, Drop = Turn::Drop;
  for (const TurnRow& row : {
           // phase, action running: New, Save, End Game, Exit, Pause, Cascade
           TurnRow{GamePhase::NoGame, false, Now, Drop, Drop, Now, Now, Now},
           TurnRow{GamePhase::Green, false, Now, Now, Now, Now, Now, Now},
           TurnRow{GamePhase::Green, true, Hold, Hold, Hold, Hold, Now, Now},
           TurnRow{GamePhase::Docked, true, Hold, Hold, Hold, Hold, Now, Now},
           TurnRow{GamePhase::YellowAlt, false, Now, Now, Now, Now, Now, Now},
           TurnRow{GamePhase::RedAlert, false, Now, Drop, Now, Now, Drop, Now},
           TurnRow{GamePhase::RedAlertAlt, true, Hold, Drop, Hold, Hold, Drop, Now},
           TurnRow{GamePhase::GameOver, false, Drop, Drop, Drop, Hold, Now, Now},
           TurnRow{GamePhase::GameOver, true, Drop, Drop, Drop, Hold, Now, Now},
       }) {
    coreState.game.gamePhase = row.phase;
    sectorState.actionInProgress = row.actionRuns;
    SCOPED_TRACE(testing::Message() << "phase " << static_cast<int>(row.phase) << (row.actionRuns ? ", acting" : ""));
    EXPECT_EQ(TurnOfCommand(M::New), row.newGame);
    EXPECT_EQ(TurnOfCommand(M::Open), row.newGame) << "Open goes as New";
    EXPECT_EQ(TurnOfCommand(M::Save), row.save);
    EXPECT_EQ(TurnOfCommand(M::SaveAs), row.save) << "Save As goes as Save";
    EXPECT_EQ(TurnOfCommand(M::EndGame), row.endGame);
    EXPECT_EQ(TurnOfCommand(M::Exit), row.exit);
    EXPECT_EQ(TurnOfCommand(M::Pause), row.pause);
    EXPECT_EQ(TurnOfCommand(M::Cascade), row.cascade) << "the windows' commands never wait";
  }
}
}  // namespace
