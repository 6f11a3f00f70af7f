#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstdlib>

#include "core/core_state.h"
#include "core/scores.h"
#include "tests/lifecycle/lifecycle_fixture.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/named_pipe.h"
#include "tests/support/unprivileged.h"

namespace {
struct ScoreCase {
  const char* name;
  double missionLength, stardateStart, stardateNow;
  int aliens, starbases, expected;
};
void PrintTo(const ScoreCase& row, std::ostream* os) { *os << row.name; }

class ScoreFormula : public ::testing::TestWithParam<ScoreCase> {};

TEST_P(ScoreFormula, CountsDaysLeftAliensAndStarbases) {
  const ScoreCase& c = GetParam();
  GameState state;
  state.missionLength = c.missionLength;
  state.stardateStart = c.stardateStart;
  state.stardateNow = c.stardateNow;
  state.alienTotal = c.aliens;
  state.starbaseTotal = c.starbases;
  EXPECT_EQ(GameScore(state), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Wins, ScoreFormula,
    ::testing::Values(ScoreCase{"TwoStarbases", 40, 3000, 3012.5, 20, 2, 2926},  // 2750 + 200 - 24
                      ScoreCase{"OneStarbaseEarns100", 40, 3000, 3012.5, 20, 1, 3038},
                      ScoreCase{"FiveStarbases", 40, 3000, 3012.5, 20, 5, 2890},
                      ScoreCase{"NoStarbaseEarnsNothingExtra", 40, 3000, 3012.5, 20, 0, 2950},
                      ScoreCase{"LastMoment", 34, 7000, 7033.95, 49, 1, 583},  // 5 + 490 - 12 + 100
                      // 27.996 days left make 2799.6 points: truncated, not rounded.
                      ScoreCase{"DaysLeftTruncatedNotRounded", 40, 3000, 3012.004, 20, 2, 2975},
                      ScoreCase{"OverdueScoresBelowZeroDays", 40, 3000, 3040.5, 20, 2, 126}),  // -50 + 200 - 24
    [](const auto& row) { return std::string(row.param.name); });

TEST(EntryScore, ReadsTheLeadingNumberOrZero) {
  EXPECT_EQ(EntryScore("2926"), 2926);
  EXPECT_EQ(EntryScore("-"), 0);
  EXPECT_EQ(EntryScore(""), 0);
  EXPECT_EQ(EntryScore("Captain"), 0);
  EXPECT_EQ(EntryScore("  42 points"), 42);
  EXPECT_EQ(EntryScore("-17"), -17);
  EXPECT_EQ(EntryScore("99999999999999999999"), INT_MAX);
  EXPECT_EQ(EntryScore("-99999999999999999999"), INT_MIN);
}

HighScoreTable TableOf(std::initializer_list<int> scores) {
  HighScoreTable table;
  int i = 0;
  for (int s : scores) table[static_cast<std::size_t>(i++)] = {"P" + std::to_string(s), "Yeoman", std::to_string(s)};
  return table;
}

TEST(HighScoreTable, RanksBelowEqualScoresAndRejectsTheTenthsEqual) {
  const HighScoreTable full = TableOf({900, 800, 700, 600, 500, 400, 300, 200, 100, 50});
  EXPECT_EQ(HighScoreRank(full, 901), 0);
  EXPECT_EQ(HighScoreRank(full, 700), 3);  // below the existing 700
  EXPECT_EQ(HighScoreRank(full, 51), 9);
  EXPECT_EQ(HighScoreRank(full, 50), std::nullopt);
  EXPECT_EQ(HighScoreRank(HighScoreTable{}, 1), 0);  // placeholders count as 0
  EXPECT_EQ(HighScoreRank(HighScoreTable{}, 0), std::nullopt);
}

TEST(HighScoreTable, InsertionMovesLowerEntriesDownAndDropsTheLast) {
  HighScoreTable table = TableOf({900, 800, 700, 600, 500, 400, 300, 200, 100, 50});
  InsertHighScore(table, 2, "Kirk\tpasted rest", SkillLevel::Captain, 750);
  EXPECT_EQ(table[1], (HighScoreEntry{"P800", "Yeoman", "800"}));
  EXPECT_EQ(table[2], (HighScoreEntry{"Kirk", "Captain", "750"}));
  EXPECT_EQ(table[3], (HighScoreEntry{"P700", "Yeoman", "700"}));
  EXPECT_EQ(table[9], (HighScoreEntry{"P100", "Yeoman", "100"}));

  InsertHighScore(table, 0, "A name far longer than sixteen\r\n", SkillLevel::Admiral, 1000);
  EXPECT_EQ(table[0].name, "A name far longe");
}

TEST(HighScoreTable, NamesKeepToThePrintableCharactersOfOneByte) {
  for (char32_t c : {U' ', U'~', U'\u00a0', U'\u00eb', U'\u00ff', U'\t'}) EXPECT_TRUE(ScoreFileHolds(c)) << int(c);
  for (char32_t c : {U'\x1f', U'\x7f', U'\u0080', U'\u009f', U'\u0100', U'\u20ac', U'\U0001f680'})
    EXPECT_FALSE(ScoreFileHolds(c)) << int(c);
}

TEST(HighScoreText, IsThirtyCrLfLinesAndReadsBack) {
  const HighScoreTable table = TableOf({3038, 2926});
  const std::string text = FormatHighScores(table);
  EXPECT_EQ(text.substr(0, 28), "P3038\r\nYeoman\r\n3038\r\nP2926\r\n");
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 30);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 30);
  EXPECT_EQ(ParseHighScores(text), table);
}

TEST(HighScoreText, ShortGarbledAndOverlongFilesReadSafely) {
  const HighScoreTable shortFile = ParseHighScores("Ann\nAdmiral\n512\nBob\n");
  EXPECT_EQ(shortFile[0], (HighScoreEntry{"Ann", "Admiral", "512"}));
  EXPECT_EQ(shortFile[1], (HighScoreEntry{"Bob", "", ""}));
  EXPECT_EQ(shortFile[9], (HighScoreEntry{"", "", ""}));

  const std::string garbage = std::string("\x01\xff\x00name\x1b[2J\x7f\n", 13) + std::string(200, 'x') + "\n";
  const HighScoreTable garbled = ParseHighScores(garbage);
  EXPECT_EQ(garbled[0].name, "\xffname[2J");
  EXPECT_EQ(garbled[0].skill, std::string(31, 'x'));
  EXPECT_EQ(EntryScore(garbled[0].score), 0);
}

class ScoreFile : public LifecycleTest {};

TEST_F(ScoreFile, TheFirstWinCreatesTheFileAboveNinePlaceholders) {
  recorder.highScoreName = "Spock";
  EnterHighScore(2926, SkillLevel::Officer);
  HighScoreTable expected;
  expected[0] = {"Spock", "Officer", "2926"};
  EXPECT_EQ(ReadText(coreState.highScorePath), FormatHighScores(expected));
  EXPECT_EQ(recorder.CallsNamed("AskHighScoreName").size(), 1u);
}

TEST_F(ScoreFile, AFullTableTakesAQualifyingScoreAndKeepsTheRestUntouched) {
  const HighScoreTable full = TableOf({900, 800, 700, 600, 500, 400, 300, 200, 100, 50});
  WriteText(coreState.highScorePath, FormatHighScores(full));
  EnterHighScore(50, SkillLevel::Crewman);  // equal to the tenth: not entered, no name asked
  EXPECT_TRUE(recorder.CallsNamed("AskHighScoreName").empty());
  EXPECT_EQ(ReadText(coreState.highScorePath), FormatHighScores(full));

  recorder.highScoreName = "P650";
  EnterHighScore(650, SkillLevel::Yeoman);
  const HighScoreTable expected = TableOf({900, 800, 700, 650, 600, 500, 400, 300, 200, 100});
  EXPECT_EQ(ReadText(coreState.highScorePath), FormatHighScores(expected));
}

TEST_F(ScoreFile, ACorruptFileIsRepairedByTheNextEntry) {
  WriteText(coreState.highScorePath, std::string("\x00\x01garbage\xfe\n\n12", 14));
  coreState.game.skillLevel = SkillLevel::Crewman;
  recorder.highScoreName = "Uhura";
  EnterHighScore(20, SkillLevel::Crewman);
  const std::string repaired = ReadText(coreState.highScorePath);
  const HighScoreTable table = ParseHighScores(repaired);
  EXPECT_EQ(table[0], (HighScoreEntry{"Uhura", "Crewman", "20"}));
  EXPECT_EQ(table[1], (HighScoreEntry{"garbage\xfe", "", "12"}));
  EXPECT_EQ(table[2], (HighScoreEntry{"", "", ""}));
  EXPECT_EQ(std::count(repaired.begin(), repaired.end(), '\n'), 30);
}

TEST_F(ScoreFile, AnOversizedFileIsReadFromItsBeginningAndReplacedByTheNextEntry) {
  const HighScoreTable full = TableOf({900, 800, 700, 600, 500, 400, 300, 200, 100, 50});
  WriteText(coreState.highScorePath, FormatHighScores(full) + std::string(5'000'000, 'x'));
  EXPECT_EQ(ReadHighScoreFile().table, full) << "the ten entries at its start are the table";
  recorder.highScoreName = "Sulu";
  EnterHighScore(450, SkillLevel::Captain);
  const std::string rewritten = ReadText(coreState.highScorePath);
  EXPECT_LT(rewritten.size(), 1000u) << "the next entry writes a table of the usual size";
  EXPECT_EQ(ParseHighScores(rewritten)[5], (HighScoreEntry{"Sulu", "Captain", "450"}));
}

// A score that cannot be kept is said, with the file and the system's reason, and the table
// on disk stays as it was.
class LostScore : public ScoreFile {
 protected:
  std::string NotRecorded(int score, const std::string& reason) const {
    return "High Scores: Your score of " + std::to_string(score) + " could not be recorded in the high-score file " +
           coreState.highScorePath + "\n" + reason;
  }
  std::vector<std::string> MessageBoxes() const { return recorder.CallsNamed("ShowMessageBox"); }
  bool NameAsked() const { return !recorder.CallsNamed("AskHighScoreName").empty(); }
};

TEST_F(LostScore, AFolderThatCannotHoldTheFileIsSaid) {
  // A folder that cannot hold files, whoever runs the game: its "folder" is a plain file.
  WriteText(directory / "not-a-folder", "");
  coreState.highScorePath = (directory / "not-a-folder" / HighScoreFileName).string();
  EnterHighScore(5000, SkillLevel::Crewman);
  EXPECT_EQ(MessageBoxes(), std::vector<std::string>{NotRecorded(5000, "Not a directory")});
  EXPECT_FALSE(NameAsked());
  EXPECT_EQ(ReadText(directory / "not-a-folder"), "");
  EXPECT_EQ(ReadHighScoreFile().table, std::nullopt);
}

TEST_F(LostScore, AScoreFileThatIsAFolderOrAPipeIsSaid) {
  std::filesystem::create_directory(coreState.highScorePath);
  EnterHighScore(5000, SkillLevel::Crewman);
  EXPECT_EQ(MessageBoxes(), std::vector<std::string>{NotRecorded(5000, "Is a directory")});
  EXPECT_TRUE(std::filesystem::is_directory(coreState.highScorePath));

  recorder.Clear();
  coreState.highScorePath = (directory / "pipe.scr").string();
  ASSERT_TRUE(MakeNamedPipe(coreState.highScorePath));
  ASSERT_TRUE(FinishesWithoutAWriter(coreState.highScorePath, [] { EnterHighScore(5000, SkillLevel::Crewman); }));
  EXPECT_EQ(MessageBoxes(), std::vector<std::string>{NotRecorded(5000, "Not a regular file")});
  EXPECT_FALSE(NameAsked());
}

TEST_F(LostScore, AnImmutableFileIsSaidBeforeANameIsAsked) {
  const HighScoreTable old = TableOf({900, 800});
  WriteText(coreState.highScorePath, FormatHighScores(old));
  if (std::system(("chattr +i " + coreState.highScorePath + " 2>/dev/null").c_str()) != 0)
    GTEST_SKIP() << "this file system keeps no immutable files";
  EnterHighScore(850, SkillLevel::Admiral);
  std::system(("chattr -i " + coreState.highScorePath).c_str());
  EXPECT_EQ(MessageBoxes(), std::vector<std::string>{NotRecorded(850, "Operation not permitted")});
  EXPECT_FALSE(NameAsked());
  EXPECT_EQ(ReadText(coreState.highScorePath), FormatHighScores(old));
}

TEST_F(LostScore, AFullDiskIsSaidAfterTheNameAndKeepsTheOldTable) {
  const HighScoreTable old = TableOf({900, 800});
  WriteText(coreState.highScorePath, FormatHighScores(old));
  {
    FileSizeLimit diskFull(100);
    EnterHighScore(850, SkillLevel::Admiral);
  }
  EXPECT_TRUE(NameAsked());
  EXPECT_EQ(MessageBoxes(), std::vector<std::string>{NotRecorded(850, "File too large")});
  EXPECT_EQ(ReadText(coreState.highScorePath), FormatHighScores(old));
}

TEST_F(LostScore, AFileOrFolderThePlayerMayNotUseIsSaid) {
  WriteText(coreState.highScorePath, FormatHighScores(TableOf({900, 800})));
  // The folder is root's: another user may read the file but not replace it.
  EXPECT_TRUE(PassesAsUnprivilegedUser([this] {
    EnterHighScore(850, SkillLevel::Admiral);
    const bool said = MessageBoxes() == std::vector<std::string>{NotRecorded(850, "Permission denied")};
    if (!said || NameAsked()) std::fprintf(stderr, "unwritable folder: %s\n", recorder.calls.back().detail.c_str());
    return said && !NameAsked();
  }));
  std::filesystem::permissions(coreState.highScorePath, std::filesystem::perms::none);
  EXPECT_TRUE(PassesAsUnprivilegedUser([this] {
    EnterHighScore(850, SkillLevel::Admiral);
    const bool said = MessageBoxes() == std::vector<std::string>{NotRecorded(850, "Permission denied")};
    if (!said) std::fprintf(stderr, "unreadable file: %s\n", recorder.calls.back().detail.c_str());
    return said;
  }));
}
}  // namespace
