#pragma once
// Operations the frame and the main loop call whose full form is still being built
// elsewhere: the help viewer. It is declared here with what it does today; when it
// arrives, its declaration moves to its own header and this file goes.

#include <QString>

class QWidget;

// Opens the player's manual at `helpPath` with the desktop's viewer; says so when it is missing.
void OpenPlayersManual(QWidget* frame, const QString& helpPath);
