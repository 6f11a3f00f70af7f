#include "core/end_game.h"

#include "core/core_state.h"
#include "core/game_state.h"
#include "core/host.h"
#include "core/journal_recorder.h"
#include "core/options.h"

void EndGame() {
  JournalMissionEnds();
  host().StopSound();
  host().DestroyStationWindows();
  coreState.game.yellowBlinkActive = 0;  // the blink's timer went with the Status station
  coreState.game.skillLevel = coreState.options.skillSetting;
  coreState.game.alienTable.clear();
  coreState.game.alienTable.shrink_to_fit();
  // The quadrants' reserved bytes are not part of the chart: they stay as they were.
  for (QuadrantRecord& q : coreState.game.galaxy) {
    q.starCount = 0;
    q.starbaseCount = 0;
    q.alienCount = 0;
    q.flags = 0;
    for (auto& row : q.cells)
      for (SectorCell& cell : row) cell = Cell::Empty;
  }
  coreState.game.gamePhase = GamePhase::NoGame;
  coreState.game.resetAlienClocks = 1;
  coreState.game.gameOverReason = GameOverReason::None;
}
