#pragma once
// Where the station windows stand: the default arrangement, and the places the player saves
// to the settings file and restores from it.

#include <QMargins>
#include <QRect>
#include <array>

#include "core/host.h"

class QMdiArea;
class QWidget;

// The default arrangement's outer rectangles, in creation order, for station frames with
// `frameMargins` around their faces. Where the frames are taller than the classic ones,
// Messages and Controls move down just enough to leave the faces above them uncovered.
std::array<QRect, StationCount> DefaultPlaces(const QMargins& frameMargins);

// Everything shown and placed, then the seven working stations minimized and Status, the
// scan, Messages and Controls up, Controls on top.
void ArrangeDefaultPositions();

// Writes every station's state and normal place to the settings file.
void SaveWindowPositions();
// Puts back every station the settings file holds a place for; the others stay where they
// are. A place that would leave a station out of reach is pulled back into the bridge.
void RestoreWindowPositions();

// `wanted` (a frame's outer rectangle) made usable in `area`: at least `minimum` and at most
// a few times the area large, with its caption inside the area.
QRect ReachablePlace(const QRect& wanted, const QSize& minimum, const QRect& area);
