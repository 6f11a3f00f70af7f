#pragma once
// Shared set-up of the lifecycle tests: a fresh game state, a recording host and a
// private temporary directory for score files and saved games.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

#include "core/core_state.h"
#include "core/game_state.h"
#include "core/high_score_file.h"
#include "core/program_reset.h"
#include "core/random.h"
#include "core/ship_messages.h"
#include "headless/headless_host.h"

class LifecycleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProgramState(recorder);
    directory =
        std::filesystem::temp_directory_path() / ("kestrav-lifecycle-" + std::to_string(::getpid()) + "-" +
                                                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(directory);
    std::filesystem::create_directories(directory);
    coreState.highScorePath = (directory / HighScoreFileName).string();
  }
  void TearDown() override {
    std::filesystem::permissions(directory, std::filesystem::perms::owner_all);
    std::filesystem::remove_all(directory);
  }

  static std::string ReadText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  static void WriteText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }

  HeadlessHost recorder;
  std::filesystem::path directory;
};
