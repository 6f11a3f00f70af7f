#pragma once
// The symbol of each station, shared by the Controls buttons and the station
// icons so a station looks the same wherever it is offered.

#include <QImage>
#include <QPainter>
#include <QRectF>

namespace pictures {

enum class StationSymbol {
  Status,        // a column of condition lamps
  Messages,      // a message screen
  Controls,      // a block of push buttons
  ShortRange,    // a yellow sensor dish
  LongRange,     // a red sensor dish
  Navigation,    // cross-hairs over a planet
  Torpedoes,     // a burst
  Phasers,       // a beam from an emitter
  Shields,       // the ship in a dotted circle
  DamageReport,  // a yellow report sheet
  Computer,      // a computer screen
};

// Draws the symbol to fill a square box (drawn for 24 x 24, scaled to the box).
// The Shields symbol shows the starship's own sector sprite.
void DrawStationSymbol(QPainter& painter, StationSymbol symbol, const QRectF& box, const QImage& shipSprite);

}  // namespace pictures
