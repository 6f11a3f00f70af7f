#pragma once
// The Window menu's Cascade and Tile over the stations that are up (neither hidden nor
// minimized). Fixed-size stations keep their size in both.

class QMdiArea;

// Stacks the stations diagonally from the bridge's top-left corner in their front-to-back
// order, each one's title bar showing below and right of the title bar of the one behind
// it; the active station ends in front.
void CascadeStations(QMdiArea& area);

// Lays the stations out side by side in a grid of equal cells filling the bridge, without
// overlap: a resizable station fills its cell, a fixed-size one keeps its size in it.
void TileStations(QMdiArea& area);
