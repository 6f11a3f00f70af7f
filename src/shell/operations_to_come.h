#pragma once
// Operations the frame and the main loop call whose full form is still being built
// elsewhere: the help viewer and the aliens' pass. Each is declared here with what it does
// today; as each arrives, its declaration moves to its own header and leaves this file.

#include <QString>

class QWidget;

// Opens the player's manual at `helpPath` with the desktop's viewer; says so when it is missing.
void OpenPlayersManual(QWidget* frame, const QString& helpPath);

// The aliens' moves and attacks during red alert (they hold their fire until it arrives).
void RedAlertTick();
