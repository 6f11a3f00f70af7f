#pragma once
// The flight recorder in the game: while Options > Record Missions is on, every mission is
// journaled in the player's data folder (journals/ under the per-user application data
// folder), the last 50 kept. A journal that cannot be written is given up with one ship's
// message; the game goes on.

#include <QString>

class QWidget;

QString JournalFolder();

// Turns the recorder on or off as options.recordMissions says; turned off, the journal being
// written is closed as it stands.
void RecordMissionsAsOptionsSay();

// The newest journal when its mission was cut short (it has no "end": the program was killed,
// crashed or lost its power) and it has not been offered yet; empty otherwise.
QString UnfinishedJournal();

// Offers to resume the mission of an unfinished journal. On Yes it is played again headless by
// kestrav-tool beside the program, to its last record, and the bridge opens on the game as it
// then stood, as a game without a file name. Either way the journal is marked as offered
// ("-cut-short" before its extension), so that it is asked about once.
void OfferToResumeUnfinishedMission(QWidget* frame);
