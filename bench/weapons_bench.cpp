// CPU time of the weapons' rules, headless on the virtual clock: one torpedo's whole flight
// across an empty row, and one wide-dispersal phaser shot at four aliens.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/core_state.h"
#include "core/game_state.h"
#include "core/random.h"
#include "headless/headless_host.h"
#include "sector/phasers.h"
#include "sector/sector_reset.h"
#include "sector/torpedoes.h"
#include "tests/support/quadrant_picture.h"

namespace {

HeadlessHost host;

const std::vector<std::string> FourRomulans = {"........", "...R....", "......R.", "........",
                                               ">.......", "........", ".....R..", "..R....."};

// A running game in red alert, the ship at sector 1,5 of quadrant 27 and, far away, one
// alien, so no shot ends the mission.
void StartGame(const std::vector<std::string>& quadrant) {
  ResetSectorState(host);
  StartQuietSectorGame(27);
  DrawQuadrant(27, quadrant);
  coreState.game.gamePhase = GamePhase::RedAlert;
}

// The four Romulans, strong enough to survive every shot.
void GiveTheRomulansRecords() {
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      if (coreState.game.galaxy[27].cells[y][x] == 0x40)
        coreState.game.alienTable.push_back({27, x, y, 0x40, {}, 1000000000, 20000, 30000, 0, 0});
  coreState.game.alienTotal = coreState.game.aliensRemaining = static_cast<int>(coreState.game.alienTable.size());
}

// Course 90 from column 1: seven empty sectors, 500 ms apart on the virtual clock, then lost.
void TorpedoFlight(benchmark::State& state) {
  StartGame({"........", "........", "........", "........", ">.......", "........", "........", "........"});
  for (auto _ : state) {
    coreState.game.torpedoCount = 10;
    host.Clear();
    FireTorpedo(90, 5);
  }
}
BENCHMARK(TorpedoFlight)->Unit(benchmark::kMicrosecond);

void WideDispersalShot(benchmark::State& state) {
  StartGame(FourRomulans);
  GiveTheRomulansRecords();
  lcg::Seed(1);
  for (auto _ : state) {
    host.Clear();
    FirePhasers(400, false);
  }
}
BENCHMARK(WideDispersalShot)->Unit(benchmark::kMicrosecond);

}  // namespace
