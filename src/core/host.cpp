#include "host.h"

#include <cassert>

namespace {
Host* current = nullptr;
}

void SetHost(Host* h) { current = h; }

Host& host() {
  assert(current && "no Host installed");
  return *current;
}

std::uint32_t TickCount() { return host().TickCount(); }

bool WaitUnlessQuitting(std::uint32_t ms) {
  const std::uint32_t start = host().TickCount();
  host().WaitPumping(ms);
  return host().TickCount() - start >= ms;
}
