#include "sector/scan_geometry.h"

#include "core/game_state.h"

int SectorPicture(std::uint8_t kind) {
  switch (kind) {
    case Cell::ShipLeft: return ScanPicture::ShipLeft;
    case Cell::ShipRight: return ScanPicture::ShipRight;
    case Cell::Starbase: return ScanPicture::Starbase;
    case Cell::StarA: return ScanPicture::StarA;
    case Cell::StarB: return ScanPicture::StarB;
    case Cell::StarX: return ScanPicture::StarX;
    case static_cast<std::uint8_t>(AlienKind::Klingon): return ScanPicture::Klingon;
    case static_cast<std::uint8_t>(AlienKind::Romulan): return ScanPicture::Romulan;
    case static_cast<std::uint8_t>(AlienKind::Farengi): return ScanPicture::Farengi;
    case static_cast<std::uint8_t>(AlienKind::Borg): return ScanPicture::Borg;
    default: return 0;
  }
}
