// Any bytes read as the score file give a table of ten well-formed entries: no line longer
// than its cut, no control characters, and a text that reads back as the same table. A
// qualifying score then enters it without disturbing the order.

#include <cstdint>
#include <string_view>

#include "core/scores.h"

namespace {
bool WellFormed(const std::string& field) {
  if (field.size() > 31) return false;
  for (unsigned char c : field)
    if (c < 0x20 || c == 0x7F) return false;
  return true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  HighScoreTable table = ParseHighScores(text);
  for (const HighScoreEntry& entry : table)
    if (!WellFormed(entry.name) || !WellFormed(entry.skill) || !WellFormed(entry.score)) __builtin_trap();
  if (ParseHighScores(FormatHighScores(table)) != table) __builtin_trap();

  const int score = 2926;
  if (const std::optional<int> rank = HighScoreRank(table, score)) {
    InsertHighScore(table, *rank, "Fuzz\tname that is far too long", SkillLevel::Admiral, score);
    if (table[static_cast<std::size_t>(*rank)].name != "Fuzz") __builtin_trap();
    if (EntryScore(table[static_cast<std::size_t>(*rank)].score) != score) __builtin_trap();
  }
  return 0;
}
