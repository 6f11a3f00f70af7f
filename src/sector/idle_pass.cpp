#include "sector/idle_pass.h"

#include <optional>

#include "core/conditions.h"
#include "core/core_state.h"
#include "core/game_state.h"
#include "core/host.h"
#include "core/journal_recorder.h"
#include "core/options.h"
#include "sector/alien_turns.h"

namespace {
// Ticks are compared unsigned and may wrap; the distance from `now` to `due` is signed.
std::int32_t TicksUntil(std::uint32_t due, std::uint32_t now) { return static_cast<std::int32_t>(due - now); }

// The earliest tick at which an alien of the ship's quadrant is due to move or fire (an
// action is due once the tick count is past its last stamp plus its interval).
std::optional<std::uint32_t> NextAlienActionDue() {
  const std::uint32_t now = TickCount();
  std::optional<std::uint32_t> earliest;
  auto consider = [&](std::uint32_t due) {
    if (!earliest || TicksUntil(due, now) < TicksUntil(*earliest, now)) earliest = due;
  };
  for (const AlienRecord& alien : coreState.game.alienTable) {
    if (alien.quadrant != coreState.game.shipQuadrant) continue;
    consider(alien.lastMoveTick + static_cast<std::uint32_t>(alien.moveInterval) + 1);
    consider(alien.lastAttackTick + static_cast<std::uint32_t>(alien.attackInterval) + 1);
  }
  return earliest;
}

NextIdlePass RedAlertPass(std::uint32_t now) {
  const bool clocksWereReset = coreState.game.resetAlienClocks != 0;
  RedAlertTick(now);
  if (!coreState.game.InRedAlert()) return {NextIdlePass::Immediately};
  // The pass right after the aliens' clocks were reset is the one in which any of them may
  // act at once by chance: it follows without waiting.
  if (clocksWereReset && !coreState.game.resetAlienClocks) return {NextIdlePass::Immediately};
  // Clocks still waiting for their reset: nothing is due until a pass has set them.
  if (coreState.game.resetAlienClocks) return {NextIdlePass::AfterNextMessage};
  if (const auto due = NextAlienActionDue()) return {NextIdlePass::AtTick, *due};
  return {NextIdlePass::AfterNextMessage};
}
}  // namespace

void ClockStep(std::uint32_t messageTime) {
  coreState.game.stardateNow += 0.1;
  coreState.game.shipEnergy -= 1;
  coreState.game.nextClockTick = messageTime + ClockStepPeriod;
  EvaluateConditions();
  host().InvalidateStation(Station::Status, false);
  ++coreState.game.changeCount;
}

NextIdlePass RunIdlePass(const IdleDuties& duties, std::uint32_t lastMessageTime) {
  duties.keepAmbience();
  // A menu stands the game still like a pause; when it closes, the clock and the aliens go on
  // from the ticks as they then stand.
  const bool menuOpen = duties.menuOpen && duties.menuOpen();
  if (coreState.pausedFlag || menuOpen || coreState.game.gamePhase == GamePhase::NoGame)
    return {NextIdlePass::AfterNextMessage};
  if (coreState.game.gamePhase == GamePhase::GameOver) {
    duties.handleGameOver();
    return {NextIdlePass::Immediately};
  }
  // One reading of the clock for the whole pass, the one its journal record gives: a machine
  // slow enough for the clock to move on meanwhile replays the same.
  const std::uint32_t now = TickCount();
  const JournalIdlePass journaled(lastMessageTime, now);
  if (coreState.game.InRedAlert()) return RedAlertPass(now);
  // Docked, green or yellow: the clock. Missed steps do not pile up: one step, then the next
  // a full period after the message that brought it.
  if (lastMessageTime <= coreState.game.nextClockTick) return {NextIdlePass::AtTick, coreState.game.nextClockTick + 1};
  ClockStep(lastMessageTime);
  return {NextIdlePass::Immediately};
}

std::uint32_t NextPassTick(const NextIdlePass& next, std::uint32_t now) {
  return TicksUntil(next.tick, now) > 0 ? next.tick : now + 1;
}
