#pragma once
// Every sector test starts from program start with a recording host and no action running,
// and draws the ship's quadrant as a small picture.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/core_state.h"
#include "core/game_state.h"
#include "core/ship_messages.h"
#include "headless/headless_host.h"
#include "sector/action_state.h"
#include "sector/sector_reset.h"
#include "tests/support/quadrant_picture.h"

class SectorTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetSectorState(recorder); }

  void StartGame(int shipQuadrant = 27) { StartQuietSectorGame(shipQuadrant); }

  // The texts on the Messages panel, oldest first.
  static std::vector<std::string> PanelLines() {
    std::vector<std::string> lines;
    for (const auto& line : coreState.messageLines)
      if (line[0] != '\0') lines.emplace_back(line.data());
    return lines;
  }

  SectorCell ShipCell() const {
    return coreState.game.Quadrant(coreState.game.shipQuadrant)
        .cells[coreState.game.shipSectorY][coreState.game.shipSectorX];
  }

  HeadlessHost recorder;
};
