#include "core/high_score_file.h"

#include <span>
#include <string_view>

#include "core/core_state.h"
#include "core/file_failures.h"
#include "core/file_io.h"
#include "core/format_text.h"
#include "core/host.h"
#include "core/message_catalogue.h"

namespace {
// A well-formed file is about 400 bytes; anything far beyond is not ours.
constexpr std::size_t ScoreFileLimit = std::size_t{64} * 1024;

std::span<const std::uint8_t> Bytes(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

void TellScoreNotRecorded(int score, const std::string& reason) {
  host().ShowMessageBox(
      FormatText(MessageText(Msg::ScoreNotRecordedText), score, coreState.highScorePath.c_str()) + "\n" + reason,
      MessageText(Msg::HighScoresCaption), MessageStyle::ExclamationOk);
}
}  // namespace

HighScoreFileRead ReadHighScoreFile() {
  FileContent content = ReadWholeFile(coreState.highScorePath, ScoreFileLimit);
  if (content.failure == ReadFailure::Missing) {
    const HighScoreTable placeholders;
    if (std::string why; !WriteHighScoreFile(placeholders, &why)) return {std::nullopt, why};
    return {placeholders, {}};
  }
  // A huge file is none this program wrote: its beginning is read, the next win repairs it.
  if (!content.Ok() && content.failure != ReadFailure::TooLarge)
    return {std::nullopt, ReadFailureReason(content.failure, content.systemError)};
  const std::string_view text(reinterpret_cast<const char*>(content.bytes.data()), content.bytes.size());
  return {ParseHighScores(text), {}};
}

bool WriteHighScoreFile(const HighScoreTable& table, std::string* reason) {
  return ReplaceFileAtomically(coreState.highScorePath, Bytes(FormatHighScores(table)), reason);
}

void EnterHighScore(int score, SkillLevel skill) {
  HighScoreFileRead read = ReadHighScoreFile();
  if (!read.table) return TellScoreNotRecorded(score, read.failureReason);
  const std::optional<int> rank = HighScoreRank(*read.table, score);
  if (!rank) return;
  // No name is asked for a score that could not be kept.
  if (const int refusal = ReplaceRefusal(coreState.highScorePath))
    return TellScoreNotRecorded(score, SystemErrorReason(refusal));
  InsertHighScore(*read.table, *rank, host().AskHighScoreName(), skill, score);
  if (std::string why; !WriteHighScoreFile(*read.table, &why)) TellScoreNotRecorded(score, why);
}
