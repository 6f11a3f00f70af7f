#include "sector/ship_hits.h"

#include "core/core_state.h"
#include "core/game_state.h"
#include "core/random.h"
#include "core/ship_damage.h"
#include "core/ship_messages.h"

namespace {
constexpr int LightHit = 75;  // below this (skill included) a hit never reaches a system

// The chance that a hit of weight v destroys the system it reaches; draws one random number
// unless the hit is heavy enough to destroy for certain.
bool DestroyingChance(int v) {
  if (v < 150) return lcg::rand() % 22 < 2;
  if (v < 250) return lcg::rand() % 20 < 3;
  if (v < 350) return lcg::rand() % 20 < 4;
  if (v < 450) return lcg::rand() % 15 < 5;
  return true;
}

// The hit number 0..9 of the system reached. Damage Control (7) is hit about half as often
// as the others: a 7 stands only if a second draw says so, and is drawn again otherwise.
int HitNumber() {
  int hit = lcg::rand() % 10;
  if (hit == 7 && lcg::rand() % 10 > 4) hit = lcg::rand() % 10;
  return hit;
}
}  // namespace

int ShotStrength(int energy) { return (lcg::rand() % energy) / 2 + energy / 2; }

void DamageShipSystems(int units) {
  const int v = units + static_cast<int>(coreState.game.skillLevel) * (lcg::rand() % 15);
  if (v < LightHit || lcg::rand() % 20 < 2) {
    PostShipMessage(static_cast<MessageId>(Msg::MinorDamageFirst + lcg::rand() % Msg::MinorDamageCount));
    return;
  }
  const bool destroying = DestroyingChance(v);
  DamageSystemByHit(HitNumber(), units, destroying);
}
