#include "core/shield_transfer.h"

#include "core/conditions.h"
#include "core/core_state.h"
#include "core/game_state.h"
#include "core/host.h"
#include "core/journal_recorder.h"

void CommitShieldTransfer(int shipEnergy, int shieldEnergy) {
  const JournalEvent journaled(
      MakeJournalRecord(JournalKind::Shields, {JournalFigure(shipEnergy), JournalFigure(shieldEnergy)}));
  host().PlaySoundNow(Sounds::Acknowledge, false);
  coreState.game.shipEnergy = shipEnergy;
  coreState.game.shieldEnergy = shieldEnergy;
  EvaluateConditions();
  host().InvalidateStation(Station::Status, false);
  ++coreState.game.changeCount;
}
