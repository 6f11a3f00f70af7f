#pragma once
// Where the game keeps the files it writes (the score file, and the first place the file
// dialogs look for saved games): beside the program, or the player's own data directory when
// the program's directory cannot be written to (an installed copy).

#include <QString>

// Ends in a separator; the per-user directory is created when needed.
QString DataDirectory();

// The settings file beside the program, and the player's own one in the per-user
// configuration folder for when that cannot be used (ChooseSettingsPath picks).
QString SettingsFileBesideProgram();
QString PerUserSettingsFile();
