// How long the rules take to generate a mission, and to save and load it.

#include <benchmark/benchmark.h>

#include "core/core_state.h"
#include "core/game_state.h"
#include "core/new_game.h"
#include "core/program_reset.h"
#include "core/random.h"
#include "core/saved_game.h"
#include "headless/headless_host.h"

namespace {
// Ready for an Admiral's mission: the most stars and aliens, every extra draw.
void PrepareAdmiralMission(HeadlessHost& headless, std::uint32_t seed) {
  headless.Clear();
  ResetProgramState(headless);
  coreState.game.skillLevel = SkillLevel::Admiral;
  lcg::Seed(seed);
}

void StartAdmiralMission(HeadlessHost& headless, std::uint32_t seed) {
  PrepareAdmiralMission(headless, seed);
  NewGame();
}

void StartingANewGame(benchmark::State& state) {
  HeadlessHost headless;
  std::uint32_t seed = 0;
  for (auto _ : state) {
    state.PauseTiming();
    PrepareAdmiralMission(headless, ++seed);
    state.ResumeTiming();
    NewGame();
    benchmark::DoNotOptimize(coreState.game.galaxy.data());
  }
}
BENCHMARK(StartingANewGame);

void EncodingASavedGame(benchmark::State& state) {
  HeadlessHost headless;
  StartAdmiralMission(headless, 777);
  for (auto _ : state) benchmark::DoNotOptimize(EncodeSavedGame(coreState.game));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(EncodeSavedGame(coreState.game).size()));
}
BENCHMARK(EncodingASavedGame);

void DecodingASavedGame(benchmark::State& state) {
  HeadlessHost headless;
  StartAdmiralMission(headless, 777);
  const std::vector<std::uint8_t> bytes = EncodeSavedGame(coreState.game);
  for (auto _ : state) {
    GameState loaded;
    benchmark::DoNotOptimize(DecodeSavedGame(bytes, loaded));
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(DecodingASavedGame);
}  // namespace
