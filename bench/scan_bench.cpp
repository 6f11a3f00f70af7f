// The Short Range Scan's drawing cost: a whole repaint of a busy quadrant, and one tick of
// the star and starbase animation. Runs on Qt's offscreen platform.

#include <benchmark/benchmark.h>

#include <QApplication>

#include "core/core_state.h"
#include "core/game_state.h"
#include "headless/headless_host.h"
#include "sector/action_state.h"
#include "sector/sector_reset.h"
#include "stations/resource_library.h"
#include "stations/short_range_scan.h"

namespace {

// Nine stars, a starbase, the ship and four aliens: the most a quadrant shows.
void FillBusyQuadrant() {
  static HeadlessHost host;
  ResetSectorState(host);
  coreState.game.gamePhase = GamePhase::Green;
  QuadrantRecord& q = coreState.game.ShipQuadrantRecord();
  const SectorCell stars[] = {Cell::StarA, Cell::StarB, Cell::StarX};
  for (int i = 0; i < 9; ++i) q.cells[i % 8][(i * 3) % 8] = stars[i % 3];
  q.starCount = 9;
  q.cells[7][7] = Cell::Starbase;
  q.starbaseCount = 1;
  q.cells[4][4] = Cell::ShipLeft;
  coreState.game.shipSectorX = coreState.game.shipSectorY = 4;
  q.cells[2][6] = 0x20;
  q.cells[5][1] = 0x40;
  q.cells[6][5] = 0x60;
  q.cells[1][2] = 0x80;
}

void FullRepaint(benchmark::State& state) {
  FillBusyQuadrant();
  ShortRangeScanWindow scan;
  scan.show();
  for (auto _ : state) {
    scan.Invalidate(true);
    scan.UpdateNow();
    benchmark::DoNotOptimize(scan.Surface().constBits());
  }
}
BENCHMARK(FullRepaint)->Unit(benchmark::kMicrosecond);

void AnimationTick(benchmark::State& state) {
  FillBusyQuadrant();
  ShortRangeScanWindow scan;
  scan.show();
  scan.UpdateNow();
  for (auto _ : state) {
    scan.AnimationTick();
    benchmark::DoNotOptimize(scan.Surface().constBits());
  }
}
BENCHMARK(AnimationTick)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  resources::LoadBundle(QStringLiteral(KESTRAV_BIN_DIR "/") + resources::PictureBundleName);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
