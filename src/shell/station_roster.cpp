#include "shell/station_roster.h"

#include "stations/computer_station.h"
#include "stations/controls_window.h"
#include "stations/damage_report.h"
#include "stations/long_range_scan.h"
#include "stations/messages_station.h"
#include "stations/navigation_station.h"
#include "stations/phaser_station.h"
#include "stations/photon_station.h"
#include "stations/shield_station.h"
#include "stations/short_range_scan.h"
#include "stations/status_station.h"

namespace {
StationWindow* Messages() { return new MessagesStation; }
StationWindow* ShortRangeScan() { return new ShortRangeScanWindow; }
StationWindow* Navigation() { return new NavigationStation; }
StationWindow* LongRangeScan() { return new LongRangeScanWindow; }
StationWindow* Controls() { return new ControlsWindow; }
StationWindow* PhotonTorpedoes() { return new PhotonStation; }
StationWindow* Phasers() { return new PhaserStation; }
StationWindow* Shields() { return new ShieldStation; }
StationWindow* DamageReport() { return new DamageReportStation; }
StationWindow* Computer() { return new ComputerStation; }
StationWindow* Status() { return new StatusStation; }
}  // namespace

const std::array<StationEntry, StationCount> StationRoster = {{
    {Station::ShortRangeScan, 5, {250, 5}, {315, 235}, false, ShortRangeScan},
    {Station::LongRangeScan, 6, {250, 5}, {360, 230}, true, LongRangeScan},
    {Station::Navigation, 7, {250, 5}, {340, 225}, false, Navigation},
    {Station::PhotonTorpedoes, 8, {250, 5}, {340, 225}, false, PhotonTorpedoes},
    {Station::Phasers, 9, {250, 5}, {340, 225}, false, Phasers},
    {Station::Shields, 10, {250, 5}, {340, 225}, false, Shields},
    {Station::DamageReport, 11, {250, 5}, {340, 225}, false, DamageReport},
    {Station::Computer, 12, {250, 5}, {ConsoleDefaultClientWidth, ConsoleDefaultClientHeight}, true, Computer},
    {Station::Status, 2, {10, 5}, {189, 236}, false, Status},
    {Station::Messages, 3, {10, 266}, {320, 82}, true, Messages},
    {Station::Controls, 4, {350, 262}, {263, 90}, false, Controls},
}};

const std::array<Station, StationCount> StationClosingOrder = {
    Station::Messages, Station::Status,       Station::ShortRangeScan, Station::LongRangeScan,
    Station::Controls, Station::Navigation,   Station::Shields,        Station::PhotonTorpedoes,
    Station::Phasers,  Station::DamageReport, Station::Computer};

const StationEntry& EntryOf(Station station) {
  for (const StationEntry& entry : StationRoster)
    if (entry.station == station) return entry;
  return StationRoster.front();
}
