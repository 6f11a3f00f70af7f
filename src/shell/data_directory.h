#pragma once
// Where the game keeps the files it writes (the score file, and the first place the file
// dialogs look for saved games): beside the program, or the player's own data directory when
// the program's directory cannot be written to (an installed copy).

#include <QString>

// Ends in a separator; the per-user directory is created when needed.
QString DataDirectory();

// Where the settings file lives: beside the program, or the player's own configuration
// directory when the program's directory cannot be written to. Ends in a separator.
QString SettingsDirectory();
