#pragma once
// The frame's side of saved games: the File menu's Open, Save and Save As with their file
// dialogs, the game's message boxes, and the save prompt before the desktop session ends.

#include <QString>
#include <optional>
#include <string>

#include "core/host.h"

class QGuiApplication;
class QWidget;

// File > Open (after the save prompt): choose a saved game and load it. A cancelled dialog
// leaves the game as it was but forgets its file's name, so the next Save asks for one.
void OpenGameCommand(QWidget* frame);
// Loads the saved game `path` as File > Open does once a file is chosen; a file that is not a
// sound game is reported and leaves the running game and its file name as they were.
void OpenGameFile(const QString& path);
// File > Save: to the game's file when it has one, otherwise as Save As.
void SaveGameCommand(QWidget* frame);
// File > Save As: choose a file and save to it.
void SaveGameAsCommand(QWidget* frame);

// The Save As dialog alone: the path of the file chosen, or nothing when the player cancels.
std::optional<std::string> ChooseSaveFile(QWidget* frame);

// A message box owned by the frame, answered as the platform numbers its buttons.
Answer ShowGameMessageBox(QWidget* frame, const std::string& text, const std::string& caption, MessageStyle style);
