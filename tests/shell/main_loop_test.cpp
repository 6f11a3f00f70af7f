// The main loop on the real dispatcher: it sleeps when nothing is due, wakes for the clock,
// and ends on a quit request even from the middle of an animation or a held button.

#include "shell/main_loop.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include "core/core_state.h"
#include "core/game_state.h"
#include "core/options.h"
#include "shell/qt_host.h"
#include "shell/shell_reset.h"
#include "stations/navigation_station.h"
#include "stations/resource_library.h"
#include "stations/sound.h"
#include "stations/sound_output.h"
#include "tests/support/quiet_game.h"

namespace {
int idlePasses = 0;
void CountPass() { ++idlePasses; }
void NoAction() {}

class MainLoopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetShellState(qtHost);
    SetIdleDuties({CountPass, NoAction});
    idlePasses = 0;
  }
  void TearDown() override { ResetShellState(qtHost); }

  static void StartGreenGame() { StartQuietSectorGame(); }

  QtHost qtHost;
};

TEST_F(MainLoopTest, AGreenGameSleepsUntilTheClockIsDueThenStepsOnce) {
  StartGreenGame();
  coreState.game.nextClockTick = TickCount() + 150;
  QTimer::singleShot(600, [] { RequestQuit(5); });
  QElapsedTimer elapsed;
  elapsed.start();
  EXPECT_EQ(RunMainLoop(), 5);
  EXPECT_GE(elapsed.elapsed(), 550);
  EXPECT_EQ(coreState.game.changeCount, 1) << "one step, 150 ms in";
  EXPECT_DOUBLE_EQ(coreState.game.stardateNow, 2000.1);
  EXPECT_LT(idlePasses, 40) << "the loop slept instead of spinning";
}

TEST_F(MainLoopTest, ARedAlertSleepsBetweenTheAliensMoves) {
  StartGreenGame();
  coreState.game.gamePhase = GamePhase::RedAlert;
  coreState.game.resetAlienClocks = 1;
  AddAlien(coreState.game.shipQuadrant, 5, 5, AlienKind::Klingon);
  coreState.game.alienTable.back().moveInterval = 250;
  coreState.game.alienTable.back().attackInterval = 900000;
  QTimer::singleShot(700, [] { RequestQuit(0); });
  RunMainLoop();
  const AlienRecord& klingon = coreState.game.alienTable.back();
  EXPECT_NE(klingon.sectorX * 8 + klingon.sectorY, 5 * 8 + 5) << "the Klingon moved when its time came";
  EXPECT_NE(klingon.lastMoveTick, klingon.lastAttackTick) << "its clocks were stamped, then it moved";
  EXPECT_LT(idlePasses, 40) << "the loop slept between the moves instead of spinning";
}

TEST_F(MainLoopTest, AQuitDuringAnAnimationEndsTheProgram) {
  StartGreenGame();
  coreState.game.nextClockTick = TickCount() + 100000;
  bool animationFinished = false;
  // An animation waiting 10 s between two steps; the player quits 100 ms in.
  QTimer::singleShot(0, [&] {
    WaitPumping(10000);
    animationFinished = true;
  });
  QTimer::singleShot(100, [] { RequestQuit(0); });
  QElapsedTimer elapsed;
  elapsed.start();
  EXPECT_EQ(RunMainLoop(), 0);
  EXPECT_TRUE(animationFinished);
  EXPECT_LT(elapsed.elapsed(), 2000) << "the wait gave up as soon as the quit came";
}

TEST_F(MainLoopTest, AQuitWhileAPanelButtonIsHeldLetsTheButtonGo) {
  StartGreenGame();
  NavigationStation navigation;
  navigation.show();
  RequestQuit(0);
  QElapsedTimer elapsed;
  elapsed.start();
  // WARP up pressed and never released: the release will not be delivered any more.
  QTest::mousePress(&navigation, Qt::LeftButton, {}, QPoint(48, 37));
  EXPECT_LT(elapsed.elapsed(), 2000) << "the hold ended with the program";
  EXPECT_EQ(navigation.WarpSetting(), 1) << "the press counted once";
  QTest::mouseRelease(&navigation, Qt::LeftButton, {}, QPoint(48, 37));
}

// A sound that never ends, so a sound queued behind it waits the longest a wait may last.
class EndlessSound : public SoundOutput {
 public:
  int DeviceCount() override { return 1; }
  bool Play(const QByteArray&, bool) override { return true; }
  bool IsPlaying() override { return true; }
  void Stop() override {}
};

TEST_F(MainLoopTest, AQuitStopsASoundWaitingForTheChannel) {
  const QString sounds = QStringLiteral(SOUND_BUNDLE_PATH);
  ASSERT_TRUE(resources::LoadBundle(sounds));
  StartGreenGame();
  EndlessSound speakers;
  UseSoundOutput(&speakers);
  coreState.options.soundsEnabled = 1;
  ASSERT_EQ(InitSound(), 1);
  PlaySoundNow(Sounds::Explosion, false);
  RequestQuit(0);
  QElapsedTimer elapsed;
  elapsed.start();
  PlaySoundAfterCurrent(Sounds::Acknowledge, false);
  EXPECT_LT(elapsed.elapsed(), 2000) << "the wait ended with the program";
  ShutdownSound();
  UseSoundOutput(nullptr);
  resources::UnloadBundle(sounds);
}

TEST_F(MainLoopTest, WaitPumpingKeepsTimersRunningAndWaitPumpingZeroReturnsAtOnce) {
  int ticks = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
  timer.start(20);
  QElapsedTimer elapsed;
  elapsed.start();
  WaitPumping(0);
  EXPECT_LT(elapsed.elapsed(), 100);
  const std::uint32_t start = TickCount();
  WaitPumping(210);
  EXPECT_GE(TickCount() - start, 210u) << "the wait lasts until the tick count reaches its deadline";
  EXPECT_GE(ticks, 4) << "windows keep working during the wait";
}
}  // namespace
