#pragma once
// Weapon tests: a quiet game whose ship's quadrant is drawn as a picture, with alien records
// added for the aliens in it, and a look at the random source's next draw.

#include <string>
#include <vector>

#include "core/core_state.h"
#include "core/random.h"
#include "tests/sector/sector_fixture.h"

class WeaponsTest : public SectorTest {
 protected:
  void SetUp() override {
    SectorTest::SetUp();
    StartGame();
  }

  // Draws the ship's quadrant and gives every alien in it a record with `energy`, in the
  // order of `order` (sectors as column, row) when given, else row by row. With aliens there
  // the ship is already in red alert.
  void DrawShipQuadrant(const std::vector<std::string>& rows, int energy = 1000,
                        std::vector<std::pair<int, int>> order = {}) {
    DrawQuadrant(coreState.game.shipQuadrant, rows);
    if (order.empty())
      for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
          if (Cell::HoldsAlien(coreState.game.ShipQuadrantRecord().cells[y][x])) order.emplace_back(x, y);
    for (const auto& [x, y] : order) {
      const auto kind = static_cast<std::uint8_t>(coreState.game.ShipQuadrantRecord().cells[y][x]);
      coreState.game.alienTable.push_back({coreState.game.shipQuadrant, x, y, kind, {}, energy, 20000, 30000, 0, 0});
    }
    coreState.game.alienTotal = coreState.game.aliensRemaining = static_cast<int>(coreState.game.alienTable.size());
    if (coreState.game.ShipQuadrantRecord().alienCount > 0) coreState.game.gamePhase = GamePhase::RedAlert;
  }

  // Leaves the aliens of the ship's quadrant as the only ones in the galaxy.
  void ForgetTheFarAlien() {
    const int farAway = coreState.game.alienTable.front().quadrant;
    coreState.game.Quadrant(farAway).cells[0][0] = Cell::Empty;
    coreState.game.Quadrant(farAway).alienCount = 0;
    coreState.game.alienTable.erase(coreState.game.alienTable.begin());
    coreState.game.alienTotal = coreState.game.aliensRemaining = static_cast<int>(coreState.game.alienTable.size());
  }

  AlienRecord& AlienAt(int x, int y) {
    return coreState.game
        .alienTable[static_cast<std::size_t>(coreState.game.FindAlienAt(coreState.game.shipQuadrant, x, y))];
  }

  // The next `n` draws of the random source, which is left as it was.
  static std::vector<int> NextDraws(int n) {
    const std::uint32_t state = lcg::State();
    std::vector<int> draws;
    draws.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) draws.push_back(lcg::rand());
    lcg::Seed(state);
    return draws;
  }

  static std::string Hit(const char* what, int x, int y, int units) {
    return std::string(what) + " at " + std::to_string(x) + "," + std::to_string(y) + "  " + std::to_string(units) +
           " Units";
  }
};
