#include <gtest/gtest.h>

#include "core/core_state.h"
#include "core/game_over.h"
#include "core/new_game.h"
#include "core/scores.h"
#include "tests/lifecycle/lifecycle_fixture.h"

namespace {
struct Ending {
  const char* name;
  GameOverReason reason;
  const char* communique;  // as shown, the UID being the next random number after seed 7
};
void PrintTo(const Ending& row, std::ostream* os) { *os << row.name; }

class GameOver : public LifecycleTest, public ::testing::WithParamInterface<Ending> {
 protected:
  void SetUp() override {
    LifecycleTest::SetUp();
    recorder.communiques = {{2, "2 UID#%d out of energy at %.1f"},
                            {3, "3 UID#%d out of time"},
                            {4, "4 UID#%d lost at %.1f"},
                            {5, "5 UID#%d victory"}};
    NewGame();
    coreState.game.stardateStart = 3000.0;
    coreState.game.stardateNow = 3012.5;
    coreState.game.missionLength = 40.0;
    coreState.game.alienTotal = 20;
    coreState.game.starbaseTotal = 2;
    coreState.game.gameFileTitle = "won.gam";
    coreState.game.gamePhase = GamePhase::GameOver;
    recorder.Clear();
  }
  std::vector<std::string> CallNames() const {
    std::vector<std::string> names;
    for (const auto& c : recorder.calls) names.push_back(c.what);
    return names;
  }
};

TEST_P(GameOver, EndsTheGameThenShowsItsCommuniqueWithTheSound) {
  const Ending& e = GetParam();
  coreState.game.gameOverReason = e.reason;
  const std::string oldScores = FormatHighScores(HighScoreTable{{{"Ann", "Admiral", "9000"}}});
  WriteText(coreState.highScorePath, oldScores);
  lcg::Seed(7);
  const int uid = lcg::rand();
  lcg::Seed(7);

  HandleGameOver();

  std::string verdict = e.communique;
  verdict.replace(verdict.find("%u"), 2, std::to_string(uid));
  EXPECT_EQ(recorder.CallsNamed("ShowCommunique"), std::vector<std::string>{verdict});
  EXPECT_EQ(coreState.game.gamePhase, GamePhase::NoGame);
  EXPECT_EQ(coreState.game.gameOverReason, GameOverReason::None);
  EXPECT_EQ(coreState.game.gameFileTitle, "");
  const std::vector<std::string> names = CallNames();
  const auto at = [&](const char* what) { return std::find(names.begin(), names.end(), what) - names.begin(); };
  EXPECT_EQ(names.front(), "RestoreFrame");
  EXPECT_LT(at("DestroyStationWindows"), at("PlaySoundNow"));
  EXPECT_EQ(recorder.CallsNamed("PlaySoundNow"), std::vector<std::string>{"13 once"});
  EXPECT_LT(at("PlaySoundNow"), at("ShowCommunique"));
  EXPECT_EQ(names.back(), "ShowHighScores");

  if (e.reason == GameOverReason::AliensDestroyed) {
    EXPECT_EQ(recorder.CallsNamed("AskHighScoreName").size(), 1u);
    EXPECT_EQ(ParseHighScores(ReadText(coreState.highScorePath))[1], (HighScoreEntry{"Tester", "Crewman", "2926"}));
  } else {
    EXPECT_TRUE(recorder.CallsNamed("AskHighScoreName").empty());
    EXPECT_EQ(ReadText(coreState.highScorePath), oldScores);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Reasons, GameOver,
    ::testing::Values(Ending{"EnergyExhausted", GameOverReason::EnergyExhausted, "2 UID#%u out of energy at 3012.5"},
                      Ending{"TimeExpired", GameOverReason::TimeExpired, "3 UID#%u out of time"},
                      Ending{"SystemsDisabled", GameOverReason::SystemsDisabled, "4 UID#%u lost at 3012.5"},
                      Ending{"AliensDestroyed", GameOverReason::AliensDestroyed, "5 UID#%u victory"}),
    [](const auto& row) { return std::string(row.param.name); });

class EndOfGame : public LifecycleTest {};

TEST_F(EndOfGame, EndingALoadedGameOfAnotherSkillRestoresTheSkillSetting) {
  NewGame();
  coreState.game.skillLevel = SkillLevel::Admiral;  // as a loaded game of another skill would have it
  coreState.game.gamePhase = GamePhase::GameOver;
  coreState.game.gameOverReason = GameOverReason::TimeExpired;
  HandleGameOver();
  EXPECT_EQ(coreState.game.skillLevel, SkillLevel::Crewman);
  EXPECT_FALSE(std::filesystem::exists(coreState.highScorePath)) << "only the window creates the file for a loss";
}

TEST_F(EndOfGame, AWinEntersTheSkillTheMissionWasPlayedAtNotTheMenus) {
  NewGame();
  coreState.game.skillLevel = SkillLevel::Admiral;  // a saved Admiral game, opened with the menu on Crewman
  coreState.game.gamePhase = GamePhase::GameOver;
  coreState.game.gameOverReason = GameOverReason::AliensDestroyed;
  HandleGameOver();
  const HighScoreTable table = ParseHighScores(ReadText(coreState.highScorePath));
  ASSERT_EQ(recorder.CallsNamed("AskHighScoreName").size(), 1u);
  EXPECT_EQ(table[0].skill, "Admiral");
  EXPECT_EQ(coreState.game.skillLevel, SkillLevel::Crewman) << "the menu's skill is back for the next game";
}
}  // namespace
