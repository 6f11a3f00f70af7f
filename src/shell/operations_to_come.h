#pragma once
// Operations the frame and the main loop call whose full form is still being built
// elsewhere: the saved-game flows, the intro fly-by, the About box, the help viewer, the sound channel, the aliens' pass and the
// end-of-game sequence. Each is declared here with what it does today; as each arrives, its
// declaration moves to its own header and leaves this file.

#include <QString>

class QWidget;

// Start-up's fly-by of the ship across the screen (nothing is shown yet).
void PlayIntroFlyBy();
// A plain About box with the game's version text.
void ShowAboutBox(QWidget* frame);
// Opens the player's manual at `helpPath` with the desktop's viewer; says so when it is missing.
void OpenPlayersManual(QWidget* frame, const QString& helpPath);

// The aliens' moves and attacks during red alert (they hold their fire until it arrives).
void RedAlertTick();
