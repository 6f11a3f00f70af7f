#pragma once
// Every core and soak test starts from program start with a recording host, and can set up a
// small running game to act on.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/core_state.h"
#include "core/game_state.h"
#include "core/program_reset.h"
#include "core/ship_messages.h"
#include "headless/headless_host.h"
#include "tests/support/quiet_game.h"

// The texts on the Messages panel, oldest first.
inline std::vector<std::string> PanelLines() {
  std::vector<std::string> lines;
  for (const auto& line : coreState.messageLines)
    if (line[0] != '\0') lines.emplace_back(line.data());
  return lines;
}

class CoreTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetProgramState(recorder); }
  HeadlessHost recorder;
};
