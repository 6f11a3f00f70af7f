#include "core/random.h"

namespace lcg {
namespace {
std::uint32_t state = 1;
}

int rand() {
  state = state * 214013u + 2531011u;
  return static_cast<int>((state >> 16) & 0x7FFF);
}

void Seed(std::uint32_t s) { state = s; }

std::uint32_t State() { return state; }
}  // namespace lcg
