#include "core/journal_recorder.h"

#include <vector>

#include "core/core_state.h"
#include "core/host.h"
#include "core/random.h"
#include "core/saved_game.h"

namespace {
JournalRecorderState& flightRecorder() { return coreState.flightRecorder; }

// A record here would be the doing of the one running: only what comes in a wait is news.
bool Heard() { return flightRecorder().running.empty() || flightRecorder().running.back() == JournalRunning::Wait; }

void Stop(const std::string& problem) {
  ++flightRecorder().generation;
  flightRecorder().output.reset();
  flightRecorder().running.clear();
  flightRecorder().pending.clear();
  flightRecorder().unwritten.clear();
  if (!problem.empty() && flightRecorder().settings.failed) flightRecorder().settings.failed(problem);
}

// Whether a record or wait begun with journal `journal` still takes part in the one written.
bool StillWriting(int journal) { return journal == flightRecorder().generation && flightRecorder().output; }

// Hands the lines kept so far to the output and onto the disk, when `due`.
void HandOver(bool due) {
  if (!flightRecorder().output || !due || flightRecorder().unwritten.empty()) return;
  if (!flightRecorder().output->Write(flightRecorder().unwritten) || !flightRecorder().output->Flush())
    return Stop("the journal could not be written");
  flightRecorder().unwritten.clear();
  flightRecorder().lastFlush = TickCount();
}

bool FlushDue() { return TickCount() - flightRecorder().lastFlush >= flightRecorder().settings.flushMs; }

// Adds a line where the record stands: among the running record's lines, or at the top.
void Append(JournalRecord record) {
  record.tick = TickCount();
  if (record.kind != JournalKind::Check) ++flightRecorder().sinceCheck;
  if (!flightRecorder().running.empty()) record.pump = flightRecorder().waits;
  (flightRecorder().running.empty() ? flightRecorder().unwritten : flightRecorder().pending) +=
      FormatJournalRecord(record);
}

// The bridge drew from the random source since the rules last did: its state goes first.
void NoteRandomDraws() {
  if (lcg::State() == flightRecorder().randomState) return;
  flightRecorder().randomState = lcg::State();
  Append(MakeJournalRecord(JournalKind::Random, {flightRecorder().randomState}));
}

void Checkpoint() {
  JournalRecord check = MakeJournalRecord(JournalKind::Check);
  check.check = CheckpointOf(coreState.game);
  Append(std::move(check));
  flightRecorder().sinceCheck = 0;
}

// A record at the top is over: its lines join the rest, with a checkpoint now and then.
void TopRecordOver() {
  flightRecorder().unwritten += flightRecorder().pending;
  flightRecorder().pending.clear();
  flightRecorder().waits = 0;
  if (flightRecorder().sinceCheck >= flightRecorder().settings.checkEvery) Checkpoint();
  HandOver(FlushDue());
}

void RecordEnds() {
  flightRecorder().running.pop_back();
  flightRecorder().randomState = lcg::State();
  if (flightRecorder().running.empty()) TopRecordOver();
}

std::uint64_t GameFingerprint() {
  std::uint64_t print = SavedGameHash(coreState.game);
  for (const std::uint64_t figure :
       {static_cast<std::uint64_t>(lcg::State()), static_cast<std::uint64_t>(coreState.game.gamePhase),
        static_cast<std::uint64_t>(coreState.game.resetAlienClocks),
        static_cast<std::uint64_t>(coreState.game.nextClockTick),
        static_cast<std::uint64_t>(coreState.game.changeCount)})
    print = (print ^ figure) * 0x100000001b3ull;
  return print;
}
}  // namespace

void SetJournalRecording(JournalSettings settings) {
  CloseJournal();
  flightRecorder().settings = std::move(settings);
}

bool JournalRecording() { return static_cast<bool>(flightRecorder().settings.open); }

void CloseJournal() {
  flightRecorder().unwritten += flightRecorder().pending;
  HandOver(true);
  Stop({});
  flightRecorder().starting.reset();
}

void JournalNewMission(std::uint32_t seed, SkillLevel skill) {
  if (!JournalRecording()) return;
  flightRecorder().starting = JournalStart{};
  flightRecorder().starting->seed = seed;
  flightRecorder().starting->skill = skill;
}

void JournalLoadedGame(const GameState& loaded) {
  if (!JournalRecording()) return;
  flightRecorder().starting = JournalStart{};
  flightRecorder().starting->newMission = false;
  flightRecorder().starting->savedGame = EncodeSavedGame(loaded);
}

void JournalPlayBegins() {
  if (!flightRecorder().starting) return;
  JournalStart start = std::move(*flightRecorder().starting);
  flightRecorder().starting.reset();
  CloseJournal();
  flightRecorder().output = flightRecorder().settings.open ? flightRecorder().settings.open() : nullptr;
  if (!flightRecorder().output) return;
  start.randomState = flightRecorder().randomState = lcg::State();
  start.tick = TickCount();
  start.nextClockTick = coreState.game.nextClockTick;
  flightRecorder().unwritten = FormatJournalHeader(flightRecorder().settings.program, start);
  Checkpoint();
  HandOver(true);
}

void JournalSaved() {
  if (!flightRecorder().output || !Heard()) return;
  Append(MakeJournalRecord(JournalKind::Save));
  Checkpoint();
  if (flightRecorder().running.empty()) HandOver(true);
}

void JournalMissionEnds() {
  if (!flightRecorder().output) return;
  flightRecorder().unwritten += flightRecorder().pending;
  flightRecorder().pending.clear();
  flightRecorder().running.clear();
  NoteRandomDraws();
  Checkpoint();
  Append(MakeJournalRecord(JournalKind::End));
  CloseJournal();
}

JournalEvent::JournalEvent(JournalRecord record, bool transparent) {
  if (!flightRecorder().output || !Heard()) return;
  NoteRandomDraws();
  Append(std::move(record));
  journal_ = flightRecorder().generation;
  if (transparent) return;
  flightRecorder().running.push_back(JournalRunning::Record);
  scoped_ = true;
}

JournalEvent::~JournalEvent() {
  if (!StillWriting(journal_)) return;
  if (scoped_) {
    RecordEnds();
    return;
  }
  flightRecorder().randomState = lcg::State();
  if (flightRecorder().running.empty()) TopRecordOver();
}

JournalIdlePass::JournalIdlePass(std::uint32_t lastMessageTime, std::uint32_t now) {
  if (!flightRecorder().output || !Heard()) return;
  // The bridge's draws since the last record are noted only if the pass acts: an idle game
  // with its shields shimmering would otherwise fill the journal with them.
  randomBefore_ = lcg::State();
  notedBefore_ = flightRecorder().randomState;
  journal_ = flightRecorder().generation;
  messageTime_ = lastMessageTime;
  tick_ = now;
  if (!flightRecorder().running.empty()) pump_ = flightRecorder().waits;
  offset_ = flightRecorder().pending.size();
  before_ = GameFingerprint();
  flightRecorder().running.push_back(JournalRunning::Record);
}

JournalIdlePass::~JournalIdlePass() {
  if (!StillWriting(journal_)) return;
  flightRecorder().running.pop_back();
  const bool top = flightRecorder().running.empty();
  std::string& lines = top ? flightRecorder().unwritten : flightRecorder().pending;
  const bool heardMeanwhile = top ? !flightRecorder().pending.empty() : flightRecorder().pending.size() > offset_;
  // A pass that did nothing leaves no line; one that did goes before what came in its waits.
  const bool acted = GameFingerprint() != before_ || heardMeanwhile;
  if (!acted) {
    flightRecorder().randomState = notedBefore_;
    if (top) TopRecordOver();
    return;
  }
  std::string opening;
  for (JournalRecord record : {MakeJournalRecord(JournalKind::Random, {randomBefore_}),
                               MakeJournalRecord(JournalKind::Idle, {messageTime_})}) {
    if (record.kind == JournalKind::Random && randomBefore_ == notedBefore_) continue;
    record.tick = tick_;
    record.pump = pump_;
    opening += FormatJournalRecord(record);
    ++flightRecorder().sinceCheck;
  }
  lines.insert(top ? lines.size() : offset_, opening);
  flightRecorder().randomState = lcg::State();
  if (top) TopRecordOver();
}

JournalWait::JournalWait() {
  if (!flightRecorder().output || flightRecorder().running.empty()) return;
  ++flightRecorder().waits;
  flightRecorder().running.push_back(JournalRunning::Wait);
  flightRecorder().randomState = lcg::State();
  journal_ = flightRecorder().generation;
}

JournalWait::~JournalWait() {
  if (!StillWriting(journal_)) return;
  NoteRandomDraws();
  flightRecorder().running.pop_back();
  flightRecorder().randomState = lcg::State();
}
