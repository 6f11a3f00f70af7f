#pragma once
// When the frame's menu commands may be carried out. Nothing changes the game under a running
// action, and nothing acts on a mission that is over before the end-of-game sequence has
// shown how it ended.

// What becomes of a command when it is given, and again when its turn comes after a hold.
enum class CommandTurn {
  Now,   // carry it out
  Hold,  // keep it until the running action, or the finished mission's end, is over
  Drop,  // not allowed now: its menu item is grayed, or the game it was meant for is over
};

// The rules that gray the menu items: Save and Save As need a game that is not under fire,
// End Game a game, and Pause no red alert. Every other command is always allowed.
bool CommandAllowed(int command);

// What to do with `command` now: drop it when it is not allowed, or when it would change,
// save or end a game whose mission is over; hold a command that changes the game (or Exit)
// while an action runs, and Exit until a finished mission's end has been shown.
CommandTurn TurnOfCommand(int command);
