#include "station_roster.h"

#include "controls_window.h"
#include "messages_station.h"
#include "navigation_station.h"
#include "phaser_station.h"
#include "photon_station.h"
#include "short_range_scan.h"
#include "stand_in_station.h"

namespace {
template <Station S>
StationWindow* StandIn() {
  return new StandInStation(S);
}

StationWindow* Messages() { return new MessagesStation; }
StationWindow* ShortRangeScan() { return new ShortRangeScanWindow; }
StationWindow* Navigation() { return new NavigationStation; }
StationWindow* Controls() { return new ControlsWindow; }
StationWindow* PhotonTorpedoes() { return new PhotonStation; }
StationWindow* Phasers() { return new PhaserStation; }
}  // namespace

const std::array<StationEntry, StationCount> stationRoster = {{
    {Station::ShortRangeScan, 5, {250, 5}, {315, 235}, false, ShortRangeScan},
    {Station::LongRangeScan, 6, {250, 5}, {360, 230}, true, StandIn<Station::LongRangeScan>},
    {Station::Navigation, 7, {250, 5}, {340, 225}, false, Navigation},
    {Station::PhotonTorpedoes, 8, {250, 5}, {340, 225}, false, PhotonTorpedoes},
    {Station::Phasers, 9, {250, 5}, {340, 225}, false, Phasers},
    {Station::Shields, 10, {250, 5}, {340, 225}, true, StandIn<Station::Shields>},
    {Station::DamageReport, 11, {250, 5}, {340, 225}, true, StandIn<Station::DamageReport>},
    {Station::Computer, 12, {250, 5}, {360, 230}, true, StandIn<Station::Computer>},
    {Station::Status, 2, {10, 5}, {189, 236}, false, StandIn<Station::Status>},
    {Station::Messages, 3, {10, 266}, {320, 82}, true, Messages},
    {Station::Controls, 4, {350, 262}, {263, 90}, false, Controls},
}};

const std::array<Station, StationCount> stationClosingOrder = {
    Station::Messages, Station::Status,     Station::ShortRangeScan,  Station::LongRangeScan,
    Station::Controls, Station::Navigation, Station::Shields,         Station::PhotonTorpedoes,
    Station::Phasers,  Station::DamageReport, Station::Computer};

const StationEntry& EntryOf(Station station) {
  for (const StationEntry& entry : stationRoster)
    if (entry.station == station) return entry;
  return stationRoster.front();
}
