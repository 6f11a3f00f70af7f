#include "core/game_files.h"

#include <optional>

#include "core/console_print.h"
#include "core/core_state.h"
#include "core/end_game.h"
#include "core/file_io.h"
#include "core/format_text.h"
#include "core/game_state.h"
#include "core/game_stations.h"
#include "core/journal_recorder.h"
#include "core/long_range_chart.h"
#include "core/message_catalogue.h"
#include "core/saved_game.h"
#include "core/ship_messages.h"

SavedGameRead ReadSavedGameFile(const std::string& path, GameState& loaded) {
  const FileContent file = ReadWholeFile(path, MaxSavedGameSize);
  switch (file.failure) {
    case ReadFailure::None: {
      DecodeOutcome outcome = DecodeSavedGame(file.bytes, loaded);
      return {outcome.error, std::move(outcome.problem)};
    }
    case ReadFailure::TooLarge: {
      // Only its beginning was read: enough to tell a stranger from a damaged game.
      GameState ignored;
      if (DecodeSavedGame(file.bytes, ignored).error == Msg::NotAGameFileText)
        return {Msg::NotAGameFileText, "the file does not begin with KVF"};
      return {Msg::ReadErrorText, "the file is larger than any saved game"};
    }
    case ReadFailure::Missing: return {Msg::ReadErrorText, "there is no such file"};
    case ReadFailure::NotRegular: return {Msg::ReadErrorText, "it is not a regular file"};
    case ReadFailure::Unreadable: break;
  }
  return {Msg::ReadErrorText, "the file cannot be read"};
}

std::string LoadMessageString(MessageId id) {
  const char* text = MessageText(id);
  return text ? text : "";
}

void ShowFileError(MessageId textId, MessageId captionId, MessageStyle style, const std::string& path,
                   const std::string& reason) {
  std::string text = FormatText(LoadMessageString(textId).c_str(), path.c_str());
  if (!reason.empty()) text += "\n" + reason;
  host().ShowMessageBox(text, LoadMessageString(captionId), style);
}

void NameGameFile(const std::string& path) {
  coreState.game.gameFilePath = path;
  coreState.game.gameFileTitle = path.substr(path.find_last_of('/') + 1);
}

bool SaveGame() {
  host().SetBusy(true);
  // A temporary file beside the target is renamed over it only once fully written, so a
  // failed save never damages the previous one.
  if (std::string reason;
      !ReplaceFileAtomically(coreState.game.gameFilePath, EncodeSavedGame(coreState.game), &reason)) {
    host().SetBusy(false);
    ShowFileError(Msg::WriteErrorText, Msg::SaveGameCaption, MessageStyle::ExclamationOk, coreState.game.gameFilePath,
                  reason);
    return false;
  }
  PostShipMessage(Msg::GameSaved);
  coreState.game.changeCount = 0;
  JournalSaved();
  host().SetBusy(false);
  return true;
}

bool LoadGame() {
  host().SetBusy(true);
  GameState loaded;
  if (const SavedGameRead read = ReadSavedGameFile(coreState.game.gameFilePath, loaded); !read.Ok()) {
    host().SetBusy(false);
    ShowFileError(read.error, Msg::LoadGameCaption, MessageStyle::ExclamationOk, coreState.game.gameFilePath,
                  read.problem);
    return false;
  }
  StartSavedGame(std::move(loaded));
  host().SetBusy(false);
  return true;
}

void StartSavedGame(GameState&& loaded) {
  if (coreState.game.gamePhase != GamePhase::NoGame) {
    host().StopSound();
    EndGame();
  }
  JournalLoadedGame(loaded);
  AdoptSavedGame(std::move(loaded));
  ChartNeighbourhood(coreState.game.shipQuadrant);
  OpenGameStations();  // the first evaluation sets the phase
  PostShipMessage(Msg::ResumingSavedGame);
  coreState.game.changeCount = 0;
  ConsolePrintTextThenPrompt("\n");
  JournalPlayBegins();
}

Answer PromptSaveGame() {
  if (coreState.game.gamePhase == GamePhase::NoGame || coreState.game.changeCount == 0) return Answer::No;
  if (coreState.game.InRedAlert()) {
    const Answer answer =
        host().ShowMessageBox(LoadMessageString(Msg::RedAlertExitWarning), LoadMessageString(Msg::SaveGameCaption),
                              MessageStyle::ExclamationOkCancel);
    return answer == Answer::Cancel ? Answer::Cancel : Answer::Yes;
  }
  const Answer answer = host().ShowMessageBox(
      FormatText(LoadMessageString(Msg::SaveQuestion).c_str(), coreState.game.gameFileTitle.c_str()),
      LoadMessageString(Msg::SaveGameCaption), MessageStyle::QuestionYesNoCancel);
  if (answer != Answer::Yes) return answer;
  // The game the player asked to keep is not discarded when it could not be saved: the
  // command that asked goes no further, and a file chosen for it does not become its name.
  // A cancelled Save As dialog still lets the command go on.
  const std::string path = coreState.game.gameFilePath, title = coreState.game.gameFileTitle;
  if (title.empty()) {
    const std::optional<std::string> chosen = host().ChooseSaveFile();
    if (!chosen) return answer;
    NameGameFile(*chosen);
  }
  if (!SaveGame()) {
    coreState.game.gameFilePath = path;
    coreState.game.gameFileTitle = title;
    return Answer::Cancel;
  }
  return answer;
}
