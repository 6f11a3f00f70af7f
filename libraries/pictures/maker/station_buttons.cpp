// The Controls window's eight picture buttons and the station icons: each shows
// its station's symbol, the buttons with the station's three-letter name.

#include "libraries/pictures/maker/catalogue.h"
#include "libraries/pictures/maker/sprite_art.h"
#include "libraries/pictures/maker/station_symbols.h"

namespace pictures {
namespace {

const QColor ButtonFace(192, 192, 192);

Picture ControlButton(int id, StationSymbol symbol, const QString& abbreviation, const QImage& ship) {
  QImage image = Canvas(54, 30, ButtonFace);
  QPainter painter(&image);
  PreparePainter(painter);
  DrawStationSymbol(painter, symbol, QRectF(2, 4, 22, 22), ship);
  Letter(painter, QRect(24, 0, 30, 30), abbreviation, Lettering(11), bridge::Black, Qt::AlignCenter, bridge::White);
  painter.end();
  return SixteenColourPicture(id, image, {ButtonFace, bridge::Black, bridge::White});
}

// A station icon: the symbol on a small red-framed bridge plate.
QImage StationIcon(StationSymbol symbol, const QImage& ship) {
  QImage image(32, 32, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  PreparePainter(painter);
  painter.setPen(QPen(bridge::FrameRed, 1));
  painter.setBrush(bridge::PanelRed);
  painter.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 4, 4);
  DrawStationSymbol(painter, symbol, QRectF(3, 3, 26, 26), ship);
  painter.end();
  return image;
}

}  // namespace

PictureList ControlButtons(const QString& spriteFolder) {
  const QImage ship = LoadSprite(spriteFolder, QStringLiteral("ship"));
  return {
      ControlButton(10, StationSymbol::ShortRange, QStringLiteral("SRS"), ship),
      ControlButton(11, StationSymbol::LongRange, QStringLiteral("LRS"), ship),
      ControlButton(12, StationSymbol::Navigation, QStringLiteral("NAV"), ship),
      ControlButton(13, StationSymbol::Shields, QStringLiteral("SHL"), ship),
      ControlButton(14, StationSymbol::Torpedoes, QStringLiteral("PHO"), ship),
      ControlButton(15, StationSymbol::Phasers, QStringLiteral("PHA"), ship),
      ControlButton(16, StationSymbol::DamageReport, QStringLiteral("DMG"), ship),
      ControlButton(17, StationSymbol::Computer, QStringLiteral("COM"), ship),
  };
}

std::vector<IconDrawing> StationIcons(const QString& spriteFolder) {
  const QImage ship = LoadSprite(spriteFolder, QStringLiteral("ship"));
  return {
      {2, StationIcon(StationSymbol::Status, ship)},    {3, StationIcon(StationSymbol::Messages, ship)},
      {4, StationIcon(StationSymbol::Controls, ship)},  {5, StationIcon(StationSymbol::ShortRange, ship)},
      {6, StationIcon(StationSymbol::LongRange, ship)}, {7, StationIcon(StationSymbol::Navigation, ship)},
      {8, StationIcon(StationSymbol::Torpedoes, ship)}, {9, StationIcon(StationSymbol::Phasers, ship)},
      {10, StationIcon(StationSymbol::Shields, ship)},  {11, StationIcon(StationSymbol::DamageReport, ship)},
      {12, StationIcon(StationSymbol::Computer, ship)},
  };
}

}  // namespace pictures
