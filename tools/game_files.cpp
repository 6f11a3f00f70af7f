#include "game_files.h"

#include <QFile>
#include <QSaveFile>

#include <vector>

#include "format_text.h"
#include "message_catalogue.h"
#include "saved_game.h"

std::string ReadGameFile(const std::string& path, GameState& loaded) {
  QFile file(QString::fromStdString(path));
  std::vector<std::uint8_t> bytes;
  if (file.open(QIODevice::ReadOnly)) {
    // One byte more than the largest game is enough to know a file is too long.
    const QByteArray read = file.read(static_cast<qint64>(MaxSavedGameSize + 1));
    bytes.assign(read.begin(), read.end());
  }
  if (!file.isOpen() || file.error() != QFileDevice::NoError)
    return FormatText(MessageText(Msg::ReadErrorText), path.c_str()) + ": " + file.errorString().toStdString();
  if (bytes.size() > MaxSavedGameSize)
    return FormatText(MessageText(Msg::ReadErrorText), path.c_str()) + ": the file is larger than any saved game";

  const DecodeOutcome outcome = DecodeSavedGame(bytes, loaded);
  if (!outcome.Ok()) return FormatText(MessageText(outcome.error), path.c_str()) + ": " + outcome.problem;
  return {};
}

std::string WriteGameFile(const std::string& path, const GameState& state) {
  const std::vector<std::uint8_t> bytes = EncodeSavedGame(state);
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size())) !=
          static_cast<qint64>(bytes.size()) ||
      !file.commit())
    return FormatText(MessageText(Msg::WriteErrorText), path.c_str()) + ": " + file.errorString().toStdString();
  return {};
}
