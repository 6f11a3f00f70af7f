// The flight recorder against its replay: a mission played through the rules with the
// journal on replays to the very same saved game, and a journal that the game does not follow
// is stopped at the record where the two part.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "core/core_state.h"
#include "core/file_io.h"
#include "core/game_files.h"
#include "core/journal_recorder.h"
#include "core/new_game.h"
#include "core/options.h"
#include "core/random.h"
#include "core/saved_game.h"
#include "core/shield_transfer.h"
#include "sector/idle_pass.h"
#include "sector/phasers.h"
#include "sector/scan_animation.h"
#include "sector/scan_requests.h"
#include "sector/sector_reset.h"
#include "sector/torpedoes.h"
#include "tools/console_host.h"
#include "tools/journal_replay.h"

namespace {
constexpr std::uint32_t StartTick = 1000000;

class MemoryJournal : public JournalOutput {
 public:
  explicit MemoryJournal(std::string& text) : text_(text) {}
  bool Write(std::string_view text) override {
    text_ += text;
    return true;
  }
  bool Flush() override { return true; }

 private:
  std::string& text_;
};

// A bridge whose windows keep working during the rules' waits: every third wait the scan's stars
// twinkle and the shields' shimmer draws from the random source, as the game's timers would.
class BusyBridge : public ConsoleHost {
 public:
  void PumpPendingMessages() override {
    const JournalWait wait;
    ConsoleHost::PumpPendingMessages();
    TimersMayFire();
  }
  void WaitPumping(std::uint32_t ms) override {
    const JournalWait wait;
    ConsoleHost::WaitPumping(ms);
    TimersMayFire();
  }
  // On a loaded machine the clock moves on while the rules run: a millisecond a reading.
  std::uint32_t TickCount() override { return creeping ? now++ : now; }
  bool creeping = false;

 private:
  void TimersMayFire() {
    if (++waits_ % 3 != 0) return;
    StepScanAnimation();
    lcg::rand();
  }
  int waits_ = 0;
};

void NoDuty() {}

// The idle passes the game's loop would make over `ms` with no message arriving.
void LetTimePass(HeadlessHost& clock, std::uint32_t ms) {
  const std::uint32_t end = clock.now + ms;
  while (coreState.game.gamePhase != GamePhase::GameOver && coreState.game.gamePhase != GamePhase::NoGame) {
    const NextIdlePass next = RunIdlePass({NoDuty, NoDuty}, clock.now);
    if (next.kind == NextIdlePass::Immediately) continue;
    if (next.kind == NextIdlePass::AfterNextMessage) break;
    const std::uint32_t tick = NextPassTick(next, clock.now);
    if (static_cast<std::int32_t>(end - tick) < 0) break;
    clock.now = tick;
  }
  clock.now = end;
}

class JournalReplay : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSectorState(bridge_);
    bridge_.now = StartTick;
    coreState.game.nextClockTick = StartTick + ClockStepPeriod;
    JournalSettings settings;
    settings.program = "test";
    settings.checkEvery = 1;
    settings.open = [this] {
      journals_.push_back(std::make_unique<std::string>());
      return std::make_unique<MemoryJournal>(*journals_.back());
    };
    SetJournalRecording(std::move(settings));
  }
  void TearDown() override { SetJournalRecording({}); }

  // A mission at Captain's skill: shields, a warp, both weapons, console commands with a
  // ricochet, time in and out of red alert, then a save and a reload and a little more play.
  void PlayMission() {
    coreState.options.skillSetting = SkillLevel::Captain;
    coreState.game.skillLevel = SkillLevel::Captain;
    lcg::Seed(20261209);
    NewGame();
    const auto going = [] { return coreState.game.gamePhase != GamePhase::GameOver; };
    CommitShieldTransfer(coreState.game.shipEnergy - 600, coreState.game.shieldEnergy + 600);
    LetTimePass(bridge_, 50000);
    if (going()) RequestMove(45, 0, 3);
    if (going()) LetTimePass(bridge_, 30000);
    if (going()) ExecutePhasers(coreState.game, host(), host(), 300, false, SendNow);
    if (going()) ExecuteTorpedo(coreState.game, host(), 90, 4, SendNow);
    for (const char* line : {"LOC", "SCA", "RIC"})
      if (going()) bridge_.TypeLine(line);
    if (going()) LetTimePass(bridge_, 120000);
    if (going()) RequestMove(180, 2, 0);
    // Each test its own file: ctest runs them side by side.
    const std::string title = std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".gam";
    saveFile_ = ::testing::TempDir() + "/" + title;
    coreState.game.gameFilePath = saveFile_;
    coreState.game.gameFileTitle = title;
    ASSERT_TRUE(SaveGame());
    ASSERT_TRUE(LoadGame());
    LetTimePass(bridge_, 60000);
    if (going()) RequestMove(300, 0, 2);
    played_ = EncodeSavedGame(coreState.game);
    CloseJournal();
  }

  static ReplayOutcome Replay(const std::string& text, std::optional<std::uint32_t> until = {}) {
    const JournalReading reading = ParseJournal(text);
    EXPECT_TRUE(reading.journal) << reading.line << ": " << reading.problem;
    if (!reading.journal) return {};
    ReplayHost replayHost;
    return ReplayJournal(*reading.journal, replayHost, until);
  }

  BusyBridge bridge_;
  std::vector<std::unique_ptr<std::string>> journals_;
  std::string saveFile_;
  std::vector<std::uint8_t> played_;
};

TEST_F(JournalReplay, AMissionReplaysToTheSameSavedGameAcrossASaveAndAReload) {
  PlayMission();
  ASSERT_EQ(journals_.size(), 2u);  // the reload begins a journal of its own
  const std::string first = *journals_[0], second = *journals_[1];
  for (const char* kind : {" shields ", " move ", " charge ", " phasers ", " torpedo ", " console ", " idle ",
                           " frames", " random ", " save", " check ", " end"})
    EXPECT_NE(first.find(kind), std::string::npos) << kind;
  EXPECT_NE(first.find("\n@"), std::string::npos) << "nothing came during a wait";
  EXPECT_NE(second.find("start load "), std::string::npos);

  const ReplayOutcome mission = Replay(first);
  EXPECT_TRUE(mission.Ok()) << mission.problem;
  EXPECT_TRUE(mission.ended);
  EXPECT_GT(mission.checks, 10);
  // Nothing happened between the save and the reload that ended this journal.
  EXPECT_EQ(EncodeSavedGame(coreState.game), ReadWholeFile(saveFile_, MaxSavedGameSize).bytes);

  const ReplayOutcome reloaded = Replay(second);
  EXPECT_TRUE(reloaded.Ok()) << reloaded.problem;
  EXPECT_FALSE(reloaded.ended);  // the program stopped with the mission running
  EXPECT_EQ(EncodeSavedGame(coreState.game), played_);
}

TEST_F(JournalReplay, AMissionPlayedWhileTheClockMovesOnUnderTheRulesStillReplaysExactly) {
  bridge_.creeping = true;
  PlayMission();
  ASSERT_FALSE(journals_.empty());
  const ReplayOutcome mission = Replay(*journals_[0]);
  EXPECT_TRUE(mission.Ok()) << mission.problem;
}

TEST_F(JournalReplay, TheFirstCheckpointThatDiffersStopsTheReplayWithItsTickAndFields) {
  PlayMission();
  std::string text = *journals_[0];
  // The commit put 600 more units into the shields; the journal now says 601.
  const std::size_t at = text.find(" shields ");
  const std::size_t end = text.find('\n', at);
  const std::string original = text.substr(at, end - at);
  const int ship = std::stoi(original.substr(9)), shield = std::stoi(original.substr(original.rfind(' ') + 1));
  const std::string tampered = " shields " + std::to_string(ship - 1) + " " + std::to_string(shield + 1);
  text.replace(at, end - at, tampered);
  const int line = static_cast<int>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(at), '\n')) + 1;
  const std::string tick = text.substr(text.rfind('\n', at) + 1, at - text.rfind('\n', at) - 1);

  const ReplayOutcome outcome = Replay(text);
  ASSERT_FALSE(outcome.Ok());
  // The next line is the checkpoint that no longer agrees.
  const std::string expected = "line " + std::to_string(line + 1) + ", tick " + tick +
                               ": the game differs from the journal's checkpoint after \"shields " +
                               std::to_string(ship - 1) + " " + std::to_string(shield + 1) + "\" (line " +
                               std::to_string(line) + ")\n  energy: journal " + std::to_string(ship) + ", replay " +
                               std::to_string(ship - 1) + "\n  shields: journal " + std::to_string(shield) +
                               ", replay " + std::to_string(shield + 1) + "\n  saved game: journal ";
  EXPECT_EQ(outcome.problem.substr(0, expected.size()), expected);
  EXPECT_EQ(outcome.tick, static_cast<std::uint32_t>(std::stoul(tick)));
}

TEST_F(JournalReplay, ARecordInAWaitThatNeverCameStopsTheReplay) {
  PlayMission();
  std::string text = *journals_[0];
  const std::size_t shields = text.find(" shields ");
  const std::size_t next = text.find('\n', shields) + 1;
  text.insert(next, "@1 1000000 frames\n");
  const int line =
      static_cast<int>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(next), '\n')) + 1;
  const ReplayOutcome outcome = Replay(text);
  EXPECT_EQ(outcome.problem, "line " + std::to_string(line) +
                                 ", tick 1000000: it came during a wait that the record before it never made");
}

TEST_F(JournalReplay, UntilStopsAtTheLastRecordAtOrBeforeItsTick) {
  PlayMission();
  const ReplayOutcome all = Replay(*journals_[0]);
  const ReplayOutcome part = Replay(*journals_[0], StartTick + 40000);
  EXPECT_TRUE(part.Ok()) << part.problem;
  EXPECT_FALSE(part.ended);
  EXPECT_LE(part.tick, StartTick + 40000);
  EXPECT_LT(part.records, all.records);
  EXPECT_GT(part.records, 1);
}
}  // namespace
