#include "ship_messages.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "game_state.h"
#include "message_catalogue.h"

std::array<std::array<char, MessageLineLength>, MessageLineCount> messageLines{};

void ClearMessageLines() {
  for (auto& line : messageLines) line.fill('\0');
}

void PostShipMessage(MessageId id, ...) {
  const char* format = MessageText(id);
  if (!format) return;
  char text[80];
  va_list args;
  va_start(args, id);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  host().ShipMessagePosted(text);

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
