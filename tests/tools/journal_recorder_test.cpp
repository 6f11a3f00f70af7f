// The flight recorder's writing: kept in memory and handed to the disk once a second or at a
// save, given up with one message when the disk fails while the game goes on, and the last
// journals kept in their folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "core/core_state.h"
#include "core/file_io.h"
#include "core/game_files.h"
#include "core/journal_file.h"
#include "core/journal_recorder.h"
#include "core/shield_transfer.h"
#include "headless/headless_host.h"
#include "sector/sector_reset.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/quiet_game.h"

namespace {
namespace fs = std::filesystem;

// An output that takes what it is handed until told to fail.
class Output : public JournalOutput {
 public:
  Output(std::string& text, bool& broken) : text_(text), broken_(broken) {}
  bool Write(std::string_view text) override {
    if (broken_) return false;
    text_ += text;
    return true;
  }
  bool Flush() override { return !broken_; }

 private:
  std::string& text_;
  bool& broken_;
};

class JournalRecorder : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSectorState(host_);
    host_.now = 5000;
    folder_ = fs::path(::testing::TempDir()) / ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { SetJournalRecording({}); }

  void Record(std::function<std::unique_ptr<JournalOutput>()> open) {
    JournalSettings settings;
    settings.program = "test";
    settings.open = std::move(open);
    settings.failed = [this](const std::string& problem) { problems_.push_back(problem); };
    SetJournalRecording(std::move(settings));
  }
  void RecordInMemory() {
    Record([this] { return std::make_unique<Output>(written_, broken_); });
  }
  // A quiet game begins as a new mission would.
  void BeginMission() {
    JournalNewMission(1, SkillLevel::Crewman);
    StartQuietGame();
    JournalPlayBegins();
  }

  HeadlessHost host_;
  fs::path folder_;
  std::string written_;
  bool broken_ = false;
  std::vector<std::string> problems_;
};

TEST_F(JournalRecorder, LinesReachTheDiskOnceASecondAndAtOnceOnASave) {
  RecordInMemory();
  BeginMission();
  const std::size_t header = written_.size();
  EXPECT_NE(written_.find("start new 1 0\n"), std::string::npos);
  EXPECT_NE(written_.find(" check "), std::string::npos) << "the start's checkpoint is written with the header";

  host_.now += 400;
  CommitShieldTransfer(2500, 500);
  EXPECT_EQ(written_.size(), header) << "a commit is kept until a second has passed";
  host_.now += 700;
  CommitShieldTransfer(2400, 600);
  EXPECT_NE(written_.find("5400 shields 2500 500\n6100 shields 2400 600\n"), std::string::npos);

  CommitShieldTransfer(2300, 700);
  coreState.game.gameFilePath = (folder_ / "saved.gam").string();
  ASSERT_TRUE(SaveGame());
  EXPECT_NE(written_.find("6100 shields 2300 700\n6100 save\n6100 check "), std::string::npos);
}

TEST_F(JournalRecorder, AFailingDiskStopsTheJournalWithOneMessageAndTheGameGoesOn) {
  RecordInMemory();
  BeginMission();
  broken_ = true;
  for (int i = 0; i < 5; ++i) {
    host_.now += 1500;
    CommitShieldTransfer(2500 - i, 500 + i);
  }
  EXPECT_EQ(problems_, std::vector<std::string>{"the journal could not be written"});
  EXPECT_EQ(coreState.game.shieldEnergy, 504) << "every commit was carried out";
  broken_ = false;
  CommitShieldTransfer(2000, 1000);
  EXPECT_EQ(written_.find(" shields "), std::string::npos) << "a stopped journal stays stopped";
}

TEST_F(JournalRecorder, AFullDiskIsAFailingDisk) {
  Record([this] { return CreateJournalFile((folder_ / "full.journal").string()); });
  BeginMission();
  {
    const FileSizeLimit limit(fs::file_size(folder_ / "full.journal") + 10);
    host_.now += 1500;
    CommitShieldTransfer(2500, 500);
  }
  EXPECT_EQ(problems_.size(), 1u);
  EXPECT_EQ(coreState.game.shieldEnergy, 500);
}

TEST_F(JournalRecorder, AJournalThatCannotBeginIsToldAndTheMissionPlaysOn) {
  std::ofstream(folder_ / "taken") << "a file where the folder should be";
  Record([this]() -> std::unique_ptr<JournalOutput> {
    std::string reason;
    auto journal = BeginJournalIn((folder_ / "taken").string(), "20261209-080000", JournalsKept, &reason);
    if (!journal) problems_.push_back(reason);
    return journal;
  });
  BeginMission();
  ASSERT_EQ(problems_.size(), 1u);
  EXPECT_NE(problems_[0].find("taken"), std::string::npos) << problems_[0];
  CommitShieldTransfer(2500, 500);
  EXPECT_EQ(coreState.game.shieldEnergy, 500);
}

TEST_F(JournalRecorder, AMissionBegunDuringAnotherRecordsWaitStartsAJournalOfItsOwn) {
  std::vector<std::unique_ptr<std::string>> journals;
  Record([&journals, this] {
    journals.push_back(std::make_unique<std::string>());
    return std::make_unique<Output>(*journals.back(), broken_);
  });
  BeginMission();
  {
    // File > New given while an alien's turn lets the windows work.
    const JournalEvent pass(MakeJournalRecord(JournalKind::Idle, {host_.now}));
    const JournalWait wait;
    JournalMissionEnds();
    BeginMission();
  }
  host_.now += 2000;
  CommitShieldTransfer(2500, 500);
  CloseJournal();
  ASSERT_EQ(journals.size(), 2u);
  EXPECT_NE(journals[0]->find(" end\n"), std::string::npos);
  EXPECT_NE(journals[1]->find("\n7000 shields 2500 500\n"), std::string::npos) << *journals[1];
  EXPECT_EQ(journals[1]->find("@"), std::string::npos) << "nothing of the old mission's record runs on in it";
}

TEST_F(JournalRecorder, TheFolderKeepsTheLastFiftyJournals) {
  for (int i = 0; i < 55; ++i) std::ofstream(folder_ / ("20260101-0000" + std::to_string(10 + i) + ".journal"));
  std::ofstream(folder_ / "notes.txt") << "not a journal";
  ASSERT_TRUE(BeginJournalIn(folder_.string(), "20261209-080000"));
  const std::vector<std::string> kept = JournalsIn(folder_.string());
  ASSERT_EQ(kept.size(), JournalsKept);
  EXPECT_EQ(fs::path(kept.front()).filename(), "20260101-000016.journal");
  EXPECT_EQ(fs::path(kept.back()).filename(), "20261209-080000.journal");
  EXPECT_TRUE(fs::exists(folder_ / "notes.txt"));
  ASSERT_TRUE(BeginJournalIn(folder_.string(), "20261209-080000"));
  EXPECT_TRUE(fs::exists(folder_ / "20261209-080000-2.journal")) << "a second mission begun in the same second";
}
}  // namespace
