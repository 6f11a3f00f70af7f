#include <gtest/gtest.h>

#include <cstring>

#include "core/core_state.h"
#include "core/game_files.h"
#include "core/new_game.h"
#include "core/saved_game.h"
#include "tests/lifecycle/lifecycle_fixture.h"
#include "tests/support/file_size_limit.h"

namespace {
class GameFiles : public LifecycleTest {
 protected:
  // A fresh mission that is neither docked nor in red alert, so that loading it back cannot
  // change it through the first condition evaluation.
  void StartFreshMission() {
    for (std::uint32_t seed = 1;; ++seed) {
      lcg::Seed(seed);
      NewGame();
      if (coreState.game.gamePhase == GamePhase::Green || coreState.game.InYellow()) break;
    }
    coreState.game.changeCount = 1;
    recorder.Clear();
  }
  std::string PathOf(const char* name) const { return (directory / name).string(); }
  std::vector<std::string> MessageBoxes() const { return recorder.CallsNamed("ShowMessageBox"); }
};

// Every field a saved game stores, compared bit for bit: a round trip may not change even the
// sign of a zero, so the doubles are compared as bytes on purpose.
// NOLINTBEGIN(bugprone-suspicious-memory-comparison)
void ExpectSameStoredGame(const GameState& a, const GameState& b) {
  EXPECT_EQ(a.skillLevel, b.skillLevel);
  EXPECT_EQ(std::memcmp(&a.galaxy, &b.galaxy, sizeof a.galaxy), 0) << "galaxy";
  EXPECT_EQ(std::make_tuple(a.starbaseTotal, a.starTotal, a.alienTotal, a.aliensRemaining, a.shipEnergy, a.shieldEnergy,
                            a.torpedoCount, a.shipQuadrant, a.shipSectorX, a.shipSectorY, a.messagesToComputer),
            std::make_tuple(b.starbaseTotal, b.starTotal, b.alienTotal, b.aliensRemaining, b.shipEnergy, b.shieldEnergy,
                            b.torpedoCount, b.shipQuadrant, b.shipSectorX, b.shipSectorY, b.messagesToComputer));
  for (auto [x, y] : {std::pair{a.stardateStart, b.stardateStart},
                      {a.stardateNow, b.stardateNow},
                      {a.missionLength, b.missionLength}})
    EXPECT_EQ(std::memcmp(&x, &y, sizeof x), 0);
  EXPECT_EQ(std::memcmp(a.damage.data(), b.damage.data(), sizeof a.damage), 0) << "damage";
  EXPECT_EQ(std::memcmp(a.repairDate.data(), b.repairDate.data(), sizeof a.repairDate), 0) << "repair dates";
  ASSERT_EQ(a.alienTable.size(), b.alienTable.size());
  EXPECT_EQ(std::memcmp(a.alienTable.data(), b.alienTable.data(), a.alienTable.size() * sizeof(AlienRecord)), 0)
      << "alien table";
}
// NOLINTEND(bugprone-suspicious-memory-comparison)

TEST_F(GameFiles, SaveThenLoadRestoresEveryStoredField) {
  StartFreshMission();
  coreState.game.galaxy[5].reserved[0] = 0xA5;
  coreState.game.galaxy[63].reserved[1] = 0x5A;
  AlienRecord& destroyed = coreState.game.alienTable[0];  // destroyed aliens are kept
  QuadrantRecord& itsQuadrant = coreState.game.galaxy[static_cast<std::size_t>(destroyed.quadrant)];
  itsQuadrant.cells[destroyed.sectorY][destroyed.sectorX] = Cell::Empty;
  --itsQuadrant.alienCount;
  --coreState.game.aliensRemaining;
  destroyed.quadrant = -1;
  coreState.game.alienTable[0].reserved[2] = 7;
  coreState.game.alienTable[1].lastAttackTick = 0xDEADBEEF;
  coreState.game.stardateNow += 0.1;
  coreState.game.Damage(ShipSystem::Computer) = 2.375;
  coreState.game.RepairDate(ShipSystem::Computer) = coreState.game.stardateNow + 30.3;
  coreState.game.repairDate[0] = -0.0;
  coreState.game.messagesToComputer = 1;
  const GameState saved = coreState.game;
  coreState.game.gameFilePath = PathOf("voyage.gam");

  ASSERT_TRUE(SaveGame());
  EXPECT_EQ(std::filesystem::file_size(coreState.game.gameFilePath),
            9456u + 36u * static_cast<unsigned>(coreState.game.alienTotal));
  EXPECT_EQ(coreState.game.changeCount, 0);
  EXPECT_TRUE(recorder.console.ends_with("Game Successfully Saved.\n"));  // messages go to the console

  lcg::Seed(99);
  NewGame();  // a different game is running when the save is loaded
  coreState.game.changeCount = 3;
  coreState.game.messagesToComputer = 0;  // and its messages are on the panel
  ASSERT_TRUE(LoadGame());
  ExpectSameStoredGame(coreState.game, saved);
  EXPECT_EQ(coreState.game.changeCount, 0);
  EXPECT_NE(coreState.game.gamePhase, GamePhase::NoGame);
  EXPECT_TRUE(recorder.console.ends_with("Resuming Saved Game.\n\n>"));
}

TEST_F(GameFiles, TheReroutingSwitchComesFromTheFileWhicheverWayTheRunningGameHasIt) {
  for (int stored : {0, 1}) {
    StartFreshMission();
    coreState.game.messagesToComputer = stored;
    coreState.game.gameFilePath = PathOf("switch.gam");
    ASSERT_TRUE(SaveGame());
    coreState.game.messagesToComputer = 1 - stored;
    ASSERT_TRUE(LoadGame());
    EXPECT_EQ(coreState.game.messagesToComputer, stored);
  }
}

TEST_F(GameFiles, LoadingEndsTheRunningGameOnlyAfterTheFilePassed) {
  StartFreshMission();
  coreState.game.gameFilePath = PathOf("a.gam");
  ASSERT_TRUE(SaveGame());
  recorder.Clear();
  ASSERT_TRUE(LoadGame());
  const std::vector<std::string> order = {"SetBusy", "StopSound", "StopSound", "DestroyStationWindows",
                                          "CreateStationWindows"};
  std::vector<std::string> seen;
  for (const auto& call : recorder.calls)
    if (std::find(order.begin(), order.end(), call.what) != order.end() && seen.size() < order.size())
      seen.push_back(call.what);
  EXPECT_EQ(seen, order);
}

struct RejectedFile {
  const char* name;
  std::string content;       // written unless the case is a missing file
  const char* expectedText;  // %s stands for the path
  const char* reason;        // the box's second line
};
void PrintTo(const RejectedFile& row, std::ostream* os) { *os << row.name; }

class RejectedFiles : public GameFiles, public ::testing::WithParamInterface<RejectedFile> {};

TEST_P(RejectedFiles, LeaveTheRunningGameItsStationsAndPhaseUntouched) {
  StartFreshMission();
  coreState.game.Damage(ShipSystem::Warp) = 1.5;
  const std::vector<std::uint8_t> before = EncodeSavedGame(coreState.game);
  const GamePhase phase = coreState.game.gamePhase;
  const RejectedFile& file = GetParam();
  coreState.game.gameFilePath = PathOf(file.name);
  if (std::string(file.name) == "folder.gam")
    std::filesystem::create_directory(coreState.game.gameFilePath);
  else if (std::string(file.name) != "missing.gam")
    WriteText(coreState.game.gameFilePath, file.content);

  EXPECT_FALSE(LoadGame());
  std::string expected = file.expectedText;
  expected.replace(expected.find("%s"), 2, coreState.game.gameFilePath);
  EXPECT_EQ(MessageBoxes(), std::vector<std::string>{"Load Game: " + expected + "\n" + file.reason});
  EXPECT_EQ(EncodeSavedGame(coreState.game), before);
  EXPECT_EQ(coreState.game.gamePhase, phase);
  EXPECT_EQ(coreState.game.changeCount, 1);
  EXPECT_TRUE(recorder.stationsExist);
  EXPECT_TRUE(recorder.CallsNamed("StopSound").empty());
  EXPECT_EQ(recorder.CallsNamed("SetBusy"), (std::vector<std::string>{"on", "off"}));
}

std::string GameHeaderStart() { return std::string("KVF\0", 4) + std::string(100, '\0'); }

INSTANTIATE_TEST_SUITE_P(
    Files, RejectedFiles,
    ::testing::Values(
        RejectedFile{"missing.gam", "", "Errors trying to read the game file %s", "there is no such file"},
        RejectedFile{"folder.gam", "", "Errors trying to read the game file %s", "it is not a regular file"},
        RejectedFile{"empty.gam", "", "Errors trying to read the game file %s", "the file is empty"},
        RejectedFile{"kvfx.gam", "KVFX" + std::string(9452, '\0'), "%s is not a KESTRAV game file.",
                     "the file does not begin with KVF"},
        RejectedFile{"text.gam", "Captain's log", "%s is not a KESTRAV game file.", "the file does not begin with KVF"},
        RejectedFile{"short.gam", GameHeaderStart(), "Errors trying to read the game file %s",
                     "the file holds 104 bytes, less than a game's header"},
        RejectedFile{"huge.gam", std::string(2'000'000, 'x'), "%s is not a KESTRAV game file.",
                     "the file does not begin with KVF"},
        RejectedFile{"hugegame.gam", GameHeaderStart() + std::string(2'000'000, '\1'),
                     "Errors trying to read the game file %s", "the file is larger than any saved game"}),
    [](const auto& row) { return std::string(row.param.name).substr(0, std::string(row.param.name).find('.')); });

TEST_F(GameFiles, ASaveThatCannotBeWrittenKeepsTheOldFileAndSaysSo) {
  StartFreshMission();
  coreState.game.gameFilePath = PathOf("keep.gam");
  ASSERT_TRUE(SaveGame());
  const std::string oldFile = ReadText(coreState.game.gameFilePath);

  coreState.game.stardateNow += 1.0;
  coreState.game.changeCount = 2;
  recorder.Clear();
  {
    FileSizeLimit diskFull(4096);
    EXPECT_FALSE(SaveGame());
  }
  EXPECT_EQ(ReadText(coreState.game.gameFilePath), oldFile);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory), {}), 1) << "no temporary file is left";
  EXPECT_EQ(MessageBoxes(), std::vector<std::string>{"Save Game: Errors trying to write the game file " +
                                                     coreState.game.gameFilePath + "\nFile too large"});
  EXPECT_EQ(coreState.game.changeCount, 2);

  recorder.Clear();
  coreState.game.gameFilePath = PathOf("no such folder/new.gam");
  EXPECT_FALSE(SaveGame());
  EXPECT_EQ(MessageBoxes(), std::vector<std::string>{"Save Game: Errors trying to write the game file " +
                                                     coreState.game.gameFilePath + "\nNo such file or directory"});
}

struct PromptCase {
  const char* name;
  GamePhase phase;
  int changes;
  const char* title;  // the game's file title before the prompt
  std::vector<Answer> answers;
  const char* saveAsChoice;  // nullptr: the Save As dialog is cancelled
  Answer expected;
  const char* question;  // the message box's text; nullptr: none is shown
  const char* savedAs;   // the file written; nullptr: nothing saved
};
void PrintTo(const PromptCase& row, std::ostream* os) { *os << row.name; }

class SavePrompt : public GameFiles, public ::testing::WithParamInterface<PromptCase> {};

TEST_P(SavePrompt, AnswersAndSavesAsThePlayerChose) {
  const PromptCase& c = GetParam();
  StartFreshMission();
  coreState.game.gamePhase = c.phase;
  coreState.game.changeCount = c.changes;
  coreState.game.gameFileTitle = c.title;
  coreState.game.gameFilePath = *c.title ? PathOf(c.title) : "";
  recorder.answers.assign(c.answers.begin(), c.answers.end());
  if (c.saveAsChoice) recorder.saveFileChoices.push_back(PathOf(c.saveAsChoice));

  EXPECT_EQ(PromptSaveGame(), c.expected);
  if (c.question)
    EXPECT_EQ(MessageBoxes(), std::vector<std::string>{std::string("Save Game: ") + c.question});
  else
    EXPECT_TRUE(MessageBoxes().empty());
  for (const char* name : {"named.gam", "chosen.gam"})
    EXPECT_EQ(std::filesystem::exists(PathOf(name)), c.savedAs && std::string(c.savedAs) == name) << name;
}

const char* const RedAlertWarning =
    "Warning: You cannot save the current game while in a Red Alert Condition. Exit anyway?";

INSTANTIATE_TEST_SUITE_P(
    Answers, SavePrompt,
    ::testing::Values(PromptCase{"NoGame", GamePhase::NoGame, 5, "", {}, nullptr, Answer::No, nullptr, nullptr},
                      PromptCase{
                          "Unchanged", GamePhase::Green, 0, "named.gam", {}, nullptr, Answer::No, nullptr, nullptr},
                      PromptCase{"YesSavesUnderItsName",
                                 GamePhase::Green,
                                 1,
                                 "named.gam",
                                 {Answer::Yes},
                                 nullptr,
                                 Answer::Yes,
                                 "Do you want to save the current game named.gam?",
                                 "named.gam"},
                      PromptCase{"YesAsksForANewName",
                                 GamePhase::Docked,
                                 1,
                                 "",
                                 {Answer::Yes},
                                 "chosen.gam",
                                 Answer::Yes,
                                 "Do you want to save the current game ?",
                                 "chosen.gam"},
                      PromptCase{"YesThenCancelledDialogGoesOn",
                                 GamePhase::Yellow,
                                 1,
                                 "",
                                 {Answer::Yes},
                                 nullptr,
                                 Answer::Yes,
                                 "Do you want to save the current game ?",
                                 nullptr},
                      PromptCase{"No",
                                 GamePhase::Green,
                                 2,
                                 "named.gam",
                                 {Answer::No},
                                 nullptr,
                                 Answer::No,
                                 "Do you want to save the current game named.gam?",
                                 nullptr},
                      PromptCase{"Cancel",
                                 GamePhase::YellowAlt,
                                 2,
                                 "named.gam",
                                 {Answer::Cancel},
                                 nullptr,
                                 Answer::Cancel,
                                 "Do you want to save the current game named.gam?",
                                 nullptr},
                      PromptCase{"RedAlertOkDiscards",
                                 GamePhase::RedAlert,
                                 1,
                                 "named.gam",
                                 {Answer::Ok},
                                 "chosen.gam",
                                 Answer::Yes,
                                 RedAlertWarning,
                                 nullptr},
                      PromptCase{"RedAlertCancelKeeps",
                                 GamePhase::RedAlertAlt,
                                 1,
                                 "",
                                 {Answer::Cancel},
                                 "chosen.gam",
                                 Answer::Cancel,
                                 RedAlertWarning,
                                 nullptr}),
    [](const auto& row) { return std::string(row.param.name); });
}  // namespace
