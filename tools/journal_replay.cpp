#include "tools/journal_replay.h"

#include "sector/sector_reset.h"

void ReplayHost::PumpPendingMessages() {
  HeadlessHost::PumpPendingMessages();
  if (waited) waited();
}

void ReplayHost::WaitPumping(std::uint32_t ms) {
  HeadlessHost::WaitPumping(ms);
  if (waited) waited();
}

ReplayOutcome ReplayJournal(const Journal& journal, ReplayHost& replayHost, std::optional<std::uint32_t> until) {
  ResetSectorState(replayHost);
  JournalReplay replay(journal, {.setClock = [&replayHost](std::uint32_t tick) { replayHost.now = tick; },
                                 .stepFrames = {},
                                 .afterRecord = [&replayHost] { replayHost.postedRequests.clear(); }});
  replayHost.waited = [&replay] { replay.Waited(); };
  if (replay.Start())
    while (replay.Step(until)) replayHost.Clear();
  replayHost.waited = nullptr;
  return replay.Finish();
}
