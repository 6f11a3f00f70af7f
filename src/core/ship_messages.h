#pragma once
// The ship's running log: PostShipMessage is the one way any part reports an event.

#include <array>

#include "host.h"

inline constexpr int MessageLineCount = 30;
inline constexpr int MessageLineLength = 64;  // 63 characters and the terminator

// Line 0 is the oldest, line 29 the newest.
extern std::array<std::array<char, MessageLineLength>, MessageLineCount> messageLines;

void ClearMessageLines();

// Formats text `id` with integer and string arguments (at most 79 characters) and either
// prints it on the console (messages rerouted), drops it (display damaged) or appends it to
// the log.
void PostShipMessage(MessageId id, ...);
