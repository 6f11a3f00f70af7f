#pragma once
// The player's starship in side view, bow to the left, as painter paths in a
// 358 x 87 design space. Portraits, the silhouette logo and the damage diagram
// all draw from this one shape, each at its own scale.

#include <QPainterPath>
#include <QRectF>
#include <QTransform>

namespace pictures {

struct StarshipShape {
  QPainterPath primaryHull;  // the forward disc, seen edge on, with its bridge dome
  QPainterPath neck;         // the swept pylon down to the engineering hull
  QPainterPath engineering;  // the long secondary hull
  QPainterPath pylon;        // the strut up to the warp engine
  QPainterPath nacelle;      // the warp engine
  QRectF deflector;          // the dish at the engineering hull's bow
  QRectF collector;          // the glowing intake at the nacelle's bow
  QPainterPath Silhouette() const;
};

// The shape mapped into `frame` (the design space's 358 x 87 scaled to fit).
StarshipShape Starship(const QRectF& frame);

}  // namespace pictures
