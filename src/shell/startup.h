#pragma once
// The program from start to end: seeding, one instance only, the bundles, the settings, the
// frame shown maximized, the saved game it was started with or the journal it replays, the main
// loop, and the shutdown. With `traceFile`, the animations' frames are traced to it. Returns the
// exit code.

#include <QString>

int RunKestrav(const QString& gameFile = {}, const QString& replayJournal = {}, const QString& traceFile = {});
