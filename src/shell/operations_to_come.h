#pragma once
// Operations the frame and the main loop call whose full form is still being built
// elsewhere: the saved-game flows, the settings file and saved window layout, the intro
// fly-by, the About box, the help viewer, the sound channel, the aliens' pass and the
// end-of-game sequence. Each is declared here with what it does today; as each arrives, its
// declaration moves to its own header and leaves this file.

#include <QString>

class QWidget;

// Saved games.
enum class SaveAnswer { Yes, No, Cancel };
// Asks whether to save the running game before it is discarded. Until games can be saved
// there is nothing to save, so the answer is No.
SaveAnswer PromptSaveGame();
// Until games can be saved and loaded these tell the player so.
void OpenGameCommand(QWidget* frame);
void SaveGameCommand(QWidget* frame);
void SaveGameAsCommand(QWidget* frame);

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

// The aliens' moves and attacks during red alert (they hold their fire until it arrives).
void RedAlertTick();
// The end of a mission: until the communiqués and scores arrive, the game is simply ended.
void HandleGameOver();
