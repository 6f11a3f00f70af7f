#pragma once
// kestrav-tool's replay verb: play a mission's journal again headless and check every
// checkpoint on the way.
//
//   replay JOURNAL [--out FILE.gam] [--until TICK] [--state]
//
// Returns the program's exit code.

#include <string>
#include <vector>

int ReplayVerb(const std::vector<std::string>& args);
