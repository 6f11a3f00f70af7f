#include "libraries/pictures/maker/starship.h"

namespace pictures {
namespace {

StarshipShape DesignSpaceShip() {
  StarshipShape ship;

  // Forward disc: a flattened lens with a low dome amidships.
  QPainterPath disc;
  disc.moveTo(6, 24);
  disc.cubicTo(20, 14, 70, 11, 128, 15);
  disc.cubicTo(148, 16, 158, 20, 160, 24);
  disc.cubicTo(158, 29, 148, 32, 128, 33);
  disc.cubicTo(70, 36, 20, 33, 6, 24);
  disc.closeSubpath();
  QPainterPath dome;
  dome.moveTo(62, 15);
  dome.cubicTo(66, 6, 90, 5, 96, 14);
  dome.closeSubpath();
  ship.primaryHull = disc.united(dome);

  // The neck sweeps back and down from the disc's rear underside.
  ship.neck.moveTo(112, 31);
  ship.neck.lineTo(140, 31);
  ship.neck.lineTo(176, 50);
  ship.neck.lineTo(150, 50);
  ship.neck.closeSubpath();

  // Engineering hull: blunt at the deflector, tapering to the stern.
  ship.engineering.moveTo(140, 50);
  ship.engineering.cubicTo(140, 44, 150, 42, 168, 42);
  ship.engineering.lineTo(262, 44);
  ship.engineering.cubicTo(280, 45, 292, 50, 296, 54);
  ship.engineering.cubicTo(292, 59, 280, 63, 262, 64);
  ship.engineering.lineTo(168, 66);
  ship.engineering.cubicTo(150, 66, 140, 62, 140, 56);
  ship.engineering.closeSubpath();
  ship.deflector = QRectF(136, 46, 12, 14);

  // Pylon up and back to the warp engine.
  ship.pylon.moveTo(218, 45);
  ship.pylon.lineTo(236, 45);
  ship.pylon.lineTo(262, 22);
  ship.pylon.lineTo(248, 22);
  ship.pylon.closeSubpath();

  ship.nacelle.moveTo(196, 12);
  ship.nacelle.cubicTo(196, 8, 200, 6, 208, 6);
  ship.nacelle.lineTo(340, 7);
  ship.nacelle.cubicTo(348, 7, 352, 10, 352, 14);
  ship.nacelle.cubicTo(352, 18, 348, 21, 340, 21);
  ship.nacelle.lineTo(208, 22);
  ship.nacelle.cubicTo(200, 22, 196, 20, 196, 16);
  ship.nacelle.closeSubpath();
  ship.collector = QRectF(194, 7, 14, 14);
  return ship;
}

}  // namespace

QPainterPath StarshipShape::Silhouette() const {
  QPainterPath all = primaryHull.united(neck).united(engineering).united(pylon).united(nacelle);
  QPainterPath dish;
  dish.addEllipse(deflector);
  QPainterPath intake;
  intake.addEllipse(collector);
  return all.united(dish).united(intake);
}

StarshipShape Starship(const QRectF& frame) {
  const StarshipShape design = DesignSpaceShip();
  QTransform map;
  map.translate(frame.left(), frame.top());
  map.scale(frame.width() / 358.0, frame.height() / 87.0);
  StarshipShape ship;
  ship.primaryHull = map.map(design.primaryHull);
  ship.neck = map.map(design.neck);
  ship.engineering = map.map(design.engineering);
  ship.pylon = map.map(design.pylon);
  ship.nacelle = map.map(design.nacelle);
  ship.deflector = map.mapRect(design.deflector);
  ship.collector = map.mapRect(design.collector);
  return ship;
}

}  // namespace pictures
