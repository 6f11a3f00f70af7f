#pragma once
// Saving and loading games, and the question asked before an unsaved game is discarded.
// The file a game is saved to or loaded from is named with NameGameFile before these run.

#include <string>

#include "core/game_state.h"
#include "core/host.h"

// A saved game read from disk and checked: the error text's id (Msg::ReadErrorText or
// Msg::NotAGameFileText; 0 when the file holds a game) and what is wrong with a rejected one.
struct SavedGameRead {
  MessageId error = 0;
  std::string problem;
  bool Ok() const { return error == 0; }
};
SavedGameRead ReadSavedGameFile(const std::string& path, GameState& loaded);

// The running game's file becomes `path`: its gameFilePath, and its gameFileTitle, the name
// after the path's last '/'.
void NameGameFile(const std::string& path);

// Writes the running game to gameFilePath; on failure says so and leaves changeCount.
bool SaveGame();

// Replaces the running game (if any) by the one in gameFilePath. A file that is not a
// sound game is reported and leaves the running game exactly as it was.
bool LoadGame();

// Ends the running game (if any) and plays `loaded`, a game read and checked, from where it
// was saved.
void StartSavedGame(GameState&& loaded);

// Asks whether to save before a game with unsaved changes is discarded: Yes (go on, saved
// if the player wished), No (go on) or Cancel (stop: the player cancelled, or the save the
// player asked for failed). In red alert nothing can be saved: OK answers Yes.
Answer PromptSaveGame();

// A message box with string `textId` (its one %s filled with `path`) under string `captionId`,
// and on a second line the reason, when there is one.
void ShowFileError(MessageId textId, MessageId captionId, MessageStyle style, const std::string& path,
                   const std::string& reason = {});

// String `id` of the string table; empty when there is none.
std::string LoadMessageString(MessageId id);
