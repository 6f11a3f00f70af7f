#pragma once
// Where the program lives: its bundles and its settings sit beside it.

#include <QString>

// The program's own directory, ending in a separator.
QString ProgramDirectory();
