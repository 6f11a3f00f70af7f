#pragma once
// kestrav-tool's weapon verbs: load a saved game, carry out one EXECUTE of the Photon
// Torpedoes or the Phasers station headless, save the result.
//
//   torpedo FILE --seed SEED --course C --distance D --out FILE2 [--state]
//   phasers FILE --seed SEED --energy E (--single | --wide) --out FILE2 [--state]
//
// Each returns the program's exit code.

#include <string>
#include <vector>

int TorpedoVerb(const std::vector<std::string>& args);
int PhasersVerb(const std::vector<std::string>& args);
