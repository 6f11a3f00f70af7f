#include "libraries/pictures/maker/station_symbols.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

namespace pictures {
namespace {

const QColor Outline(24, 24, 24);

void SensorDish(QPainter& p, const QColor& face) {
  // Stand and base.
  p.setPen(QPen(Outline, 1.2));
  p.setBrush(QColor(128, 128, 128));
  p.drawRect(QRectF(8, 19, 9, 3));
  p.drawLine(QPointF(12.5, 19), QPointF(11, 13));
  // The dish, tilted up and to the right.
  p.save();
  p.translate(11, 11);
  p.rotate(-35);
  QPainterPath bowl;
  bowl.moveTo(-9, 0);
  bowl.cubicTo(-9, 8, 9, 8, 9, 0);
  bowl.closeSubpath();
  QLinearGradient shade(-9, 0, 9, 6);
  shade.setColorAt(0, face.lighter(140));
  shade.setColorAt(1, face.darker(150));
  p.setBrush(shade);
  p.drawPath(bowl);
  p.drawLine(QPointF(0, 5), QPointF(0, -6));
  p.setBrush(face.lighter(150));
  p.drawEllipse(QPointF(0, -6.5), 1.5, 1.5);
  p.restore();
  // Signal arcs.
  p.setPen(QPen(face.darker(110), 1.3));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(11, 0, 12, 12), 0 * 16, 90 * 16);
  p.drawArc(QRectF(14, 3, 6, 6), 0 * 16, 90 * 16);
}

void CrossHairPlanet(QPainter& p) {
  QRadialGradient globe(QPointF(9, 9), 12);
  globe.setColorAt(0, QColor(96, 192, 255));
  globe.setColorAt(0.6, QColor(0, 96, 200));
  globe.setColorAt(1, QColor(0, 32, 96));
  p.setPen(QPen(Outline, 1));
  p.setBrush(globe);
  p.drawEllipse(QPointF(12, 12), 8, 8);
  QPolygonF land;
  land << QPointF(7.5, 10) << QPointF(10.5, 7.5) << QPointF(13, 9) << QPointF(12, 11.5) << QPointF(15, 13.5)
       << QPointF(13.5, 17) << QPointF(10.5, 16) << QPointF(9, 12.5);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(32, 176, 64));
  p.drawPolygon(land);
  p.setPen(QPen(QColor(224, 0, 0), 1.4));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(12, 12), 10.5, 10.5);
  p.drawLine(QPointF(12, 0.5), QPointF(12, 7));
  p.drawLine(QPointF(12, 17), QPointF(12, 23.5));
  p.drawLine(QPointF(0.5, 12), QPointF(7, 12));
  p.drawLine(QPointF(17, 12), QPointF(23.5, 12));
}

void ShipInShield(QPainter& p, const QImage& shipSprite) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0));
  p.drawEllipse(QPointF(12, 12), 11, 8.5);
  p.save();
  p.setRenderHint(QPainter::SmoothPixmapTransform, true);
  p.drawImage(QRectF(3, 5.5, 18, 13.2), shipSprite);
  p.restore();
  p.setPen(QPen(QColor(0, 160, 255), 1.6, Qt::DotLine));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(12, 12), 11, 8.5);
}

void Burst(QPainter& p) {
  QPainterPath star;
  for (int i = 0; i < 16; ++i) {
    const double angle = qDegreesToRadians(22.5 * i);
    const double reach = i % 2 == 0 ? 11.5 : 4.5;
    const QPointF at(12 + std::cos(angle) * reach, 12 + std::sin(angle) * reach);
    i == 0 ? star.moveTo(at) : star.lineTo(at);
  }
  star.closeSubpath();
  QRadialGradient fire(QPointF(12, 12), 11);
  fire.setColorAt(0, QColor(255, 255, 255));
  fire.setColorAt(0.3, QColor(255, 255, 64));
  fire.setColorAt(0.7, QColor(255, 128, 0));
  fire.setColorAt(1, QColor(224, 32, 0));
  p.setPen(QPen(QColor(160, 32, 0), 0.8));
  p.setBrush(fire);
  p.drawPath(star);
}

void Beam(QPainter& p) {
  p.setPen(QPen(Outline, 1));
  QLinearGradient metal(0, 8, 0, 16);
  metal.setColorAt(0, QColor(224, 224, 224));
  metal.setColorAt(1, QColor(96, 96, 96));
  p.setBrush(metal);
  p.drawRect(QRectF(1, 8, 8, 8));
  p.drawRect(QRectF(9, 10, 3, 4));
  p.setPen(QPen(QColor(255, 0, 0), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(13, 12), QPointF(23, 12));
  p.setPen(QPen(QColor(255, 224, 128), 1, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(13, 12), QPointF(23, 12));
  p.setPen(QPen(QColor(255, 96, 0), 1));
  p.drawLine(QPointF(19, 8), QPointF(23, 4));
  p.drawLine(QPointF(19, 16), QPointF(23, 20));
}

void ReportSheet(QPainter& p) {
  QPainterPath sheet;
  sheet.moveTo(4, 1);
  sheet.lineTo(15, 1);
  sheet.lineTo(20, 6);
  sheet.lineTo(20, 23);
  sheet.lineTo(4, 23);
  sheet.closeSubpath();
  p.setPen(QPen(Outline, 1));
  p.setBrush(QColor(255, 240, 64));
  p.drawPath(sheet);
  p.setBrush(QColor(200, 176, 0));
  QPainterPath fold;
  fold.moveTo(15, 1);
  fold.lineTo(15, 6);
  fold.lineTo(20, 6);
  fold.closeSubpath();
  p.drawPath(fold);
  p.setPen(QPen(QColor(96, 80, 0), 1));
  for (int y = 9; y <= 20; y += 3) p.drawLine(QPointF(7, y + 0.5), QPointF(y == 9 ? 13 : 17, y + 0.5));
  p.setPen(QPen(QColor(224, 0, 0), 1.5));
  p.drawLine(QPointF(13, 15), QPointF(18, 20));
  p.drawLine(QPointF(18, 15), QPointF(13, 20));
}

void Screen(QPainter& p, bool withStand) {
  p.setPen(QPen(Outline, 1));
  QLinearGradient casing(0, 2, 0, 19);
  casing.setColorAt(0, QColor(208, 208, 208));
  casing.setColorAt(1, QColor(120, 120, 120));
  p.setBrush(casing);
  p.drawRoundedRect(QRectF(1.5, 2.5, 21, 16), 2, 2);
  p.setBrush(QColor(0, 24, 0));
  p.drawRect(QRectF(4, 5, 16, 11));
  p.setPen(QPen(QColor(0, 255, 0), 1));
  p.drawLine(QPointF(6, 7.5), QPointF(14, 7.5));
  p.drawLine(QPointF(6, 10.5), QPointF(17, 10.5));
  p.drawLine(QPointF(6, 13.5), QPointF(10, 13.5));
  if (withStand) {
    p.setPen(QPen(Outline, 1));
    p.setBrush(QColor(128, 128, 128));
    p.drawRect(QRectF(9.5, 18.5, 5, 2));
    p.drawRect(QRectF(5.5, 20.5, 13, 2.5));
  }
}

void MessageScreen(QPainter& p) {
  p.setPen(QPen(QColor(255, 0, 0), 1.2));
  p.setBrush(QColor(16, 0, 0));
  p.drawRoundedRect(QRectF(1.5, 3.5, 21, 17), 2, 2);
  p.setPen(QPen(QColor(255, 255, 255), 1.2));
  for (int i = 0; i < 4; ++i) p.drawLine(QPointF(4.5, 7 + 3.5 * i), QPointF(i % 2 ? 15 : 19.5, 7 + 3.5 * i));
}

void ButtonBlock(QPainter& p) {
  for (int row = 0; row < 2; ++row) {
    for (int col = 0; col < 3; ++col) {
      const QRectF key(1 + col * 7.7, 5 + row * 8, 6.5, 6.5);
      p.setPen(QPen(Outline, 0.8));
      p.setBrush(row == 0 && col == 1 ? QColor(255, 255, 0) : QColor(192, 192, 192));
      p.drawRect(key);
    }
  }
}

void LampColumn(QPainter& p) {
  p.setPen(QPen(Outline, 1));
  p.setBrush(QColor(80, 84, 92));
  p.drawRoundedRect(QRectF(5.5, 0.5, 13, 23), 2, 2);
  const QColor lamps[] = {QColor(255, 0, 0), QColor(255, 255, 0), QColor(0, 255, 0)};
  for (int i = 0; i < 3; ++i) {
    QRadialGradient glow(QPointF(11, 4 + 7.5 * i), 4);
    glow.setColorAt(0, lamps[i].lighter(170));
    glow.setColorAt(1, lamps[i]);
    p.setBrush(glow);
    p.drawEllipse(QPointF(12, 4.5 + 7.5 * i), 3.2, 3.2);
  }
}

}  // namespace

void DrawStationSymbol(QPainter& painter, StationSymbol symbol, const QRectF& box, const QImage& shipSprite) {
  painter.save();
  painter.translate(box.topLeft());
  painter.scale(box.width() / 24.0, box.height() / 24.0);
  switch (symbol) {
    case StationSymbol::Status: LampColumn(painter); break;
    case StationSymbol::Messages: MessageScreen(painter); break;
    case StationSymbol::Controls: ButtonBlock(painter); break;
    case StationSymbol::ShortRange: SensorDish(painter, QColor(255, 224, 0)); break;
    case StationSymbol::LongRange: SensorDish(painter, QColor(232, 0, 0)); break;
    case StationSymbol::Navigation: CrossHairPlanet(painter); break;
    case StationSymbol::Torpedoes: Burst(painter); break;
    case StationSymbol::Phasers: Beam(painter); break;
    case StationSymbol::Shields: ShipInShield(painter, shipSprite); break;
    case StationSymbol::DamageReport: ReportSheet(painter); break;
    case StationSymbol::Computer: Screen(painter, true); break;
  }
  painter.restore();
}

}  // namespace pictures
