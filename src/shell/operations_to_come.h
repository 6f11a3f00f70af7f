#pragma once
// Operations the frame and the main loop call whose full form is still being built
// elsewhere: the saved-game flows, the settings file and saved window layout, the intro
// fly-by, the About box, the help viewer, the sound channel and the end-of-game
// sequence. Each is declared here with what it does today; as each arrives, its
// declaration moves to its own header and leaves this file.

#include <QString>

class QWidget;

// The settings file and the saved window layout: the options keep their defaults, and the
// Window menu's save and restore tell the player they are not available.
void ReadSettings();
void WriteSettings();
void SaveWindowPositions(QWidget* frame);
void RestoreWindowPositions(QWidget* frame);

// Start-up's fly-by of the ship across the screen (nothing is shown yet).
void PlayIntroFlyBy();
// A plain About box with the game's version text.
void ShowAboutBox(QWidget* frame);
// Opens the player's manual at `helpPath` with the desktop's viewer; says so when it is missing.
void OpenPlayersManual(QWidget* frame, const QString& helpPath);
