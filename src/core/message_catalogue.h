#pragma once
// The string table: panel messages, console texts and interface texts, keyed by MessageId.
// Ranges: 1-45 interface, 100-143 panel events, 200-249 console, 500-522 minor damage,
// 600-629 ship-system damage (600/610/620 + system hit number), 700-732 what a screen reader
// calls the stations' read-outs and buttons.

#include "core/host.h"

// The text of `id`, or nullptr when no such text exists.
const char* MessageText(MessageId id);
