#pragma once
// Plays a mission's journal again: the same rules the game called, in the same order, with the
// same random states, each record at its tick. Every checkpoint is compared with the game as
// the replay has it; the first that differs stops the replay. The headless replay runs it to
// the end at once; the bridge runs it a record at a time as its replay clock reaches them.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "core/journal_format.h"

struct ReplayOutcome {
  int records = 0;         // replayed, waits' records included
  int checks = 0;          // checkpoints that agreed
  std::uint32_t tick = 0;  // of the last record replayed
  bool ended = false;      // the journal's "end" was reached
  std::string problem;     // what stopped the replay early: the first difference
  bool Ok() const { return problem.empty(); }
};

// What the replay needs of the host it runs on.
struct ReplaySeams {
  // Sets the game's clock to a record's tick before it is carried out.
  std::function<void(std::uint32_t tick)> setClock;
  // Steps the scan's stars and starbases a frame (the bridge also draws them).
  std::function<void()> stepFrames;
  // After each record: what the rules posted to run later is dropped, for it is a record of
  // its own.
  std::function<void()> afterRecord;
};

class JournalReplay {
 public:
  JournalReplay(const Journal& journal, ReplaySeams seams) : journal_(journal), seams_(std::move(seams)) {}

  // Starts the mission as the journal began it: a new one generated again from its random
  // state, or its saved game started as File > Open starts one. False when it cannot.
  bool Start();
  // The tick of the next record to carry out, if any is left and nothing stopped the replay.
  std::optional<std::uint32_t> NextTick() const;
  // Carries out the next record at its tick, with what came during its waits; false when
  // none is left, the replay stopped, or the next is after `until`.
  bool Step(std::optional<std::uint32_t> until = {});
  // The host calls this at every wait of the rules with the windows working.
  void Waited();
  // The outcome so far; once the replay is over, a record after the journal's end is a fault.
  ReplayOutcome Finish();
  const ReplayOutcome& Outcome() const { return outcome_; }

 private:
  void CarryOut(std::size_t index);
  void Compare(std::size_t index);
  std::string Where(std::size_t index) const;

  const Journal& journal_;
  ReplaySeams seams_;
  ReplayOutcome outcome_;
  std::size_t next_ = 0;         // the next record to replay
  int waits_ = 0;                // the top record's waits so far
  std::size_t lastCommand_ = 0;  // the last record that was not a checkpoint, for the report
  bool anyCommand_ = false;
};
