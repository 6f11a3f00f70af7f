#pragma once
// The headless host with a console of the Computer window's default size: what the rules
// print lands in its grid as in the game, and the prompt is typed like any key. What the
// console answers is also kept while `recording`.

#include <string>

#include "core/console_grid.h"
#include "headless/headless_host.h"

class ConsoleHost : public HeadlessHost {
 public:
  ConsoleGrid grid;
  std::string answers;
  bool recording = false;

  ConsoleHost();
  void ConsolePrint(const std::string& text) override;
  void ConsolePrompt() override;

  // Each character as a key press on the console, then Enter; a ricochet the line asked for
  // is carried out once the line is done, as the game's message loop would.
  void TypeLine(const std::string& line);
};
