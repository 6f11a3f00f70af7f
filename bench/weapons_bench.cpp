// CPU time of the weapons' rules, headless on the virtual clock: one torpedo's whole flight
// across an empty row, and one wide-dispersal phaser shot at four aliens.

#include <benchmark/benchmark.h>

#include "action_state.h"
#include "game_state.h"
#include "headless_host.h"
#include "phasers.h"
#include "program_reset.h"
#include "random.h"
#include "torpedoes.h"

namespace {

HeadlessHost host;

// A running game with the ship at sector 1,5 of quadrant 27 and, far away, aliens enough
// that no shot ends the mission.
void StartGame() {
  ResetProgramState(host);
  ResetSectorAction();
  game.gamePhase = GamePhase::RedAlert;
  game.stardateStart = game.stardateNow = 2000.0;
  game.missionLength = 40.0;
  game.shipEnergy = 3000;
  game.torpedoCount = 10;
  game.shipQuadrant = 27;
  game.shipSectorX = 0;
  game.shipSectorY = 4;
  game.galaxy[27].cells[4][0] = Cell::ShipRight;
  game.galaxy[0].cells[0][0] = 0x20;
  game.galaxy[0].alienCount = 1;
  game.alienTable.push_back({0, 0, 0, 0x20, {}, 200, 20000, 30000, 0, 0});
}

// Four aliens around the ship, strong enough to survive every shot.
void PlaceTargets() {
  const int sectors[4][2] = {{3, 1}, {6, 2}, {5, 6}, {2, 7}};
  for (const auto& [x, y] : sectors) {
    game.galaxy[27].cells[y][x] = 0x40;
    game.alienTable.push_back({27, x, y, 0x40, {}, 1000000000, 20000, 30000, 0, 0});
  }
  game.galaxy[27].alienCount = 4;
  game.alienTotal = game.aliensRemaining = static_cast<int>(game.alienTable.size());
}

// Course 90 from column 1: seven empty sectors, 500 ms apart on the virtual clock, then lost.
void TorpedoFlight(benchmark::State& state) {
  StartGame();
  game.alienTotal = game.aliensRemaining = 1;
  for (auto _ : state) {
    game.torpedoCount = 10;
    host.Clear();
    FireTorpedo(90, 5);
  }
}
BENCHMARK(TorpedoFlight)->Unit(benchmark::kMicrosecond);

void WideDispersalShot(benchmark::State& state) {
  StartGame();
  PlaceTargets();
  lcg::Seed(1);
  for (auto _ : state) {
    host.Clear();
    FirePhasers(400, false);
  }
}
BENCHMARK(WideDispersalShot)->Unit(benchmark::kMicrosecond);

}  // namespace
