// The soak's captain against the real rules: missions end, the same seed plays the same
// mission, and the report adds up.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/game_files.h"
#include "core/game_invariants.h"
#include "tools/soak_mission.h"
#include "tools/soak_report.h"

namespace {
MissionPlan Plan(std::uint32_t seed, int mission, SkillLevel skill) {
  MissionPlan plan;
  plan.seed = seed;
  plan.mission = mission;
  plan.skill = skill;
  plan.scratchDirectory = ::testing::TempDir();
  return plan;
}

TEST(SoakPlay, MissionsAtEverySkillEndWithoutBreakingARule) {
  int won = 0;
  for (int skill = 0; skill <= 5; ++skill)
    for (int mission = 1; mission <= 3; ++mission) {
      const MissionOutcome outcome = PlayMission(Plan(7, mission, static_cast<SkillLevel>(skill)));
      ASSERT_FALSE(outcome.violation) << DescribeViolation(*outcome.violation);
      EXPECT_NE(outcome.reason, GameOverReason::None);
      EXPECT_GT(outcome.actions, 0);
      EXPECT_GT(outcome.stardates, 0.0);
      if (outcome.reason == GameOverReason::AliensDestroyed) {
        ++won;
        EXPECT_GT(outcome.score, 0);
      }
    }
  EXPECT_GT(won, 0) << "the captain never wins";
}

TEST(SoakPlay, TheSameSeedPlaysTheSameMissionAndAnotherMissionDiffers) {
  const MissionOutcome first = PlayMission(Plan(11, 4, SkillLevel::Officer));
  const MissionOutcome again = PlayMission(Plan(11, 4, SkillLevel::Officer));
  const MissionOutcome next = PlayMission(Plan(11, 5, SkillLevel::Officer));
  EXPECT_EQ(first.reason, again.reason);
  EXPECT_EQ(first.actions, again.actions);
  EXPECT_EQ(first.stardates, again.stardates);
  EXPECT_EQ(first.score, again.score);
  EXPECT_FALSE(first.actions == next.actions && first.stardates == next.stardates);
}

TEST(SoakPlay, ABrokenRuleStopsTheMissionAndLeavesTheGamesBeforeAndAfter) {
  // A mission that outlasts its allowance of commands breaks the rule that missions end.
  MissionPlan plan = Plan(23, 2, SkillLevel::Yeoman);
  plan.maxActions = 3;
  const MissionOutcome outcome = PlayMission(plan);
  ASSERT_TRUE(outcome.violation);
  const SoakViolation& v = *outcome.violation;
  EXPECT_EQ(outcome.reason, GameOverReason::None);
  EXPECT_EQ(outcome.actions, 3);
  EXPECT_EQ(v.seed, 23u);
  EXPECT_EQ(v.mission, 2);
  EXPECT_EQ(v.invariant, "mission ends");
  for (const std::string& path : {v.beforeFile, v.afterFile}) {
    GameState written;
    EXPECT_TRUE(ReadSavedGameFile(path, written).Ok()) << path;
    EXPECT_EQ(FindInconsistency(written), "") << path;
    std::filesystem::remove(path);
  }
  const std::string text = DescribeViolation(v);
  EXPECT_NE(text.find("seed 23 mission 2 command 3"), std::string::npos) << text;
  EXPECT_NE(text.find(": mission ends: still going after 3 commands"), std::string::npos) << text;
}

MissionOutcome Ended(SkillLevel skill, GameOverReason reason, int actions, double stardates, int score = 0) {
  MissionOutcome outcome;
  outcome.skill = skill;
  outcome.reason = reason;
  outcome.actions = actions;
  outcome.stardates = stardates;
  outcome.score = score;
  return outcome;
}

TEST(SoakReport, CountsWinsLossesByReasonAndViolationsApart) {
  SoakTally tally;
  tally.Add(Ended(SkillLevel::Crewman, GameOverReason::AliensDestroyed, 100, 30.0, 1200));
  tally.Add(Ended(SkillLevel::Crewman, GameOverReason::TimeExpired, 300, 40.0));
  tally.Add(Ended(SkillLevel::Admiral, GameOverReason::EnergyExhausted, 50, 10.0));
  tally.Add(Ended(SkillLevel::Admiral, GameOverReason::TimeExpired, 200, 41.0));
  MissionOutcome broken = Ended(SkillLevel::Admiral, GameOverReason::None, 7, 2.0);
  broken.violation = SoakViolation{};
  broken.violation->mission = 5;
  broken.violation->command = "console --line 'SAY \"HI\"'";
  tally.Add(broken);
  tally.seconds = 2.0;

  EXPECT_EQ(tally.missions, 5);
  EXPECT_EQ(tally.won, 1);
  EXPECT_EQ(tally.lost, (std::map<std::string, int>{{"energy", 1}, {"time", 2}}));
  EXPECT_EQ(tally.violations.size(), 1u);
  EXPECT_EQ(tally.playedAtSkill[0], 2);
  EXPECT_EQ(tally.wonAtSkill[0], 1);
  EXPECT_EQ(tally.playedAtSkill[5], 3);
  EXPECT_EQ(tally.ActionsPerSecond(), 657 / 2.0);

  const std::string json = tally.Json();
  EXPECT_NE(json.find("\"missions\": 5,"), std::string::npos) << json;
  EXPECT_NE(json.find("\"won\": 1,"), std::string::npos) << json;
  EXPECT_NE(json.find("\"lost\": {\"energy\": 1, \"time\": 2}"), std::string::npos) << json;
  EXPECT_NE(json.find("\"command\": \"console --line 'SAY \\\"HI\\\"'\""), std::string::npos) << json;
  EXPECT_NE(json.find("\"actions_per_second\": 328.5"), std::string::npos) << json;

  const std::string text = tally.Text();
  EXPECT_NE(text.find("won 1 (20.0%), lost to energy 1, lost to time 2, violations 1"), std::string::npos) << text;
  EXPECT_NE(text.find("skill 5: won 0 of 3"), std::string::npos) << text;
}

TEST(SoakReport, AnEmptySoakHasAnEmptyViolationList) {
  const std::string json = SoakTally{}.Json();
  EXPECT_NE(json.find("\"violations\": [],"), std::string::npos) << json;
  EXPECT_NE(json.find("\"lost\": {},"), std::string::npos) << json;
}
}  // namespace
