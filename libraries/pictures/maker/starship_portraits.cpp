// The starship's two large portraits: the painted side view of the About box and
// the white silhouette used as the bridge logo and on the Shields station.

#include <QRandomGenerator>

#include "libraries/pictures/maker/catalogue.h"
#include "libraries/pictures/maker/starship.h"

namespace pictures {
namespace {

const QColor HullLight(224, 228, 232);
const QColor HullMid(160, 164, 172);
const QColor HullDark(88, 92, 100);
const QColor EngineBlue(64, 160, 255);
const QColor DeflectorGold(255, 176, 48);
const QColor CollectorRed(255, 48, 32);

void PaintHullPart(QPainter& painter, const QPainterPath& part) {
  const QRectF box = part.boundingRect();
  QLinearGradient light(box.topLeft(), box.bottomLeft());
  light.setColorAt(0, HullLight);
  light.setColorAt(0.55, HullMid);
  light.setColorAt(1, HullDark);
  painter.setPen(QPen(HullDark, 0.8));
  painter.setBrush(light);
  painter.drawPath(part);
}

Picture AboutPortrait() {
  QImage image = Canvas(358, 87);
  QPainter painter(&image);
  PreparePainter(painter);

  // A sprinkle of distant stars behind the ship, fixed so every build is the same.
  QRandomGenerator stars(1701);
  painter.setRenderHint(QPainter::Antialiasing, false);
  for (int i = 0; i < 70; ++i) {
    const int x = stars.bounded(358), y = stars.bounded(87);
    const int shade = 96 + stars.bounded(160);
    painter.setPen(QColor(shade, shade, shade));
    painter.drawPoint(x, y);
  }
  painter.setRenderHint(QPainter::Antialiasing, true);

  const StarshipShape ship = Starship(QRectF(2, 1, 354, 85));
  PaintHullPart(painter, ship.pylon);
  PaintHullPart(painter, ship.nacelle);
  PaintHullPart(painter, ship.neck);
  PaintHullPart(painter, ship.engineering);
  PaintHullPart(painter, ship.primaryHull);

  // The warp engine's glowing flank and its intake.
  const QRectF nacelle = ship.nacelle.boundingRect();
  painter.setPen(Qt::NoPen);
  painter.setBrush(EngineBlue);
  painter.drawRoundedRect(QRectF(nacelle.left() + 24, nacelle.center().y() - 1.5, nacelle.width() - 44, 3), 1.5, 1.5);
  QRadialGradient intake(ship.collector.center(), ship.collector.width() / 2);
  intake.setColorAt(0, QColor(255, 224, 160));
  intake.setColorAt(0.5, CollectorRed);
  intake.setColorAt(1, QColor(128, 0, 0));
  painter.setBrush(intake);
  painter.drawEllipse(ship.collector);

  QRadialGradient dish(ship.deflector.center(), ship.deflector.width() / 2);
  dish.setColorAt(0, QColor(255, 255, 208));
  dish.setColorAt(0.6, DeflectorGold);
  dish.setColorAt(1, QColor(128, 64, 0));
  painter.setBrush(dish);
  painter.drawEllipse(ship.deflector);

  // Rows of lit ports along the disc's rim and the engineering hull.
  painter.setRenderHint(QPainter::Antialiasing, false);
  const QRectF disc = ship.primaryHull.boundingRect();
  painter.setPen(QColor(255, 240, 176));
  for (double x = disc.left() + 22; x < disc.right() - 14; x += 7)
    painter.drawPoint(int(x), int(disc.center().y() + 3));
  const QRectF hull = ship.engineering.boundingRect();
  for (double x = hull.left() + 30; x < hull.right() - 40; x += 9)
    painter.drawPoint(int(x), int(hull.center().y() - 2));
  painter.end();
  return SixteenColourPicture(5, image,
                              {bridge::Black, bridge::White, HullLight, HullMid, HullDark, EngineBlue, DeflectorGold,
                               CollectorRed, QColor(255, 240, 176)});
}

Picture SilhouetteLogo() {
  QImage image = Canvas(188, 64);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, true);
  const StarshipShape ship = Starship(QRectF(3, 9, 182, 46));
  painter.setPen(Qt::NoPen);
  painter.setBrush(bridge::White);
  painter.drawPath(ship.Silhouette());
  // Rows of ports picked out in black give the silhouette its scale.
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(bridge::Black);
  const QRectF disc = ship.primaryHull.boundingRect();
  for (int x = int(disc.left()) + 14; x < disc.right() - 10; x += 5) painter.drawPoint(x, int(disc.center().y() + 2));
  const QRectF hull = ship.engineering.boundingRect();
  for (int x = int(hull.left()) + 18; x < hull.right() - 20; x += 6) painter.drawPoint(x, int(hull.center().y() - 1));
  painter.end();
  return {7, Depth::Mono, image};
}

}  // namespace

PictureList StarshipPortraits() { return {AboutPortrait(), SilhouetteLogo()}; }

}  // namespace pictures
