#pragma once
// Everything of the shell that changes while the program runs, in one record; a fresh one is
// program start (ResetShellState).

#include <functional>
#include <vector>

#include "sector/idle_pass.h"

struct ShellState {
  // The idle duties the main loop calls (set once at start-up; tests put in their own).
  IdleDuties idleDuties{};
  // Commands held until control is back in the main loop, in the order they came.
  std::vector<std::function<void()>> heldCommands;
  // RequestQuit was called, with this code for RunMainLoop to return.
  bool quitRequested = false;
  int quitCode = 0;
};

extern ShellState shellState;
