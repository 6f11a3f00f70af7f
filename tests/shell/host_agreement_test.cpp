// The game on the bridge and the headless game of the tests and kestrav-tool are the same
// game: one sequence of commands played through both hosts leaves the same state after
// every step.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/condition_blink.h"
#include "core/conditions.h"
#include "core/core_state.h"
#include "core/end_game.h"
#include "core/game_commands.h"
#include "core/game_state.h"
#include "core/random.h"
#include "core/saved_game.h"
#include "core/ship_messages.h"
#include "headless/headless_host.h"
#include "sector/idle_pass.h"
#include "sector/scan_requests.h"
#include "shell/frame_window.h"
#include "shell/qt_host.h"
#include "shell/shell_reset.h"
#include "tests/support/modal_answerer.h"

namespace {
constexpr std::uint32_t Start = 1000000;

// Everything of the game a player could tell apart, saved or not.
struct Snapshot {
  std::vector<std::uint8_t> saved;
  GamePhase phase;
  GameOverReason reason;
  int yellowBlinkActive, resetAlienClocks, changeCount, messagesToComputer;
  std::uint32_t random;
  std::vector<std::string> panel;
  bool operator==(const Snapshot&) const = default;
};

// The game's bytes without the stars' and starbases' animation frames: the bridge's scan
// steps those on its own timer while the test runs, and the headless game has no scan.
std::vector<std::uint8_t> SavedWithoutFrames() {
  GameState still = coreState.game;
  for (QuadrantRecord& quadrant : still.galaxy)
    for (auto& row : quadrant.cells)
      for (SectorCell& cell : row) cell = Cell::Object(cell);
  return EncodeSavedGame(still);
}

Snapshot Take() {
  Snapshot s{SavedWithoutFrames(),
             coreState.game.gamePhase,
             coreState.game.gameOverReason,
             coreState.game.yellowBlinkActive,
             coreState.game.resetAlienClocks,
             coreState.game.changeCount,
             coreState.game.messagesToComputer,
             lcg::State(),
             {}};
  for (const auto& line : coreState.messageLines) s.panel.emplace_back(line.data());
  return s;
}

// The player's commands, given through the frame's menus or straight to the rules.
struct Player {
  virtual ~Player() = default;
  virtual void New() = 0;
  virtual void End() = 0;
};

struct AtTheBridge : Player {
  explicit AtTheBridge(FrameWindow& f) : frame(f) {}
  void New() override {
    ModalAnswerer answerer;  // No to saving, a key to the communiqué
    frame.Command(MenuCommand::New);
    QCoreApplication::processEvents();
  }
  void End() override {
    ModalAnswerer answerer;
    frame.Command(MenuCommand::EndGame);
  }
  FrameWindow& frame;
};

struct Headless : Player {
  explicit Headless(HeadlessHost& h) : recorder(h) {}
  void New() override {
    recorder.answers = {Answer::No};
    NewGameCommand();
  }
  void End() override {
    recorder.answers = {Answer::No};
    EndGameCommand();
  }
  HeadlessHost& recorder;
};

// Two missions: the first moves, runs low on energy into condition yellow with its light
// blinking, and is ended; the second comes to yellow too.
std::vector<Snapshot> PlayTwoMissions(Player& player) {
  std::vector<Snapshot> after;
  auto step = [&](const std::function<void()>& act) {
    act();
    after.push_back(Take());
  };
  step([&] {
    lcg::Seed(1);
    player.New();
  });
  step([] { RequestMove(90, 2, 0); });
  step([] {
    coreState.game.shipEnergy = LowEnergyThreshold;
    ClockStep(TickCount());
  });
  step([] {
    for (int tick = 0; tick < 5; ++tick) StatusBlinkTick();
  });
  step([&] { player.End(); });
  step([&] {
    lcg::Seed(1);
    player.New();
  });
  step([] {
    coreState.game.shipEnergy = LowEnergyThreshold;
    ClockStep(TickCount());
  });
  step([] {
    for (int tick = 0; tick < 3; ++tick) StatusBlinkTick();
  });
  step([&] { player.End(); });
  return after;
}

TEST(HostAgreement, TwoMissionsLeaveTheSameGameOnTheBridgeAndHeadless) {
  QtHost qtHost;
  ResetShellState(qtHost);
  qtHost.UseVirtualClock(Start);
  std::vector<Snapshot> bridge;
  {
    FrameWindow frame;
    qtHost.AttachFrame(&frame);
    frame.resize(1024, 768);
    frame.show();
    AtTheBridge player(frame);
    bridge = PlayTwoMissions(player);
    qtHost.AttachFrame(nullptr);
  }

  HeadlessHost recorder;
  ResetShellState(recorder);
  recorder.now = Start;
  Headless player(recorder);
  const std::vector<Snapshot> headless = PlayTwoMissions(player);

  ASSERT_EQ(bridge.size(), headless.size());
  for (std::size_t i = 0; i < bridge.size(); ++i) {
    EXPECT_EQ(bridge[i].phase, headless[i].phase) << "step " << i;
    EXPECT_EQ(bridge[i].yellowBlinkActive, headless[i].yellowBlinkActive) << "step " << i;
    EXPECT_EQ(bridge[i].changeCount, headless[i].changeCount) << "step " << i;
    EXPECT_EQ(bridge[i].panel, headless[i].panel) << "step " << i;
    EXPECT_TRUE(bridge[i] == headless[i]) << "step " << i << ": the two games drifted apart";
  }
  EXPECT_EQ(bridge[2].phase, GamePhase::Yellow) << "the sequence does reach condition yellow";
}
}  // namespace
