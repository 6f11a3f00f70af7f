#pragma once
// The bytes of a saved game: a 9456-byte header holding the skill, the galaxy and every
// scalar of the game, then the alien table, 36 bytes per record. All numbers little-endian.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/game_state.h"
#include "core/host.h"

inline constexpr std::size_t SavedGameHeaderSize = 9456;
inline constexpr std::size_t SavedAlienSize = 36;
// More alien records than the galaxy could ever hold make a file absurd.
inline constexpr int MaxSavedAliens = QuadrantCount * 8;
inline constexpr std::size_t MaxSavedGameSize = SavedGameHeaderSize + SavedAlienSize * MaxSavedAliens;

// The file of `state`: exactly SavedGameHeaderSize + SavedAlienSize * alienTotal bytes (the
// alien table's length is what the file records as alienTotal).
std::vector<std::uint8_t> EncodeSavedGame(const GameState& state);

struct DecodeOutcome {
  MessageId error = 0;  // 0, Msg::ReadErrorText or Msg::NotAGameFileText
  std::string problem;  // what is wrong, for logs and kestrav-tool
  bool Ok() const { return error == 0; }
};

// Reads a saved game into `loaded`, which is replaced only when the whole file is a
// consistent game. Any bytes at all are safe to pass. Loading decodes first, so a refused
// file leaves the running game alone; only then does it end that game and adopt the new one.
DecodeOutcome DecodeSavedGame(std::span<const std::uint8_t> bytes, GameState& loaded);

// Puts the stored part of `loaded` into the running game: skill, galaxy, totals, clock,
// supplies, position, damage and the alien table. Phase, clocks and file names stay.
void AdoptSavedGame(GameState&& loaded);
