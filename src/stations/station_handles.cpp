#include "stations/station_handles.h"

StationWindow* srsWindow = nullptr;
StationWindow* lrsWindow = nullptr;
StationWindow* navigationWindow = nullptr;
StationWindow* photonWindow = nullptr;
StationWindow* phaserWindow = nullptr;
StationWindow* shieldWindow = nullptr;
StationWindow* damageWindow = nullptr;
StationWindow* computerWindow = nullptr;
StationWindow* statusWindow = nullptr;
StationWindow* messagesWindow = nullptr;
StationWindow* controlsWindow = nullptr;

StationWindow*& StationHandle(Station s) {
  switch (s) {
    case Station::ShortRangeScan: return srsWindow;
    case Station::LongRangeScan: return lrsWindow;
    case Station::Navigation: return navigationWindow;
    case Station::PhotonTorpedoes: return photonWindow;
    case Station::Phasers: return phaserWindow;
    case Station::Shields: return shieldWindow;
    case Station::DamageReport: return damageWindow;
    case Station::Computer: return computerWindow;
    case Station::Status: return statusWindow;
    case Station::Messages: return messagesWindow;
    case Station::Controls: break;
  }
  return controlsWindow;
}
