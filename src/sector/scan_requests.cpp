#include "sector/scan_requests.h"

#include "core/core_state.h"
#include "core/game_state.h"
#include "core/journal_recorder.h"
#include "core/ship_messages.h"
#include "sector/action_state.h"
#include "sector/movement.h"
#include "sector/phasers.h"
#include "sector/sector_state.h"
#include "sector/torpedoes.h"

namespace {

// The frame every request runs in: the journal's record of it, when it is carried out.
template <class Action>
void CarryOut(JournalRecord record, Action&& action) {
  if (sectorState.actionInProgress) return;
  const JournalEvent journaled(std::move(record));
  host().UpdateStation(Station::ShortRangeScan);
  sectorState.actionInProgress = true;
  host().SetBusy(true);
  action();
  sectorState.actionInProgress = false;
  ++coreState.game.changeCount;
  host().SetBusy(false);
}
}  // namespace

void RequestMove(int course, int impulse, int warp) {
  CarryOut(MakeJournalRecord(JournalKind::Move, {JournalFigure(course), JournalFigure(impulse), JournalFigure(warp)}),
           [&] {
             if (impulse != 0)
               ImpulseMove(course, impulse);
             else if (coreState.game.Working(ShipSystem::Warp))
               WarpMove(course, warp);
           });
}

void RequestTorpedo(int course, int distance) {
  CarryOut(MakeJournalRecord(JournalKind::Torpedo, {JournalFigure(course), JournalFigure(distance)}), [&] {
    if (coreState.game.torpedoCount == 0) {
      PostShipMessage(Msg::TubesEmpty);
      return;
    }
    host().PlaySoundAfterCurrent(Sounds::TorpedoLaunch, false);
    FireTorpedo(course, distance);
  });
}

void RequestRicochet() {
  CarryOut(MakeJournalRecord(JournalKind::Ricochet), [] { GravityRicochet(); });
}

void RequestPhasers(int energy, bool singleTarget) {
  CarryOut(MakeJournalRecord(JournalKind::Phasers, {JournalFigure(energy), singleTarget ? 1u : 0u}), [&] {
    if (energy != 0) FirePhasers(energy, singleTarget);
  });
}
