#include "core/console_print.h"

#include <cstdarg>
#include <cstdio>

std::string FormatConsoleText(const char* format, ...) {
  char text[ConsoleTextLimit + 1];
  va_list args;
  va_start(args, format);
  const int length = std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  return length < 0 ? std::string() : std::string(text);
}

void ConsolePrintText(ShipLog& shipLog, std::string_view text) {
  shipLog.ConsolePrint(std::string(text.substr(0, ConsoleTextLimit)));
}

void ConsolePrintTextThenPrompt(ShipLog& shipLog, std::string_view text) {
  std::string answer(text);
  answer += ConsolePromptMark;
  ConsolePrintText(shipLog, answer);
}
