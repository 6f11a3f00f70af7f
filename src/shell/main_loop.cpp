#include "shell/main_loop.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "core/host.h"
#include "sector/sector_state.h"
#include "shell/shell_state.h"

namespace {
// A pump never takes more than this many dispatcher rounds, so a stream of events that
// keeps coming back (a zero-length timer) cannot hold an animation up.
constexpr int PumpRoundLimit = 64;

QAbstractEventDispatcher& Dispatcher() { return *QAbstractEventDispatcher::instance(); }

// Dispatches one round of waiting events; false when there was nothing to do.
bool DispatchWaitingEvents() { return Dispatcher().processEvents(QEventLoop::AllEvents); }

// Sleeps in the dispatcher until at least one event has been handled.
void SleepUntilEvent() { Dispatcher().processEvents(QEventLoop::WaitForMoreEvents); }

// Arms `alarm` to go off at tick `due` (at least 1 ms from now, so a due time that has
// already passed still lets the dispatcher breathe).
void ArmAlarm(QTimer& alarm, std::uint32_t due) {
  const std::uint32_t now = TickCount();
  alarm.start(static_cast<int>(NextPassTick({NextIdlePass::AtTick, due}, now) - now));
}

void MakePreciseAlarm(QTimer& alarm) {
  alarm.setSingleShot(true);
  alarm.setTimerType(Qt::PreciseTimer);
}
}  // namespace

void SetIdleDuties(const IdleDuties& duties) { shellState.idleDuties = duties; }

void RequestQuit(int code) {
  if (shellState.quitRequested) return;
  shellState.quitRequested = true;
  shellState.quitCode = code;
}

bool QuitRequested() { return shellState.quitRequested; }

void HoldUntilActionEnds(std::function<void()> command) { shellState.heldCommands.push_back(std::move(command)); }

void RunHeldCommands() {
  // A held command may itself hold another (a prompt's box runs no action, but be safe).
  std::vector<std::function<void()>> due;
  due.swap(shellState.heldCommands);
  for (auto& command : due) {
    if (shellState.quitRequested) break;
    command();
  }
}

int RunMainLoop() {
  QTimer alarm;  // wakes the loop when the clock or an alien is due
  MakePreciseAlarm(alarm);
  std::uint32_t lastMessageTime = TickCount();

  while (!shellState.quitRequested) {
    // Back at the loop's own level no action is running (a player's action ran inside a
    // dispatch, an alien's inside the last idle pass): what was held runs now.
    RunHeldCommands();
    if (shellState.quitRequested) break;
    if (DispatchWaitingEvents()) {
      lastMessageTime = TickCount();
      // Objects handed to deleteLater() outside any event go now, at the loop's own level.
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      continue;
    }
    if (shellState.quitRequested) break;

    // A replay carries out the idle passes of its journal, at their ticks.
    const NextIdlePass next = sectorState.journalReplaying ? NextIdlePass{NextIdlePass::AfterNextMessage, 0}
                                                           : RunIdlePass(shellState.idleDuties, lastMessageTime);
    switch (next.kind) {
      case NextIdlePass::Immediately: continue;
      case NextIdlePass::AtTick: ArmAlarm(alarm, next.tick); break;
      case NextIdlePass::AfterNextMessage: alarm.stop(); break;
    }
    if (shellState.quitRequested) break;
    SleepUntilEvent();
    lastMessageTime = TickCount();
  }
  return shellState.quitCode;
}

void PumpPendingMessages() {
  for (int round = 0; round < PumpRoundLimit && !shellState.quitRequested; ++round)
    if (!DispatchWaitingEvents()) break;
}

void WaitPumping(std::uint32_t ms) {
  const std::uint32_t deadline = TickCount() + ms;
  PumpPendingMessages();
  QTimer alarm;
  MakePreciseAlarm(alarm);
  while (!shellState.quitRequested && TickCount() < deadline) {
    ArmAlarm(alarm, deadline);
    SleepUntilEvent();
    PumpPendingMessages();
  }
}

void WaitPumpingRealTime(std::uint32_t ms) {
  const QDeadlineTimer deadline(static_cast<qint64>(ms), Qt::PreciseTimer);
  PumpPendingMessages();
  QTimer alarm;
  MakePreciseAlarm(alarm);
  while (!shellState.quitRequested && !deadline.hasExpired()) {
    alarm.start(static_cast<int>(std::max<qint64>(1, deadline.remainingTime())));
    SleepUntilEvent();
    PumpPendingMessages();
  }
}
