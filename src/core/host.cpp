#include "core/host.h"

#include <cassert>

#include "core/core_state.h"

void SetHost(Host* h) { coreState.host = h; }

Host& host() {
  assert(coreState.host && "no Host installed");
  return *coreState.host;
}

const char* StationName(Station s) {
  static const char* const names[StationCount] = {
      "Short Range Scan", "Long Range Scan", "Navigation", "Photon Torpedoes", "Phasers", "Shields",
      "Damage Report",    "Computer",        "Status",     "Messages",         "Controls"};
  return names[static_cast<int>(s)];
}

const char* AnimationName(Animation a) {
  static const char* const names[] = {"warp", "streak", "torpedo", "phaser", "alien-beam", "hit", "explosion"};
  return names[static_cast<int>(a)];
}

std::uint32_t TickCount() { return host().TickCount(); }

bool WaitUnlessQuitting(std::uint32_t ms) {
  const std::uint32_t start = host().TickCount();
  host().WaitPumping(ms);
  return host().TickCount() - start >= ms;
}
