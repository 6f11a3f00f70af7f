// The Controls window's eight picture buttons and the station icons: each shows
// its station's symbol, the buttons with the station's three-letter name.

#include "catalogue.h"
#include "station_symbols.h"

namespace pictures {
namespace {

const QColor ButtonFace(192, 192, 192);

Picture ControlButton(int id, StationSymbol symbol, const QString& abbreviation) {
  QImage image = Canvas(54, 30, ButtonFace);
  QPainter painter(&image);
  PreparePainter(painter);
  DrawStationSymbol(painter, symbol, QRectF(2, 4, 22, 22));
  Letter(painter, QRect(24, 0, 30, 30), abbreviation, Lettering(11), bridge::Black, Qt::AlignCenter,
         bridge::White);
  painter.end();
  return SixteenColourPicture(id, image, {ButtonFace, bridge::Black, bridge::White});
}

// A station icon: the symbol on a small red-framed bridge plate.
QImage StationIcon(StationSymbol symbol) {
  QImage image(32, 32, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  PreparePainter(painter);
  painter.setPen(QPen(bridge::FrameRed, 1));
  painter.setBrush(bridge::PanelRed);
  painter.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 4, 4);
  DrawStationSymbol(painter, symbol, QRectF(3, 3, 26, 26));
  painter.end();
  return image;
}

}  // namespace

PictureList ControlButtons() {
  return {
      ControlButton(10, StationSymbol::ShortRange, QStringLiteral("SRS")),
      ControlButton(11, StationSymbol::LongRange, QStringLiteral("LRS")),
      ControlButton(12, StationSymbol::Navigation, QStringLiteral("NAV")),
      ControlButton(13, StationSymbol::Shields, QStringLiteral("SHL")),
      ControlButton(14, StationSymbol::Torpedoes, QStringLiteral("PHO")),
      ControlButton(15, StationSymbol::Phasers, QStringLiteral("PHA")),
      ControlButton(16, StationSymbol::DamageReport, QStringLiteral("DMG")),
      ControlButton(17, StationSymbol::Computer, QStringLiteral("COM")),
  };
}

std::vector<IconDrawing> StationIcons() {
  return {
      {2, StationIcon(StationSymbol::Status)},      {3, StationIcon(StationSymbol::Messages)},
      {4, StationIcon(StationSymbol::Controls)},    {5, StationIcon(StationSymbol::ShortRange)},
      {6, StationIcon(StationSymbol::LongRange)},   {7, StationIcon(StationSymbol::Navigation)},
      {8, StationIcon(StationSymbol::Torpedoes)},   {9, StationIcon(StationSymbol::Phasers)},
      {10, StationIcon(StationSymbol::Shields)},    {11, StationIcon(StationSymbol::DamageReport)},
      {12, StationIcon(StationSymbol::Computer)},
  };
}

}  // namespace pictures
