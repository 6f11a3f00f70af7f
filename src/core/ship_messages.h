#pragma once
// The ship's running log: PostShipMessage is the one way any part reports an event.

#include <array>
#include <type_traits>

#include "core/game_state.h"
#include "core/host.h"

inline constexpr int MessageLineCount = 30;
inline constexpr int MessageLineLength = 64;  // 63 characters and the terminator

void ClearMessageLines();

// Formats text `id` with integer and string arguments (at most 79 characters) and, as
// `gameState` has it, either prints it on `shipLog`'s console (messages rerouted), drops it
// (display damaged) or appends it to the log. Values that do not fit the text's directives
// are not formatted: the text is posted as it stands.
template <class... Values>
void PostShipMessage(ShipLog& shipLog, const GameState& gameState, MessageId id, Values... values);

// The same for the running game, on the host's log.
template <class... Values>
void PostShipMessage(MessageId id, Values... values);

// The values' kinds, one letter each: 'i' for an integer, 's' for a text.
template <class Value>
constexpr char MessageValueKind() {
  if constexpr (std::is_integral_v<Value>) {
    return 'i';
  } else {
    static_assert(std::is_convertible_v<Value, const char*>, "messages take integers and C texts");
    return 's';
  }
}

// PostShipMessage's work, with the values' kinds spelled out.
void PostShipMessageOfKinds(ShipLog& shipLog, const GameState& gameState, MessageId id, const char* kinds, ...);

template <class... Values>
void PostShipMessage(ShipLog& shipLog, const GameState& gameState, MessageId id, Values... values) {
  static constexpr char ValueKinds[] = {MessageValueKind<Values>()..., '\0'};
  PostShipMessageOfKinds(shipLog, gameState, id, ValueKinds, values...);
}

// The game being played (the core's record cannot be included here: it holds the log).
const GameState& RunningGame();

template <class... Values>
void PostShipMessage(MessageId id, Values... values) {
  PostShipMessage(host(), RunningGame(), id, values...);
}
