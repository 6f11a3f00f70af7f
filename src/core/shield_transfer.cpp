#include "shield_transfer.h"

#include "conditions.h"
#include "game_state.h"
#include "host.h"

void CommitShieldTransfer(int shipEnergy, int shieldEnergy) {
  host().PlaySoundNow(Sounds::Acknowledge, false);
  game.shipEnergy = shipEnergy;
  game.shieldEnergy = shieldEnergy;
  EvaluateConditions();
  host().InvalidateStation(Station::Status, false);
  ++game.changeCount;
}
