#pragma once
// kestrav-tool's console verb: load a saved game and type lines at the Computer console.
//
//   console FILE --seed SEED --line TEXT [--line TEXT ...] --out FILE2 [--state]
//
// Returns the program's exit code.

#include <string>
#include <vector>

int ConsoleVerb(const std::vector<std::string>& args);
