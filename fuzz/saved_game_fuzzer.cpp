// Any bytes given to the saved-game reader either become a consistent game that saves back
// to the same bytes, or are refused; nothing else may happen.

#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

#include "core/game_invariants.h"
#include "core/saved_game.h"

namespace {
constexpr std::size_t AlignmentAt = 9268;  // four bytes the reader ignores and the writer zeroes
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  GameState loaded;
  const DecodeOutcome outcome = DecodeSavedGame(std::span(data, size), loaded);
  if (!outcome.Ok()) {
    if (outcome.error != Msg::ReadErrorText && outcome.error != Msg::NotAGameFileText) __builtin_trap();
    return 0;
  }
  if (!FindInconsistency(loaded).empty()) __builtin_trap();

  std::vector<std::uint8_t> expected(data, data + size);
  std::memset(expected.data() + AlignmentAt, 0, 4);
  if (EncodeSavedGame(loaded) != expected) __builtin_trap();
  return 0;
}
