#pragma once
// Plays a mission's journal again headless: the same rules the game called, in the same order,
// with the same random states, on the virtual clock of HeadlessHost set to each record's tick.
// Every checkpoint is compared with the game as the replay has it; the first that differs
// stops the replay.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "core/journal_format.h"
#include "headless/headless_host.h"

// The headless host with the windows' waits made visible: what a journal says came during a
// wait of the rules is carried out in that wait.
class ReplayHost : public HeadlessHost {
 public:
  void PumpPendingMessages() override;
  void WaitPumping(std::uint32_t ms) override;
  std::function<void()> waited;
};

struct ReplayOutcome {
  int records = 0;         // replayed, waits' records included
  int checks = 0;          // checkpoints that agreed
  std::uint32_t tick = 0;  // of the last record replayed
  bool ended = false;      // the journal's "end" was reached
  std::string problem;     // what stopped the replay early: the first difference
  bool Ok() const { return problem.empty(); }
};

// Replays `journal` up to its end, or up to the last record at or before `until`, into the
// game; `replayHost` becomes the game's host. The game is left as it stands there.
ReplayOutcome ReplayJournal(const Journal& journal, ReplayHost& replayHost, std::optional<std::uint32_t> until = {});
