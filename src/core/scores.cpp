#include "core/scores.h"

#include <cmath>
#include <limits>

int GameScore(const GameState& state) {
  const double daysLeft = state.missionLength - (state.stardateNow - state.stardateStart);
  int score = static_cast<int>(std::trunc(100.0 * daysLeft)) + 10 * state.alienTotal - 12 * state.starbaseTotal;
  if (state.starbaseTotal == 1) score += 100;
  return score;
}

int EntryScore(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  // Accumulate negatively so that INT_MIN fits; a number beyond int saturates.
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > 1LL + std::numeric_limits<int>::max()) break;
  }
  value = negative ? -value : value;
  if (value > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (value < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(value);
}

namespace {
// The next line of `text` (without its CR LF), at most 31 printable characters of it.
std::string NextLine(std::string_view& text) {
  const std::size_t end = text.find('\n');
  const std::string_view raw = text.substr(0, end);
  text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  std::string line;
  for (const char c : raw) {
    if (line.size() == HighScoreLineLength) break;
    if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) line += c;
  }
  return line;
}
}  // namespace

HighScoreTable ParseHighScores(std::string_view text) {
  HighScoreTable table;
  for (HighScoreEntry& entry : table) {
    entry.name = NextLine(text);
    entry.skill = NextLine(text);
    entry.score = NextLine(text);
  }
  return table;
}

std::string FormatHighScores(const HighScoreTable& table) {
  std::string text;
  for (const HighScoreEntry& entry : table)
    for (const std::string* line : {&entry.name, &entry.skill, &entry.score}) text += *line + "\r\n";
  return text;
}

std::optional<int> HighScoreRank(const HighScoreTable& table, int score) {
  for (int i = 0; i < HighScoreCount; ++i)
    if (EntryScore(table[static_cast<std::size_t>(i)].score) < score) return i;
  return std::nullopt;
}

bool ScoreFileHolds(char32_t c) { return c == U'\t' || (c >= 0x20 && c <= 0x7E) || (c >= 0xA0 && c <= 0xFF); }

void InsertHighScore(HighScoreTable& table, int rank, std::string name, SkillLevel skillLevel, int score) {
  for (int i = HighScoreCount - 1; i > rank; --i)
    table[static_cast<std::size_t>(i)] = table[static_cast<std::size_t>(i - 1)];
  name = name.substr(0, name.find('\t'));
  std::erase_if(name, [](char c) { return static_cast<unsigned char>(c) < 0x20; });
  if (name.size() > HighScoreNameLength) name.resize(HighScoreNameLength);
  const char* skill = SkillName(skillLevel);
  table[static_cast<std::size_t>(rank)] = {name, skill ? skill : "", std::to_string(score)};
}
