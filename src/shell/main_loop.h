#pragma once
// The program's message loop, run over Qt's event dispatcher: dispatch everything pending,
// then make one idle pass; sleep in the dispatcher until the next message or the next due
// tick, never spinning.

#include <cstdint>
#include <functional>

#include "sector/idle_pass.h"

// The idle duties the loop calls (set once at start-up; tests put in their own).
void SetIdleDuties(const IdleDuties& duties);

// Runs until RequestQuit; returns its code.
int RunMainLoop();

// Dispatches every event now waiting; does not wait.
void PumpPendingMessages();

// Keeps the windows working for `ms` milliseconds, sleeping in the dispatcher between events.
void WaitPumping(std::uint32_t ms);

// The same, on the real clock whatever the game's clock does (a replay's stands still).
void WaitPumpingRealTime(std::uint32_t ms);

// Ends the program: RunMainLoop returns `code` as soon as control is back in it. From inside an
// animation, the pumps and waits return at once so that the action can finish first.
void RequestQuit(int code);
bool QuitRequested();

// Holds `command` until control is back in the main loop, outside every action and its
// waits; held commands then run in the order they came. Commands that change, save or end the
// game are held this way while an action runs, so nothing changes the game under it.
void HoldUntilActionEnds(std::function<void()> command);
// Runs the held commands now (the main loop does this between dispatches).
void RunHeldCommands();
