#include "core/journal_recorder.h"

#include <vector>

#include "core/host.h"
#include "core/random.h"
#include "core/saved_game.h"

namespace {
// What is running while the recorder listens: records whose rules run, and waits inside them.
enum class Running { Record, Wait };

struct Recorder {
  JournalSettings settings;
  std::unique_ptr<JournalOutput> output;
  std::optional<JournalStart> starting;  // between a mission's start and its play
  std::vector<Running> running;
  std::string pending;            // the lines of the record running at the top, until it is over
  std::string unwritten;          // lines not yet handed to the output
  int waits = 0;                  // waits so far in the record running at the top
  std::uint32_t randomState = 0;  // the random source as the rules last left it
  int sinceCheck = 0;             // records since the last checkpoint
  std::uint32_t lastFlush = 0;
};

Recorder recorder;

// A record here would be the doing of the one running: only what comes in a wait is news.
bool Heard() { return recorder.running.empty() || recorder.running.back() == Running::Wait; }

void Stop(const std::string& problem) {
  recorder.output.reset();
  recorder.running.clear();
  recorder.pending.clear();
  recorder.unwritten.clear();
  if (!problem.empty() && recorder.settings.failed) recorder.settings.failed(problem);
}

// Hands the lines kept so far to the output and onto the disk, when `due`.
void HandOver(bool due) {
  if (!recorder.output || !due) return;
  if (!recorder.output->Write(recorder.unwritten) || !recorder.output->Flush())
    return Stop("the journal could not be written");
  recorder.unwritten.clear();
  recorder.lastFlush = TickCount();
}

bool FlushDue() { return TickCount() - recorder.lastFlush >= recorder.settings.flushMs; }

// Adds a line where the record stands: among the running record's lines, or at the top.
void Append(JournalRecord record) {
  record.tick = TickCount();
  if (record.kind != JournalKind::Check) ++recorder.sinceCheck;
  if (!recorder.running.empty()) record.pump = recorder.waits;
  (recorder.running.empty() ? recorder.unwritten : recorder.pending) += FormatJournalRecord(record);
}

// The bridge drew from the random source since the rules last did: its state goes first.
void NoteRandomDraws() {
  if (lcg::State() == recorder.randomState) return;
  recorder.randomState = lcg::State();
  Append(MakeJournalRecord(JournalKind::Random, {recorder.randomState}));
}

void Checkpoint() {
  JournalRecord check = MakeJournalRecord(JournalKind::Check);
  check.check = CheckpointOf(game);
  Append(std::move(check));
  recorder.sinceCheck = 0;
}

// A record at the top is over: its lines join the rest, with a checkpoint now and then.
void TopRecordOver() {
  recorder.unwritten += recorder.pending;
  recorder.pending.clear();
  recorder.waits = 0;
  if (recorder.sinceCheck >= recorder.settings.checkEvery) Checkpoint();
  HandOver(FlushDue());
}

void RecordEnds() {
  recorder.running.pop_back();
  recorder.randomState = lcg::State();
  if (recorder.running.empty()) TopRecordOver();
}

std::uint64_t GameFingerprint() {
  std::uint64_t print = SavedGameHash(game);
  for (const std::uint64_t figure :
       {static_cast<std::uint64_t>(lcg::State()), static_cast<std::uint64_t>(game.gamePhase),
        static_cast<std::uint64_t>(game.resetAlienClocks), static_cast<std::uint64_t>(game.nextClockTick),
        static_cast<std::uint64_t>(game.changeCount)})
    print = (print ^ figure) * 0x100000001b3ull;
  return print;
}
}  // namespace

void SetJournalRecording(JournalSettings settings) {
  CloseJournal();
  recorder.settings = std::move(settings);
}

bool JournalRecording() { return static_cast<bool>(recorder.settings.open); }

void CloseJournal() {
  recorder.unwritten += recorder.pending;
  HandOver(true);
  Stop({});
  recorder.starting.reset();
}

void JournalNewMission(std::uint32_t seed, SkillLevel skill) {
  if (!JournalRecording()) return;
  recorder.starting = JournalStart{};
  recorder.starting->seed = seed;
  recorder.starting->skill = skill;
}

void JournalLoadedGame(const GameState& loaded) {
  if (!JournalRecording()) return;
  recorder.starting = JournalStart{};
  recorder.starting->newMission = false;
  recorder.starting->savedGame = EncodeSavedGame(loaded);
}

void JournalPlayBegins() {
  if (!recorder.starting) return;
  JournalStart start = std::move(*recorder.starting);
  recorder.starting.reset();
  CloseJournal();
  recorder.output = recorder.settings.open ? recorder.settings.open() : nullptr;
  if (!recorder.output) return;
  start.randomState = recorder.randomState = lcg::State();
  start.tick = TickCount();
  start.nextClockTick = game.nextClockTick;
  recorder.unwritten = FormatJournalHeader(recorder.settings.program, start);
  Checkpoint();
  HandOver(true);
}

void JournalSaved() {
  if (!recorder.output || !Heard()) return;
  Append(MakeJournalRecord(JournalKind::Save));
  Checkpoint();
  if (recorder.running.empty()) HandOver(true);
}

void JournalMissionEnds() {
  if (!recorder.output) return;
  recorder.unwritten += recorder.pending;
  recorder.pending.clear();
  recorder.running.clear();
  NoteRandomDraws();
  Checkpoint();
  Append(MakeJournalRecord(JournalKind::End));
  CloseJournal();
}

JournalEvent::JournalEvent(JournalRecord record, bool transparent) {
  if (!recorder.output || !Heard()) return;
  NoteRandomDraws();
  Append(std::move(record));
  written_ = true;
  if (transparent) return;
  recorder.running.push_back(Running::Record);
  scoped_ = true;
}

JournalEvent::~JournalEvent() {
  if (!written_ || !recorder.output) return;
  if (scoped_) {
    RecordEnds();
    return;
  }
  recorder.randomState = lcg::State();
  if (recorder.running.empty()) TopRecordOver();
}

JournalIdlePass::JournalIdlePass(std::uint32_t lastMessageTime) {
  if (!recorder.output || !Heard()) return;
  NoteRandomDraws();
  watching_ = true;
  messageTime_ = lastMessageTime;
  tick_ = TickCount();
  if (!recorder.running.empty()) pump_ = recorder.waits;
  offset_ = recorder.pending.size();
  before_ = GameFingerprint();
  recorder.running.push_back(Running::Record);
}

JournalIdlePass::~JournalIdlePass() {
  if (!watching_ || !recorder.output) return;
  recorder.running.pop_back();
  const bool top = recorder.running.empty();
  std::string& lines = top ? recorder.unwritten : recorder.pending;
  const bool heardMeanwhile = top ? !recorder.pending.empty() : recorder.pending.size() > offset_;
  // A pass that did nothing leaves no line; one that did goes before what came in its waits.
  const bool acted = GameFingerprint() != before_ || heardMeanwhile;
  if (acted) {
    JournalRecord pass = MakeJournalRecord(JournalKind::Idle, {messageTime_});
    pass.tick = tick_;
    pass.pump = pump_;
    lines.insert(top ? lines.size() : offset_, FormatJournalRecord(pass));
    ++recorder.sinceCheck;
  }
  recorder.randomState = lcg::State();
  if (top) TopRecordOver();
}

JournalWait::JournalWait() {
  if (!recorder.output || recorder.running.empty()) return;
  ++recorder.waits;
  recorder.running.push_back(Running::Wait);
  recorder.randomState = lcg::State();
  counted_ = true;
}

JournalWait::~JournalWait() {
  if (!counted_ || !recorder.output) return;
  NoteRandomDraws();
  recorder.running.pop_back();
  recorder.randomState = lcg::State();
}
