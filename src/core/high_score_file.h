#pragma once
// The score file "KESTRAV.SCR": the ten best wins, kept between runs. The file is not
// trusted: whatever it holds is read leniently and written back whole and well-formed.

#include <optional>
#include <string>

#include "core/scores.h"

inline constexpr const char* HighScoreFileName = "KESTRAV.SCR";

// The table on disk, or why there is none.
struct HighScoreFileRead {
  std::optional<HighScoreTable> table;
  std::string failureReason;  // when there is no table
};

// The table on disk. A missing file is first created with ten placeholder entries.
// No table when the file can neither be read nor created.
HighScoreFileRead ReadHighScoreFile();

// Replaces the file with `table` atomically; false when that fails (the old file stays), with
// the reason in `reason` when one is asked for.
bool WriteHighScoreFile(const HighScoreTable& table, std::string* reason = nullptr);

// Enters a won mission's score, played at `skill`, if it is among the ten best, asking the
// player's name. Nothing is asked and nothing written when it does not qualify. When the file
// cannot be read, or the system will not let it be replaced, the player is told that the score
// could not be recorded and why, and no name is asked; a write that fails after the name was
// given is told the same way.
void EnterHighScore(int score, SkillLevel skill);
