#include "sector/journal_replay.h"

#include "core/core_state.h"
#include "core/format_text.h"
#include "core/game_files.h"
#include "core/new_game.h"
#include "core/options.h"
#include "core/random.h"
#include "core/saved_game.h"
#include "core/shield_transfer.h"
#include "sector/console_commands.h"
#include "sector/idle_pass.h"
#include "sector/phasers.h"
#include "sector/scan_animation.h"
#include "sector/scan_requests.h"

namespace {
void NoAmbience() {}
void NoEndSequence() {}
}  // namespace

std::string JournalReplay::Where(std::size_t index) const {
  const JournalRecord& record = journal_.records[index];
  return FormatText("line %d, tick %u", journal_.lines[index], record.tick);
}

bool JournalReplay::Start() {
  const JournalStart& start = journal_.start;
  seams_.setClock(start.tick);
  coreState.game.nextClockTick = start.nextClockTick;
  if (start.newMission) {
    coreState.options.skillSetting = start.skill;
    coreState.game.skillLevel = start.skill;
    lcg::Seed(start.seed);
    NewGame();
  } else {
    GameState loaded;
    if (const DecodeOutcome decoded = DecodeSavedGame(start.savedGame, loaded); !decoded.Ok()) {
      outcome_.problem = "the journal's saved game is not a game: " + decoded.problem;
      return false;
    }
    StartSavedGame(std::move(loaded));
  }
  lcg::Seed(start.randomState);
  coreState.game.nextClockTick = start.nextClockTick;
  return true;
}

void JournalReplay::CarryOut(std::size_t index) {
  const JournalRecord& record = journal_.records[index];
  const auto figure = [&record](std::size_t i) { return static_cast<int>(record.numbers[i]); };
  ++outcome_.records;
  outcome_.tick = record.tick;
  if (record.kind != JournalKind::Check) {
    lastCommand_ = index;
    anyCommand_ = true;
  }
  switch (record.kind) {
    case JournalKind::Move: RequestMove(figure(0), figure(1), figure(2)); break;
    case JournalKind::Torpedo: RequestTorpedo(figure(0), figure(1)); break;
    case JournalKind::Ricochet: RequestRicochet(); break;
    // The request the payment sent is a record of its own.
    case JournalKind::PhaserCharge:
      ExecutePhasers(coreState.game, host(), host(), figure(0), figure(1) != 0, [](const auto&) {});
      break;
    case JournalKind::Phasers: RequestPhasers(figure(0), figure(1) != 0); break;
    case JournalKind::Shields: CommitShieldTransfer(figure(0), figure(1)); break;
    case JournalKind::Console: ExecuteConsoleLine(WholeConsoleWorld(coreState.game, host()), record.text); break;
    case JournalKind::Idle: RunIdlePass({NoAmbience, NoEndSequence}, record.numbers[0]); break;
    case JournalKind::Frames: seams_.stepFrames ? seams_.stepFrames() : static_cast<void>(StepScanAnimation()); break;
    case JournalKind::Random: lcg::Seed(record.numbers[0]); break;
    case JournalKind::Save: break;
    case JournalKind::Check: Compare(index); break;
    case JournalKind::End: outcome_.ended = true; break;
  }
  if (seams_.afterRecord) seams_.afterRecord();
}

// What came during this wait of the running record, in the order it came.
void JournalReplay::Waited() {
  ++waits_;
  while (outcome_.Ok() && next_ < journal_.records.size() && journal_.records[next_].pump == waits_) CarryOut(next_++);
}

void JournalReplay::Compare(std::size_t index) {
  const JournalCheck& expected = journal_.records[index].check;
  const JournalCheck actual = CheckpointOf(coreState.game);
  if (actual == expected) {
    ++outcome_.checks;
    return;
  }
  std::string problem = Where(index) + ": the game differs from the journal's checkpoint";
  if (anyCommand_)
    problem += FormatText(" after \"%s\" (line %d)", DescribeJournalRecord(journal_.records[lastCommand_]).c_str(),
                          journal_.lines[lastCommand_]);
  for (std::size_t i = 0; i < expected.fields.size() && i < actual.fields.size(); ++i)
    if (expected.fields[i].second != actual.fields[i].second)
      problem += FormatText("\n  %s: journal %s, replay %s", expected.fields[i].first.c_str(),
                            expected.fields[i].second.c_str(), actual.fields[i].second.c_str());
  problem += FormatText("\n  saved game: journal %016llx, replay %016llx",
                        static_cast<unsigned long long>(expected.hash), static_cast<unsigned long long>(actual.hash));
  outcome_.problem = problem;
}

std::optional<std::uint32_t> JournalReplay::NextTick() const {
  if (!outcome_.Ok() || outcome_.ended || next_ >= journal_.records.size()) return {};
  return journal_.records[next_].tick;
}

bool JournalReplay::Step(std::optional<std::uint32_t> until) {
  if (!NextTick()) return false;
  const std::size_t index = next_;
  const JournalRecord& record = journal_.records[index];
  if (record.pump != 0) {
    ++next_;
    outcome_.problem = Where(index) + ": it came during a wait that the record before it never made";
    return false;
  }
  if (until && record.tick > *until) return false;
  ++next_;
  seams_.setClock(record.tick);
  waits_ = 0;
  CarryOut(index);
  return true;
}

ReplayOutcome JournalReplay::Finish() {
  if (outcome_.Ok() && outcome_.ended && next_ < journal_.records.size())
    outcome_.problem = Where(next_) + ": a record after the mission's end";
  return outcome_;
}
