#include "core/ship_damage.h"

#include "core/core_state.h"
#include "core/ship_messages.h"

namespace {

// How a repaired system is announced and its station refreshed.
struct Repair {
  ShipSystem system;
  MessageId message;
  bool erase;           // repaint the station with its background erased
  bool showStation;     // restore the station first if it was minimised
  bool postAfterPaint;  // post only once the station is repainted (the Messages panel itself)
};

constexpr Repair RepairOrder[SystemCount] = {
    {ShipSystem::SRS, 124, true, false, false},         {ShipSystem::LRS, 125, true, false, false},
    {ShipSystem::Warp, 126, false, false, false},       {ShipSystem::Shield, 127, true, false, false},
    {ShipSystem::Photon, 128, false, false, false},     {ShipSystem::Phaser, 129, false, false, false},
    {ShipSystem::Computer, 130, false, false, false},   {ShipSystem::DamageControl, 131, false, false, false},
    {ShipSystem::StatusPanel, 132, false, true, false}, {ShipSystem::MessageDisplay, 133, true, true, true},
};

void AnnounceRepair(const Repair& r) {
  const Station station = StationOf(r.system);
  if (r.showStation) host().ShowStationNormal(station);
  if (!r.postAfterPaint) PostShipMessage(r.message);
  host().InvalidateStation(station, r.erase);
  host().UpdateStation(station);
  if (r.postAfterPaint) PostShipMessage(r.message);
}

// A damaged station is repainted at once; the Status panel keeps its background.
void RepaintDamagedStation(Station station) {
  host().InvalidateStation(station, station != Station::Status);
  host().UpdateStation(station);
}

void RefreshDamageReport() {
  if (coreState.game.Working(ShipSystem::DamageControl)) host().InvalidateStation(Station::DamageReport, false);
}
}  // namespace

Station StationOf(ShipSystem system) {
  switch (system) {
    case ShipSystem::SRS: return Station::ShortRangeScan;
    case ShipSystem::LRS: return Station::LongRangeScan;
    case ShipSystem::Warp: return Station::Navigation;
    case ShipSystem::Photon: return Station::PhotonTorpedoes;
    case ShipSystem::Phaser: return Station::Phasers;
    case ShipSystem::Shield: return Station::Shields;
    case ShipSystem::Computer: return Station::Computer;
    case ShipSystem::DamageControl: return Station::DamageReport;
    case ShipSystem::StatusPanel: return Station::Status;
    case ShipSystem::MessageDisplay: return Station::Messages;
  }
  return Station::Controls;
}

ShipSystem SystemForHit(int hit) {
  static constexpr ShipSystem ByHit[SystemCount] = {
      ShipSystem::Warp,        ShipSystem::SRS,           ShipSystem::LRS,      ShipSystem::Shield,
      ShipSystem::Phaser,      ShipSystem::Photon,        ShipSystem::Computer, ShipSystem::DamageControl,
      ShipSystem::StatusPanel, ShipSystem::MessageDisplay};
  return ByHit[hit];
}

void ApplyRepairs() {
  int repaired = 0;
  for (const Repair& r : RepairOrder) {
    double& damage = coreState.game.Damage(r.system);
    if (!(damage > 0.0 && coreState.game.RepairDate(r.system) <= coreState.game.stardateNow)) continue;
    damage = 0.0;
    AnnounceRepair(r);
    ++repaired;
  }
  if (repaired > 0 && coreState.game.Working(ShipSystem::DamageControl) &&
      !host().IsStationMinimized(Station::DamageReport))
    host().InvalidateStation(Station::DamageReport, false);
}

void DamageSystemByHit(int hit, int units, bool destroying) {
  const ShipSystem system = SystemForHit(hit);
  const Station station = StationOf(system);
  double& damage = coreState.game.Damage(system);
  double& repairDate = coreState.game.RepairDate(system);
  const int twelfths = units / 12;  // whole twelfths of the hit, in tenths of a day
  const double repairDays = static_cast<double>(twelfths) / 10.0;
  const MessageId hitNumber = static_cast<MessageId>(hit);

  if (damage == DestroyedDamage) return;  // nothing left to hit
  host().TakeFocusFrom(station);
  if (destroying) {
    PostShipMessage(Msg::SystemDestroyedFirst + hitNumber);
    damage = DestroyedDamage;
    repairDate = 0.0;
    RepaintDamagedStation(station);
  } else if (damage > 0.0) {
    PostShipMessage(Msg::SystemDamagedAgain + hitNumber);
    damage += repairDays;
    repairDate += repairDays;
  } else {
    PostShipMessage(Msg::SystemDamagedFirst + hitNumber);
    damage = repairDays;
    repairDate = coreState.game.stardateNow + repairDays;
    RepaintDamagedStation(station);
  }
  RefreshDamageReport();
}
