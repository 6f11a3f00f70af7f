#include "stations/station_handles.h"

#include "stations/station_state.h"

StationWindow*& StationHandle(Station s) {
  switch (s) {
    case Station::ShortRangeScan: return stationState.srsWindow;
    case Station::LongRangeScan: return stationState.lrsWindow;
    case Station::Navigation: return stationState.navigationWindow;
    case Station::PhotonTorpedoes: return stationState.photonWindow;
    case Station::Phasers: return stationState.phaserWindow;
    case Station::Shields: return stationState.shieldWindow;
    case Station::DamageReport: return stationState.damageWindow;
    case Station::Computer: return stationState.computerWindow;
    case Station::Status: return stationState.statusWindow;
    case Station::Messages: return stationState.messagesWindow;
    case Station::Controls: break;
  }
  return stationState.controlsWindow;
}
