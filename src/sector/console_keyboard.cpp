#include "sector/console_keyboard.h"

#include "core/core_state.h"
#include "core/game_state.h"
#include "sector/sector_state.h"

bool ConsoleKeyboardBlocked() { return sectorState.consoleBusy || !coreState.game.Working(ShipSystem::Computer); }

void ConsoleKeyDown(ConsoleGrid& grid, ConsoleKey key) {
  if (ConsoleKeyboardBlocked()) return;
  switch (key) {
    case ConsoleKey::Home:
      grid.Clear();
      ConsoleCharacter(grid, '>');
      break;
    case ConsoleKey::Left: grid.CaretLeft(); break;
    case ConsoleKey::Right: grid.CaretRight(); break;
    case ConsoleKey::Delete: grid.DeleteAtCaret(); break;
    case ConsoleKey::Other: break;
  }
}

ConsoleAnswer ConsoleCharacter(ConsoleGrid& grid, char c) {
  if (ConsoleKeyboardBlocked()) return ConsoleAnswer::Stay;
  switch (c) {
    case ConsoleBackspace: grid.Backspace(); return ConsoleAnswer::Stay;
    case ConsoleLineFeed:
    case ConsoleReturn: {
      // The grid may be gone once the line has run (a wait in it can end the game).
      const std::string row = grid.Enter();
      return ExecuteConsoleLine(WholeConsoleWorld(coreState.game, host()), row);
    }
    case ConsoleEscape: return ConsoleAnswer::Leave;
    default: grid.Type(c); return ConsoleAnswer::Stay;
  }
}
