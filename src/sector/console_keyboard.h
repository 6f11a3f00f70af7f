#pragma once
// The Computer console's keyboard: the editing keys and typed characters on its grid, Enter
// handing the row to the command language. The console window and the headless tool both
// type through these, so the two cannot differ.

#include "core/console_grid.h"
#include "sector/console_commands.h"

// Keystrokes are discarded, not queued, while the computer is damaged or the console busy.
bool ConsoleKeyboardBlocked();

enum class ConsoleKey { Home, Left, Right, Delete, Other };

// Home clears the screen and prompts; Left and Right move the caret but never onto the
// prompt's column 0; Delete removes the character under the caret. Other keys do nothing.
void ConsoleKeyDown(ConsoleGrid& grid, ConsoleKey key);

inline constexpr char ConsoleBackspace = 8, ConsoleLineFeed = 10, ConsoleReturn = 13, ConsoleEscape = 27;

// A typed character: Backspace, Enter (line feed or carriage return) runs the caret's row,
// Escape leaves the console; every other character is stored upper-case at the caret.
ConsoleAnswer ConsoleCharacter(ConsoleGrid& grid, char c);
