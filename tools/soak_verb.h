#pragma once
// kestrav-tool soak: plays whole missions headless and checks the game after every step.

#include <string>
#include <vector>

int SoakVerb(const std::vector<std::string>& args);
