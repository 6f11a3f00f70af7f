#pragma once
// Where things sit on the Short Range Scan. The client area is fixed at 315 x 235; sector
// column x and row y (0..7) have their 36 x 27 cell at (27 + 36x, 19 + 27y).

#include <cstdint>

#include "core/host.h"

inline constexpr int ScanClientWidth = 315;
inline constexpr int ScanClientHeight = 235;
inline constexpr ScanRect ScanClientRect{0, 0, ScanClientWidth, ScanClientHeight};

inline constexpr int GridLeft = 27, GridTop = 19;
inline constexpr int CellWidth = 36, CellHeight = 27;
inline constexpr int SpriteWidth = 34, SpriteHeight = 25;  // one picture or strip frame

// What an action fills black to erase a sector; a moving ship or alien is drawn at its
// top-left corner.
constexpr ScanRect SectorRect(int x, int y) {
  return {29 + CellWidth * x, 21 + CellHeight * y, 63 + CellWidth * x, 46 + CellHeight * y};
}

// Where the paint, the star animation and the hit animation put a sector's picture: one
// pixel up and left of SectorRect.
constexpr ScanPoint PicturePosition(int x, int y) { return {28 + CellWidth * x, 20 + CellHeight * y}; }

constexpr ScanPoint SectorTopLeft(int x, int y) { return {SectorRect(x, y).left, SectorRect(x, y).top}; }

// The end points of beams.
constexpr ScanPoint SectorCentre(int x, int y) {
  const ScanRect r = SectorRect(x, y);
  return {r.left + (r.right - r.left) / 2, r.top + (r.bottom - r.top) / 2};
}

// Pictures of the scan, by picture id.
namespace ScanPicture {
inline constexpr int ShipLeft = 18, ShipRight = 19;
inline constexpr int Klingon = 20, Romulan = 21, Borg = 22, Farengi = 23;
inline constexpr int StarA = 24, StarB = 25, StarX = 26, Starbase = 27;  // strips of 4 frames
inline constexpr int Torpedo = 38;
}  // namespace ScanPicture

inline constexpr int StripFrameCount = 4;  // frames of a star or starbase strip

// The picture id for an object kind (the low byte of a cell), or 0 when it has none.
int SectorPicture(std::uint8_t kind);
