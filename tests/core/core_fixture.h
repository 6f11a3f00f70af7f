#pragma once
// Every core test starts from program start with a recording host, and can set up a small
// running game to act on.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game_state.h"
#include "headless_host.h"
#include "program_reset.h"
#include "ship_messages.h"

inline void PutShip(int quadrant, int x, int y) {
  game.shipQuadrant = quadrant;
  game.shipSectorX = x;
  game.shipSectorY = y;
  game.Quadrant(quadrant).cells[y][x] = x > 3 ? Cell::ShipLeft : Cell::ShipRight;
}

inline void AddAlien(int quadrant, int x, int y, AlienKind kind) {
  game.alienTable.push_back({quadrant, x, y, static_cast<std::uint8_t>(kind), {}, 200, 20000, 30000, 0, 0});
  game.Quadrant(quadrant).cells[y][x] = static_cast<SectorCell>(kind);
  ++game.Quadrant(quadrant).alienCount;
  ++game.alienTotal;
  ++game.aliensRemaining;
}

inline void PutStarbase(int quadrant, int x, int y, int frame = 0) {
  game.Quadrant(quadrant).cells[y][x] = static_cast<SectorCell>(Cell::Starbase + frame * 256);
  ++game.Quadrant(quadrant).starbaseCount;
}

// A quiet running game: the ship alone in quadrant 27 at sector (3,4), full supplies, one
// Klingon far away in quadrant 0, the deadline well ahead, condition green.
inline void StartQuietGame() {
  game.gamePhase = GamePhase::Green;
  game.stardateStart = game.stardateNow = 2000.0;
  game.missionLength = 40.0;
  game.shipEnergy = 3000;
  game.torpedoCount = 10;
  PutShip(27, 3, 4);
  AddAlien(0, 5, 5, AlienKind::Klingon);
}

// The texts on the Messages panel, oldest first.
inline std::vector<std::string> PanelLines() {
  std::vector<std::string> lines;
  for (const auto& line : messageLines)
    if (line[0] != '\0') lines.emplace_back(line.data());
  return lines;
}

class CoreTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetProgramState(recorder); }
  HeadlessHost recorder;
};
