#pragma once
// What a screen reader finds on the bridge: each station is a panel named by its title
// whose parts are its read-outs, as lines of text ("Shields 260"), and its painted buttons,
// by name, each with a press action. The parts are drawn, not widgets, so they are told to
// the reader here, from what the stations themselves say of their faces.

class ReadOutListener;

// Makes every station window tell a screen reader what it shows. Once per program, before
// the first station is made.
void InstallStationAccessibility();

// A screen reader as the stations tell it of changed read-outs: listening while Qt's
// accessibility is active, and told by a value change and a new name of the read-out.
ReadOutListener& ScreenReader();
