#pragma once
// The game's one random source: a linear congruential generator giving 0..32767.
// The order of draws is part of every rule that draws, so nothing else may draw.

#include <cstdint>

namespace lcg {
// state = state * 214013 + 2531011 (mod 2^32); the result is (state >> 16) & 0x7FFF. The one
// random source keeps its classic name.
int rand();  // NOLINT(readability-identifier-naming)
void Seed(std::uint32_t state);
std::uint32_t State();
}  // namespace lcg
