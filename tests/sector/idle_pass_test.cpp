// The game's heartbeat on a virtual clock: when the clock steps, when it must not, and how
// the loop paces the aliens during red alert.

#include "sector/idle_pass.h"

#include <gtest/gtest.h>

#include "core/core_state.h"
#include "core/game_state.h"
#include "core/options.h"
#include "core/random.h"
#include "headless/headless_host.h"
#include "sector/action_state.h"
#include "sector/alien_turns.h"
#include "sector/sector_reset.h"
#include "sector/sector_state.h"
#include "tests/support/quadrant_picture.h"

namespace {
int ambiencePasses = 0;
int gameOverRuns = 0;

void CountAmbience() { ++ambiencePasses; }
void EndTheGame() {
  ++gameOverRuns;
  coreState.game.gamePhase = GamePhase::NoGame;
}

constexpr IdleDuties Duties{CountAmbience, EndTheGame};

class IdlePassTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSectorState(recorder);
    ambiencePasses = gameOverRuns = 0;
  }

  // A quiet game in green with the ship at (3,4) of quadrant 27 and the next clock step due
  // 45 s after the program's start.
  void StartGreenGame() {
    StartQuietSectorGame(27);
    coreState.game.nextClockTick = 45000;
  }

  void AddAlien(int quadrant, int x, int y, int moveInterval, int attackInterval) {
    coreState.game.alienTable.push_back(
        {quadrant, x, y, static_cast<std::uint8_t>(AlienKind::Klingon), {}, 200, moveInterval, attackInterval, 0, 0});
    QuadrantRecord& record = coreState.game.galaxy[static_cast<std::size_t>(quadrant)];
    record.cells[y][x] = static_cast<SectorCell>(AlienKind::Klingon);
    ++record.alienCount;
    ++coreState.game.alienTotal;
    ++coreState.game.aliensRemaining;
  }

  HeadlessHost recorder;
};

TEST_F(IdlePassTest, WithNoGameTheLoopSleepsAndTheClockStandsStill) {
  for (std::uint32_t t = 0; t < 500000; t += 10000) {
    EXPECT_EQ(RunIdlePass(Duties, t).kind, NextIdlePass::AfterNextMessage);
  }
  EXPECT_EQ(coreState.game.changeCount, 0);
  EXPECT_EQ(coreState.game.stardateNow, 0.0);
  EXPECT_EQ(ambiencePasses, 50) << "the ambience is kept on every idle pass";
}

TEST_F(IdlePassTest, TheClockStepsOncePer45SecondsOfMessageTime) {
  StartGreenGame();
  std::vector<std::uint32_t> stepTimes;
  // Messages every 200 ms, as the scan's animation timer sends them, for ten minutes.
  for (std::uint32_t t = 0; t <= 600000; t += 200) {
    const int before = coreState.game.changeCount;
    NextIdlePass next = RunIdlePass(Duties, t);
    if (coreState.game.changeCount != before) {
      stepTimes.push_back(t);
      EXPECT_EQ(next.kind, NextIdlePass::Immediately);
      next = RunIdlePass(Duties, t);  // the pass right after a step waits for the next one
    }
    ASSERT_EQ(next.kind, NextIdlePass::AtTick);
    EXPECT_EQ(next.tick, coreState.game.nextClockTick + 1) << "the loop wakes just past the due tick";
  }
  const std::vector<std::uint32_t> expected = {45200,  90400,  135600, 180800, 226000, 271200, 316400,
                                               361600, 406800, 452000, 497200, 542400, 587600};
  EXPECT_EQ(stepTimes, expected) << "a step comes on the first message past the due time";
  double stardate = 2000.0;
  for (int step = 0; step < 13; ++step) stardate += 0.1;
  EXPECT_EQ(coreState.game.stardateNow, stardate) << "each step adds exactly 0.1";
  EXPECT_EQ(coreState.game.shipEnergy, 3000 - 13);
  EXPECT_EQ(coreState.game.changeCount, 13);
  EXPECT_EQ(recorder.CallsNamed("InvalidateStation").size(), 13u) << "the Status panel shows every step";
}

TEST_F(IdlePassTest, AMessageExactlyAtTheDueTickDoesNotStepTheClock) {
  StartGreenGame();
  RunIdlePass(Duties, 45000);
  EXPECT_EQ(coreState.game.changeCount, 0);
  RunIdlePass(Duties, 45001);
  EXPECT_EQ(coreState.game.changeCount, 1);
  EXPECT_EQ(coreState.game.nextClockTick, 45001u + 45000u);
}

TEST_F(IdlePassTest, APauseHoldsTheClockAndMissedStepsDoNotPileUp) {
  StartGreenGame();
  coreState.pausedFlag = 1;
  for (std::uint32_t t = 0; t < 600000; t += 1000)
    EXPECT_EQ(RunIdlePass(Duties, t).kind, NextIdlePass::AfterNextMessage);
  EXPECT_EQ(coreState.game.changeCount, 0) << "nothing moves while paused";

  coreState.pausedFlag = 0;
  RunIdlePass(Duties, 600000);
  RunIdlePass(Duties, 600200);
  RunIdlePass(Duties, 601000);
  EXPECT_EQ(coreState.game.changeCount, 1) << "ten minutes of pause give one step, not thirteen";
  EXPECT_DOUBLE_EQ(coreState.game.stardateNow, 2000.1);
  EXPECT_EQ(coreState.game.nextClockTick, 645000u);
}

TEST_F(IdlePassTest, RedAlertRunsTheAliensInsteadOfTheClockAndSleepsUntilOneIsDue) {
  StartGreenGame();
  AddAlien(27, 6, 6, 20000, 30000);
  coreState.game.shieldEnergy = 1000;
  coreState.game.gamePhase = GamePhase::RedAlert;
  coreState.game.resetAlienClocks = 1;
  recorder.now = 100000;

  // The first pass stamps the aliens' clocks; the chance pass follows at once.
  EXPECT_EQ(RunIdlePass(Duties, 100000).kind, NextIdlePass::Immediately);
  EXPECT_EQ(coreState.game.alienTable[1].lastMoveTick, 100000u);
  EXPECT_TRUE(sectorState.firstCombatPass);
  lcg::Seed(1);  // its two draws (41 and 67 of 100) keep the Klingon where it is
  NextIdlePass next = RunIdlePass(Duties, 100000);
  EXPECT_FALSE(sectorState.firstCombatPass);
  // Then the loop sleeps until the first alien action is due: the move, just past 20 s on.
  EXPECT_EQ(next.kind, NextIdlePass::AtTick);
  EXPECT_EQ(next.tick, 100000u + 20000u + 1u);

  recorder.now = next.tick;
  coreState.game.gamePhase = GamePhase::RedAlertAlt;  // the blink's other phase is still red alert
  next = RunIdlePass(Duties, 500000);
  EXPECT_EQ(coreState.game.alienTable[1].lastMoveTick, 120001u) << "the Klingon moved";
  EXPECT_EQ(next.tick, 100000u + 30000u + 1u) << "then its shot is the next thing due";
  EXPECT_EQ(coreState.game.changeCount, 0);
  EXPECT_DOUBLE_EQ(coreState.game.stardateNow, 2000.0) << "the clock does not run under fire";
  EXPECT_EQ(coreState.game.shipEnergy, 3000);
}

TEST_F(IdlePassTest, APassDueInThePastIsMadeAtTheNextMillisecond) {
  EXPECT_EQ(NextPassTick({NextIdlePass::AtTick, 5000}, 4000), 5000u);
  EXPECT_EQ(NextPassTick({NextIdlePass::AtTick, 4001}, 4000), 4001u);
  EXPECT_EQ(NextPassTick({NextIdlePass::AtTick, 4000}, 4000), 4001u);
  EXPECT_EQ(NextPassTick({NextIdlePass::AtTick, 10}, 4000), 4001u);
  EXPECT_EQ(NextPassTick({NextIdlePass::AtTick, 5}, 0xFFFFFFF0u), 5u) << "across the tick count's wrap";
}

TEST_F(IdlePassTest, AClockStepThatDrainsTheLastEnergyEndsTheGameOnTheNextPass) {
  StartGreenGame();
  coreState.game.shipEnergy = 1;
  RunIdlePass(Duties, 50000);
  EXPECT_EQ(coreState.game.gamePhase, GamePhase::GameOver);
  EXPECT_EQ(coreState.game.gameOverReason, GameOverReason::EnergyExhausted);
  EXPECT_EQ(gameOverRuns, 0);
  EXPECT_EQ(RunIdlePass(Duties, 50000).kind, NextIdlePass::Immediately);
  EXPECT_EQ(gameOverRuns, 1);
  EXPECT_EQ(RunIdlePass(Duties, 50000).kind, NextIdlePass::AfterNextMessage);
}

}  // namespace
