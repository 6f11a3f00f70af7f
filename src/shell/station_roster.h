#pragma once
// The eleven stations of the bridge: how each one is made, its icon and where the default
// arrangement puts it. One entry per station; a station's own panel class replaces the
// stand-in in its entry.

#include <QPoint>
#include <QSize>
#include <array>

#include "core/host.h"

class StationWindow;

struct StationEntry {
  Station station;
  int iconId;               // picture bundle icon
  QPoint defaultTopLeft;    // in the MDI area, in the default arrangement
  QSize defaultClientSize;  // the face's size in the default arrangement
  bool maximizable;
  StationWindow* (*create)();
};

// In the order a game creates them.
extern const std::array<StationEntry, StationCount> StationRoster;

// The order EndGame closes them in.
extern const std::array<Station, StationCount> StationClosingOrder;

const StationEntry& EntryOf(Station station);
