#pragma once
// Where the program lives: its bundles, its help file and its settings sit beside it.

#include <QString>

// The program's own directory, ending in a separator.
QString ProgramDirectory();
QString HelpPath();  // the player's manual, "KESTRAV.HLP"
