#pragma once
// What a screen reader finds on the bridge: each station is a panel named by its title
// whose parts are its read-outs, as lines of text ("Shields 260"), and its painted buttons,
// by name, each with a press action. The parts are drawn, not widgets, so they are told to
// the reader here, from what the stations themselves say of their faces.

class QString;
class StationWindow;

// Makes every station window tell a screen reader what it shows. Once per program, before
// the first station is made.
void InstallStationAccessibility();

// Whether a screen reader listens: while Qt's accessibility is active.
bool ScreenReaderListening();
// Tells a screen reader that read-out `index` of `station` now reads `text`: its value
// changed, and its name with it.
void TellScreenReader(StationWindow& station, int index, const QString& text);
