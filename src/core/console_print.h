#pragma once
// Output on the Computer console. Every text is formatted into at most 127 characters, as
// the console's line buffer holds, and reaches the console window through the Host.

#include <string>
#include <string_view>

#include "core/host.h"
#include "core/message_catalogue.h"

inline constexpr std::size_t ConsoleTextLimit = 127;

// printf-style formatting cut at ConsoleTextLimit characters, whatever the arguments hold.
std::string FormatConsoleText(const char* format, ...);

// Each print goes to the console of `shipLog`, or without one to the host's.

// Prints `text` as it is (never used as a format), cut at ConsoleTextLimit characters.
void ConsolePrintText(ShipLog& shipLog, std::string_view text);
inline void ConsolePrintText(std::string_view text) { ConsolePrintText(host(), text); }

// The console's prompt, printed after an answer's text and after a game is loaded.
inline constexpr std::string_view ConsolePromptMark = ">";

// Prints `text` and the prompt after it, cut together at ConsoleTextLimit characters.
void ConsolePrintTextThenPrompt(ShipLog& shipLog, std::string_view text);
inline void ConsolePrintTextThenPrompt(std::string_view text) { ConsolePrintTextThenPrompt(host(), text); }

// Prints text `id` of the string table formatted with the arguments (integers, characters,
// strings and, for the console's few reports with stardates, doubles).
template <class... Args>
void ConsolePrint(ShipLog& shipLog, MessageId id, Args... args) {
  if (const char* format = MessageText(id)) ConsolePrintText(shipLog, FormatConsoleText(format, args...));
}
template <class... Args>
void ConsolePrint(MessageId id, Args... args) {
  ConsolePrint(host(), id, args...);
}

// ConsolePrint with the prompt after the text, cut together as one text.
template <class... Args>
void ConsolePrintThenPrompt(ShipLog& shipLog, MessageId id, Args... args) {
  if (const char* format = MessageText(id)) ConsolePrintTextThenPrompt(shipLog, FormatConsoleText(format, args...));
}
template <class... Args>
void ConsolePrintThenPrompt(MessageId id, Args... args) {
  ConsolePrintThenPrompt(host(), id, args...);
}
