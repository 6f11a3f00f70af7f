// The Shields station's EXECUTE as the rules carry it out.

#include "core/conditions.h"
#include "core/core_state.h"
#include "core/shield_transfer.h"
#include "tests/support/core_fixture.h"

namespace {
using ShieldTransferTest = CoreTest;

TEST_F(ShieldTransferTest, WritesTheDivisionAcknowledgesAndCountsAChange) {
  StartQuietGame();
  coreState.game.changeCount = 4;
  CommitShieldTransfer(2200, 800);
  EXPECT_EQ(coreState.game.shipEnergy, 2200);
  EXPECT_EQ(coreState.game.shieldEnergy, 800);
  EXPECT_EQ(coreState.game.changeCount, 5);
  EXPECT_EQ(recorder.CallsNamed("PlaySoundNow"), std::vector<std::string>{"3 once"});
  EXPECT_EQ(coreState.game.gamePhase, GamePhase::Green);
}

TEST_F(ShieldTransferTest, LeavingTheShip300OrLessTurnsTheConditionYellow) {
  StartQuietGame();
  CommitShieldTransfer(300, 2700);
  EXPECT_EQ(coreState.game.gamePhase, GamePhase::Yellow);
  CommitShieldTransfer(301, 2699);
  EXPECT_EQ(coreState.game.gamePhase, GamePhase::Green);
}
}  // namespace
