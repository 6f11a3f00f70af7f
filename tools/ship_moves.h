#pragma once
// kestrav-tool's movement verbs: load a saved game, move the ship headless, save the result.
//
//   move FILE --seed SEED --course C (--warp W | --impulse I) --out FILE2 [--state]
//   ricochet FILE --seed SEED --out FILE2 [--state]
//
// Each returns the program's exit code.

#include <string>
#include <vector>

int MoveVerb(const std::vector<std::string>& args);
int RicochetVerb(const std::vector<std::string>& args);
