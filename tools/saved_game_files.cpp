#include "tools/saved_game_files.h"

#include "core/file_io.h"
#include "core/format_text.h"
#include "core/game_files.h"
#include "core/message_catalogue.h"
#include "core/saved_game.h"

namespace {
std::string FileText(MessageId id, const std::string& path) { return FormatText(MessageText(id), path.c_str()); }
}  // namespace

std::string ReadGameFile(const std::string& path, GameState& loaded) {
  const SavedGameRead read = ReadSavedGameFile(path, loaded);
  return read.Ok() ? std::string() : FileText(read.error, path) + ": " + read.problem;
}

std::string WriteGameFile(const std::string& path, const GameState& state) {
  std::string reason;
  if (ReplaceFileAtomically(path, EncodeSavedGame(state), &reason)) return {};
  return FileText(Msg::WriteErrorText, path) + ": " + reason;
}
