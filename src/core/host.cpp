#include "core/host.h"

#include <cassert>

namespace {
Host* current = nullptr;
}

void SetHost(Host* h) { current = h; }

Host& host() {
  assert(current && "no Host installed");
  return *current;
}

const char* StationName(Station s) {
  static const char* const names[StationCount] = {
      "Short Range Scan", "Long Range Scan", "Navigation", "Photon Torpedoes", "Phasers", "Shields",
      "Damage Report",    "Computer",        "Status",     "Messages",         "Controls"};
  return names[static_cast<int>(s)];
}

std::uint32_t TickCount() { return host().TickCount(); }

bool WaitUnlessQuitting(std::uint32_t ms) {
  const std::uint32_t start = host().TickCount();
  host().WaitPumping(ms);
  return host().TickCount() - start >= ms;
}
