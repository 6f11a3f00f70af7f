#include "core/ship_messages.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "core/console_print.h"
#include "core/core_state.h"
#include "core/format_directives.h"
#include "core/game_state.h"
#include "core/message_catalogue.h"

void ClearMessageLines() {
  for (auto& line : coreState.messageLines) line.fill('\0');
}

void PostShipMessageOfKinds(ShipLog& shipLog, const GameState& gameState, MessageId id, const char* kinds, ...) {
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
  shipLog.ShipMessagePosted(text);

  if (gameState.messagesToComputer) {
    // Already formatted: printed as it stands, never formatted a second time.
    ConsolePrintText(shipLog, text);
    ConsolePrintText(shipLog, "\n");
    return;
  }
  if (!gameState.Working(ShipSystem::MessageDisplay)) return;

  std::rotate(coreState.messageLines.begin(), coreState.messageLines.begin() + 1,
              coreState.messageLines.end());  // the oldest goes
  auto& newest = coreState.messageLines[MessageLineCount - 1];
  newest.fill('\0');
  // A line keeps the first 63 characters of the text.
  std::memcpy(newest.data(), text, ::strnlen(text, MessageLineLength - 1));
  shipLog.MessagesChanged();
}

const GameState& RunningGame() { return coreState.game; }
