#include "high_score_file.h"

#include <span>
#include <string_view>

#include "file_io.h"
#include "host.h"

std::string highScorePath = HighScoreFileName;

namespace {
// A well-formed file is about 400 bytes; anything far beyond is not ours.
constexpr std::size_t ScoreFileLimit = std::size_t{64} * 1024;

std::span<const std::uint8_t> Bytes(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}
}  // namespace

std::optional<HighScoreTable> ReadHighScoreFile() {
  FileContent content = ReadWholeFile(highScorePath, ScoreFileLimit);
  if (content.failure == ReadFailure::Missing) {
    const HighScoreTable placeholders;
    if (!WriteHighScoreFile(placeholders)) return std::nullopt;
    return placeholders;
  }
  // A huge file is none this program wrote: its beginning is read, the next win repairs it.
  if (!content.Ok() && content.failure != ReadFailure::TooLarge) return std::nullopt;
  const std::string_view text(reinterpret_cast<const char*>(content.bytes.data()), content.bytes.size());
  return ParseHighScores(text);
}

bool WriteHighScoreFile(const HighScoreTable& table) {
  return ReplaceFileAtomically(highScorePath, Bytes(FormatHighScores(table)));
}

void EnterHighScore(int score, SkillLevel skill) {
  std::optional<HighScoreTable> table = ReadHighScoreFile();
  if (!table) return;
  const std::optional<int> rank = HighScoreRank(*table, score);
  if (!rank) return;
  InsertHighScore(*table, *rank, host().AskHighScoreName(), skill, score);
  WriteHighScoreFile(*table);
}
