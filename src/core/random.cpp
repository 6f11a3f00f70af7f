#include "core/random.h"

#include "core/core_state.h"

namespace lcg {
int rand() {
  coreState.randomState = coreState.randomState * 214013u + 2531011u;
  return static_cast<int>((coreState.randomState >> 16) & 0x7FFF);
}

void Seed(std::uint32_t s) { coreState.randomState = s; }

std::uint32_t State() { return coreState.randomState; }
}  // namespace lcg
