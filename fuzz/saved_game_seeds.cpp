// Writes saved games of new missions at every skill into a folder: the fuzzer's seeds.
//   saved_game_seeds FOLDER

#include <cstdio>
#include <fstream>
#include <string>

#include "core/core_state.h"
#include "core/game_state.h"
#include "core/new_game.h"
#include "core/program_reset.h"
#include "core/random.h"
#include "core/saved_game.h"
#include "headless/headless_host.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: saved_game_seeds FOLDER\n", stderr);
    return 2;
  }
  for (int skill = static_cast<int>(SkillLevel::Crewman); skill <= static_cast<int>(SkillLevel::Admiral); ++skill) {
    HeadlessHost headless;
    ResetProgramState(headless);
    coreState.game.skillLevel = static_cast<SkillLevel>(skill);
    lcg::Seed(static_cast<std::uint32_t>(1000 + skill));
    NewGame();
    const std::vector<std::uint8_t> bytes = EncodeSavedGame(coreState.game);
    std::ofstream out(std::string(argv[1]) + "/skill" + std::to_string(skill) + ".gam", std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) return 1;
  }
  return 0;
}
