#include "ship_messages.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "format_directives.h"
#include "game_state.h"
#include "message_catalogue.h"

std::array<std::array<char, MessageLineLength>, MessageLineCount> messageLines{};

void ClearMessageLines() {
  for (auto& line : messageLines) line.fill('\0');
}

void PostShipMessageOfKinds(MessageId id, const char* kinds, ...) {
  const char* format = MessageText(id);
  if (!format) return;
  char text[80];
  if (ValuesFitDirectives(kinds, FormatDirectives(format))) {
    va_list args;
    va_start(args, kinds);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
  } else {
    std::snprintf(text, sizeof text, "%s", format);
  }

  if (game.messagesToComputer) {
    host().ConsolePrint(text);
    host().ConsolePrint("\n");
    return;
  }
  if (!game.Working(ShipSystem::MessageDisplay)) return;

  for (int i = 1; i < MessageLineCount; ++i) messageLines[i - 1] = messageLines[i];
  auto& newest = messageLines[MessageLineCount - 1];
  newest.fill('\0');
  std::strncpy(newest.data(), text, MessageLineLength - 1);
  host().MessagesChanged();
}
