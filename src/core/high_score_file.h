#pragma once
// The score file "KESTRAV.SCR": the ten best wins, kept between runs. The file is not
// trusted: whatever it holds is read leniently and written back whole and well-formed.

#include <optional>
#include <string>

#include "scores.h"

inline constexpr const char* HighScoreFileName = "KESTRAV.SCR";

// Full path of the score file; the shell sets it at start-up to the program's data directory.
extern std::string highScorePath;

// The table on disk. A missing file is first created with ten placeholder entries.
// nullopt when the file can neither be read nor created.
std::optional<HighScoreTable> ReadHighScoreFile();

// Replaces the file with `table` atomically; false when that fails (the old file stays).
bool WriteHighScoreFile(const HighScoreTable& table);

// Enters a won mission's score, played at `skill`, if it is among the ten best, asking the
// player's name. Nothing is asked and nothing written when it does not qualify or the file
// is unusable.
void EnterHighScore(int score, SkillLevel skill);
