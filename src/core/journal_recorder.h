#pragma once
// The flight recorder: while it is on, every mission is written to its journal as it is
// played (journal_format.h). The rules tell it what happens at the one place each thing
// passes: a mission's start and end, the commands that reach the rules, the idle passes, the
// scan's frames; the Host tells it when the rules wait with the windows working, so that what
// arrives meanwhile is placed in the wait it came in.
//
// Lines are kept in memory and handed to the output at safe points, at least once a second
// while the game runs. An output that fails stops the journal, once, with `failed` told; the
// game goes on.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "core/game_state.h"
#include "core/journal_format.h"

// Where a journal's lines go.
class JournalOutput {
 public:
  virtual ~JournalOutput() = default;
  virtual bool Write(std::string_view text) = 0;
  virtual bool Flush() = 0;  // onto the disk
};

struct JournalSettings {
  // Opens the journal of a mission that begins; null when it cannot (`failed` is then told).
  std::function<std::unique_ptr<JournalOutput>()> open;
  std::function<void(const std::string& problem)> failed;
  std::string program;  // the program's version, for the header
  int checkEvery = 16;  // records between checkpoints
  std::uint32_t flushMs = 1000;
};

// Records every mission from the next one on; an empty `open` turns the recorder off (a
// journal being written is ended first).
void SetJournalRecording(JournalSettings settings);
bool JournalRecording();
// The journal being written is finished as it stands, with its lines flushed, but without its
// "end": the program stops with the mission still running.
void CloseJournal();

// The mission's start: a new one before its first draw, a loaded one before it is adopted,
// then the moment play begins, once the bridge stands.
void JournalNewMission(std::uint32_t seed, SkillLevel skill);
void JournalLoadedGame(const GameState& loaded);
void JournalPlayBegins();
// The game was saved; the mission ended (before its game is cleared away).
void JournalSaved();
void JournalMissionEnds();

// One record around the rule it stands for. A record made while another runs is the other's
// own doing and is not written, unless it arrived during one of the other's waits.
// `transparent` records (a station's payment before its request) let what they call be written.
class JournalEvent {
 public:
  explicit JournalEvent(JournalRecord record, bool transparent = false);
  ~JournalEvent();
  JournalEvent(const JournalEvent&) = delete;
  JournalEvent& operator=(const JournalEvent&) = delete;

 private:
  int journal_ = 0;  // the journal it was written to; 0 when it was not
  bool scoped_ = false;
};

// An idle pass: written only when it changed the game or the random source.
class JournalIdlePass {
 public:
  JournalIdlePass(std::uint32_t lastMessageTime, std::uint32_t now);
  ~JournalIdlePass();
  JournalIdlePass(const JournalIdlePass&) = delete;
  JournalIdlePass& operator=(const JournalIdlePass&) = delete;

 private:
  int journal_ = 0;
  std::uint32_t messageTime_ = 0, tick_ = 0;
  std::uint32_t randomBefore_ = 0, notedBefore_ = 0;  // the random source, and as last noted
  int pump_ = 0;
  std::size_t offset_ = 0;
  std::uint64_t before_ = 0;
};

// A wait of the rules with the windows working: every PumpPendingMessages and WaitPumping of a
// Host that lets anything happen meanwhile holds one while it runs (the replay counts the same).
class JournalWait {
 public:
  JournalWait();
  ~JournalWait();
  JournalWait(const JournalWait&) = delete;
  JournalWait& operator=(const JournalWait&) = delete;

 private:
  int journal_ = 0;
};
