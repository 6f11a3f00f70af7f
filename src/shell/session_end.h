#pragma once
// The desktop session ends (log-off, shutdown): the player is asked to save a running game
// first and may cancel the ending.

class QGuiApplication;

void AskToSaveBeforeSessionEnds(QGuiApplication& application);
