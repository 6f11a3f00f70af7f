#include "sector/scan_animation.h"

#include "core/core_state.h"
#include "core/game_state.h"
#include "core/journal_recorder.h"
#include "core/options.h"
#include "sector/action_state.h"
#include "sector/scan_geometry.h"
#include "sector/sector_state.h"

namespace {
bool Animated(std::uint8_t kind) {
  return kind == Cell::StarA || kind == Cell::StarB || kind == Cell::StarX || kind == Cell::Starbase;
}
}  // namespace

std::vector<ScanTwinkle> StepScanAnimation() {
  std::vector<ScanTwinkle> shown;
  if (!coreState.game.Working(ShipSystem::SRS) || sectorState.scanAnimationHeld || coreState.pausedFlag) return shown;
  QuadrantRecord& quadrant = coreState.game.ShipQuadrantRecord();
  if (quadrant.starbaseCount == 0 && quadrant.starCount == 0) return shown;

  const JournalEvent journaled(MakeJournalRecord(JournalKind::Frames));
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      SectorCell& cell = quadrant.cells[y][x];
      const std::uint8_t kind = Cell::Object(cell);
      // A starbase holds still while any action runs; stars keep twinkling.
      if (Animated(kind) && !(kind == Cell::Starbase && sectorState.actionInProgress)) {
        shown.push_back({x, y, kind, Cell::Frame(cell)});
        cell = static_cast<SectorCell>(cell + 0x100);
      }
      if (static_cast<std::int8_t>(Cell::Frame(cell)) >= StripFrameCount) cell = Cell::Object(cell);
    }
  }
  return shown;
}
