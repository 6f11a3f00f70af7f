#pragma once
// Plays a mission's journal again headless, on the virtual clock of HeadlessHost set to each
// record's tick (sector/journal_replay.h).

#include <cstdint>
#include <functional>
#include <optional>

#include "core/journal_format.h"
#include "headless/headless_host.h"
#include "sector/journal_replay.h"

// The headless host with the windows' waits made visible: what a journal says came during a
// wait of the rules is carried out in that wait.
class ReplayHost : public HeadlessHost {
 public:
  void PumpPendingMessages() override;
  void WaitPumping(std::uint32_t ms) override;
  std::function<void()> waited;
};

// Replays `journal` up to its end, or up to the last record at or before `until`, into the
// game; `replayHost` becomes the game's host. The game is left as it stands there.
ReplayOutcome ReplayJournal(const Journal& journal, ReplayHost& replayHost, std::optional<std::uint32_t> until = {});
