#pragma once
// The flight recorder in the game: while Options > Record Missions is on, every mission is
// journaled in the player's data folder (journals/ under the per-user application data
// folder), the last 50 kept. A journal that cannot be written is given up with one ship's
// message; the game goes on.

#include <QString>

QString JournalFolder();

// Turns the recorder on or off as options.recordMissions says; turned off, the journal being
// written is closed as it stands.
void RecordMissionsAsOptionsSay();
