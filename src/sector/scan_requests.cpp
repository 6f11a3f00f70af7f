#include "scan_requests.h"

#include "action_state.h"
#include "game_state.h"
#include "movement.h"
#include "ship_messages.h"

namespace {

TorpedoOperation fireTorpedo = nullptr;
PhaserOperation firePhasers = nullptr;

// The frame every request runs in.
template <class Action>
void CarryOut(Action&& action) {
  if (actionInProgress) return;
  host().UpdateStation(Station::ShortRangeScan);
  actionInProgress = true;
  host().SetBusy(true);
  action();
  actionInProgress = false;
  ++game.changeCount;
  host().SetBusy(false);
}
}  // namespace

void InstallWeaponOperations(TorpedoOperation torpedo, PhaserOperation phasers) {
  fireTorpedo = torpedo;
  firePhasers = phasers;
}

void RequestMove(int course, int impulse, int warp) {
  CarryOut([&] {
    if (impulse != 0)
      ImpulseMove(course, impulse);
    else if (game.Working(ShipSystem::Warp))
      WarpMove(course, warp);
  });
}

void RequestTorpedo(int course, int distance) {
  CarryOut([&] {
    if (game.torpedoCount == 0) {
      PostShipMessage(Msg::TubesEmpty);
      return;
    }
    host().PlaySoundAfterCurrent(Sounds::TorpedoLaunch, false);
    if (fireTorpedo) fireTorpedo(course, distance);
  });
}

void RequestRicochet() { CarryOut([] { GravityRicochet(); }); }

void RequestPhasers(int energy, bool singleTarget) {
  CarryOut([&] {
    if (energy != 0 && firePhasers) firePhasers(energy, singleTarget);
  });
}
