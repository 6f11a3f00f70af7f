// The game's own files where something else stands in their place: a named pipe, a folder.
// Every file the game reads is refused as unreadable, at once, and the game goes on.

#include <gtest/gtest.h>

#include "core/core_state.h"
#include "core/game_files.h"
#include "core/new_game.h"
#include "core/options.h"
#include "core/saved_game.h"
#include "core/settings_file.h"
#include "tests/lifecycle/lifecycle_fixture.h"
#include "tests/support/named_pipe.h"

namespace {
class NamedPipes : public LifecycleTest {
 protected:
  void SetUp() override {
    LifecycleTest::SetUp();
    pipe = directory / "pipe";
    ASSERT_TRUE(MakeNamedPipe(pipe));
  }
  std::filesystem::path pipe;
};

TEST_F(NamedPipes, ASavedGameThatIsAPipeIsRefusedAndTheRunningGameGoesOn) {
  lcg::Seed(5);
  NewGame();
  const std::vector<std::uint8_t> before = EncodeSavedGame(coreState.game);
  recorder.Clear();
  coreState.game.gameFilePath = pipe.string();
  bool loaded = true;
  ASSERT_TRUE(FinishesWithoutAWriter(pipe, [&loaded] { loaded = LoadGame(); }));
  EXPECT_FALSE(loaded);
  EXPECT_EQ(recorder.CallsNamed("ShowMessageBox").at(0),
            "Load Game: Errors trying to read the game file " + pipe.string() + "\nit is not a regular file");
  EXPECT_EQ(EncodeSavedGame(coreState.game), before);
  EXPECT_TRUE(recorder.stationsExist);
}

TEST_F(NamedPipes, ASettingsFileThatIsAPipeGivesTheDefaults) {
  coreState.settingsPath = pipe.string();
  coreState.options.autoSrs = 5;
  ASSERT_TRUE(FinishesWithoutAWriter(pipe, [] { ReadSettings(); }));
  EXPECT_EQ(coreState.options.autoSrs, 1);
}
}  // namespace
