#pragma once
// kestrav-tool's wait verb: load a saved game and let time pass headless, running the game's
// own idle passes on a virtual clock, then save the result.
//
//   wait FILE --seed SEED --ms N --out FILE2 [--state]
//
// Returns the program's exit code.

#include <string>
#include <vector>

int WaitVerb(const std::vector<std::string>& args);
