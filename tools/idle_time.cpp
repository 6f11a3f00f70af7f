#include "tools/idle_time.h"

#include <cstdio>
#include <optional>

#include "core/core_state.h"
#include "core/game_state.h"
#include "core/random.h"
#include "headless/headless_host.h"
#include "sector/idle_pass.h"
#include "sector/sector_reset.h"
#include "tools/command_line.h"
#include "tools/game_action.h"

namespace {
// The virtual tick count at which the wait begins, as if the program had just started then.
constexpr std::uint32_t StartTick = 1000000;
constexpr std::uint32_t LongestWait = 0xFFFFFFFFu - StartTick;

int Usage() {
  std::fputs(
      "usage: kestrav-tool wait FILE --seed SEED --ms N --out FILE2 [--state]\n"
      "\n"
      "  wait     load the saved game FILE, set the random state to SEED and let N ms of game\n"
      "           time pass (0..4293967295): the clock steps, and in red alert the aliens\n"
      "           move and fire; save the result to FILE2 and print every ship message posted\n"
      "  --state  end with the random generator's state\n",
      stderr);
  return ExitUsage;
}

void NoAmbience() {}
void NoEndSequence() {}

// Makes the idle passes the game's loop would make from StartTick to StartTick + ms, with no
// window message ever arriving: a pass at the start, then one at every tick the loop would
// wake for. An action's own waits do not move the passes on: each pass starts at its tick.
// Stops before the end-of-game sequence once a pass has ended the game.
void LetTimePass(HeadlessHost& host, std::uint32_t ms) {
  constexpr IdleDuties Duties{NoAmbience, NoEndSequence};
  std::uint32_t tick = StartTick;
  while (coreState.game.gamePhase != GamePhase::GameOver) {
    host.now = tick;
    const NextIdlePass next = RunIdlePass(Duties, tick);
    host.calls.clear();  // only the messages are kept, and a long red alert makes many calls
    if (next.kind == NextIdlePass::Immediately) continue;
    if (next.kind == NextIdlePass::AfterNextMessage) break;
    const std::uint32_t nextTick = NextPassTick(next, tick);
    if (nextTick - StartTick > ms) break;
    tick = nextTick;
  }
}
}  // namespace

int WaitVerb(const std::vector<std::string>& args) {
  std::optional<std::uint32_t> ms;
  std::size_t consumed = 0;
  const auto request = ParseActionRequest(
      args,
      [&](const std::string& option, const std::string& value) {
        if (option != "--ms") return false;
        ms = ParseNumber<std::uint32_t>(value);
        return true;
      },
      consumed);
  if (!request || consumed != 1 || !ms || *ms > LongestWait) return Usage();

  HeadlessHost recorder;
  ResetSectorState(recorder);
  if (std::string problem = LoadGameAsTheGameDoes(request->in); !problem.empty()) return Fail(problem);

  lcg::Seed(request->seed);
  recorder.shipMessages.clear();
  coreState.game.nextClockTick = StartTick + ClockStepPeriod;
  LetTimePass(recorder, *ms);
  return FinishAction(*request, recorder.shipMessages);
}
