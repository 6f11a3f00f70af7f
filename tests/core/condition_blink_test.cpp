// The condition light's blink on the Status panel's timer.

#include "core/condition_blink.h"

#include <gtest/gtest.h>

#include "core/core_state.h"
#include "core/game_state.h"
#include "core/options.h"
#include "core/program_reset.h"
#include "headless/headless_host.h"

namespace {
TEST(ConditionBlink, SwitchesRedAndYellowEverySecondTickUnlessPausedOrBroken) {
  HeadlessHost recorder;
  struct Case {
    GamePhase start;
    GamePhase afterTwoTicks;
  };
  for (const Case& c :
       {Case{GamePhase::RedAlert, GamePhase::RedAlertAlt}, Case{GamePhase::RedAlertAlt, GamePhase::RedAlert},
        Case{GamePhase::Yellow, GamePhase::YellowAlt}, Case{GamePhase::YellowAlt, GamePhase::Yellow},
        Case{GamePhase::Green, GamePhase::Green}, Case{GamePhase::Docked, GamePhase::Docked}}) {
    ResetProgramState(recorder);
    coreState.game.gamePhase = c.start;
    StatusBlinkTick();
    EXPECT_EQ(coreState.game.gamePhase, c.start) << "the first tick of a pair only counts";
    StatusBlinkTick();
    EXPECT_EQ(coreState.game.gamePhase, c.afterTwoTicks) << "phase " << static_cast<int>(c.start);
  }

  coreState.game.gamePhase = GamePhase::RedAlert;
  coreState.pausedFlag = 1;
  for (int i = 0; i < 4; ++i) StatusBlinkTick();
  EXPECT_EQ(coreState.game.gamePhase, GamePhase::RedAlert) << "no blinking while paused";
  coreState.pausedFlag = 0;
  coreState.game.Damage(ShipSystem::StatusPanel) = 1.5;
  for (int i = 0; i < 4; ++i) StatusBlinkTick();
  EXPECT_EQ(coreState.game.gamePhase, GamePhase::RedAlert) << "a broken status panel leaves the phase where it was";
}

TEST(ConditionBlink, EachSwitchOfTheLightRepaintsTheStatusPanelAtOnce) {
  HeadlessHost recorder;
  ResetProgramState(recorder);
  coreState.game.gamePhase = GamePhase::RedAlert;
  const std::vector<HeadlessHost::Call> repaint = {{"InvalidateStation", "Status"}, {"UpdateStation", "Status"}};
  // Both phases of red alert, then both of yellow: every second tick shows the new light.
  for (GamePhase shown : {GamePhase::RedAlertAlt, GamePhase::RedAlert}) {
    recorder.calls.clear();
    StatusBlinkTick();
    EXPECT_TRUE(recorder.calls.empty()) << "the tick between two switches draws nothing";
    StatusBlinkTick();
    EXPECT_EQ(coreState.game.gamePhase, shown);
    EXPECT_EQ(recorder.calls, repaint) << "phase " << static_cast<int>(shown);
  }
  coreState.game.gamePhase = GamePhase::Yellow;
  for (GamePhase shown : {GamePhase::YellowAlt, GamePhase::Yellow}) {
    recorder.calls.clear();
    StatusBlinkTick();
    StatusBlinkTick();
    EXPECT_EQ(coreState.game.gamePhase, shown);
    EXPECT_EQ(recorder.calls, repaint) << "phase " << static_cast<int>(shown);
  }
}

TEST(ConditionBlink, AResetStartsTheCountAfreshWhereverTheLastRunLeftIt) {
  HeadlessHost recorder;
  ResetProgramState(recorder);
  coreState.game.gamePhase = GamePhase::Green;
  StatusBlinkTick();  // one tick: the next would switch
  ResetProgramState(recorder);
  coreState.game.gamePhase = GamePhase::RedAlert;
  StatusBlinkTick();
  EXPECT_EQ(coreState.game.gamePhase, GamePhase::RedAlert) << "the first tick after the reset only counts";
}
}  // namespace
