#include "tools/console_host.h"

#include "core/console_print.h"
#include "sector/console_keyboard.h"

ConsoleHost::ConsoleHost() {
  const ConsoleFit fit = FitConsole(ConsoleDefaultClientWidth, ConsoleDefaultClientHeight);
  grid.Resize(fit.columns, fit.rows);
}

void ConsoleHost::ConsolePrint(const std::string& text) {
  HeadlessHost::ConsolePrint(text);
  grid.Print(text);
  if (recording) answers += text;
}

void ConsoleHost::ConsolePrompt() {
  HeadlessHost::ConsolePrompt();
  if (ConsoleKeyboardBlocked()) return;  // the prompt is typed like any key
  ConsoleCharacter(grid, '>');
  if (recording) answers += '>';
}

void ConsoleHost::TypeLine(const std::string& line) {
  for (char c : line) ConsoleCharacter(grid, c);
  ConsoleCharacter(grid, ConsoleReturn);
  RunPostedRequests();
}
