#pragma once
// The score of a won mission and the table of the ten best scores, as the score file
// holds it: ten entries of three lines each (name, skill name, score), best first.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/game_state.h"

// 100 points per stardate day left, 10 per alien, minus 12 per starbase, and 100 more for
// winning with a single starbase.
int GameScore(const GameState& state);

inline constexpr int HighScoreCount = 10;
inline constexpr std::size_t HighScoreLineLength = 31;  // longer lines are cut
inline constexpr std::size_t HighScoreNameLength = 16;

struct HighScoreEntry {
  std::string name = "-";
  std::string skill = "-";
  std::string score = "-";  // the text of the third line
  bool operator==(const HighScoreEntry&) const = default;
};

// A new table holds ten placeholder entries of "-".
using HighScoreTable = std::array<HighScoreEntry, HighScoreCount>;

// The value of a score line: its leading decimal number, 0 when it does not start with one.
int EntryScore(std::string_view scoreText);

// Reads the table from the file's text. Missing lines read as empty texts; every line is
// cut at 31 characters, and control characters are dropped.
HighScoreTable ParseHighScores(std::string_view text);

// The file's text: 30 lines, each ending in CR LF.
std::string FormatHighScores(const HighScoreTable& table);

// Where `score` enters the table: the first entry scoring less (an equal score ranks below
// the existing one). nullopt when it does not qualify.
std::optional<int> HighScoreRank(const HighScoreTable& table, int score);

// Whether a name in the score file can hold `c`: the file stores one byte per character, so a
// name keeps to the printable characters of Latin-1. A tab passes too: it ends the name.
bool ScoreFileHolds(char32_t c);

// Moves the entries from `rank` down one place (the last falls out) and writes the new
// entry at `rank`: the name cut at its first tab and at 16 characters.
void InsertHighScore(HighScoreTable& table, int rank, std::string name, SkillLevel skillLevel, int score);
