// The Damage Report's table: a schematic of the ship over the SYSTEM and
// EST REPAIR columns. The station writes each repair estimate at x 230 on the
// row's own line, yellow on black, so the estimate column is left black.

#include "libraries/pictures/maker/catalogue.h"
#include "libraries/pictures/maker/starship.h"

namespace pictures {
namespace {

const QColor Schematic(255, 64, 48);
const QColor LabelGrey(208, 208, 208);
const QColor LeaderGrey(96, 96, 96);

// Row tops in the picture, shared with the station's estimates.
constexpr int FirstRowTop = 84;
constexpr int RowPitch = 18;
constexpr int EstimateLeft = 230;

const char* const SystemRows[] = {"SHIELDS",    "SHORT RANGE SENSORS", "LONG RANGE SENSORS",
                                  "WARP DRIVE", "PHASER POWER",        "PHOTON TORPEDOES",
                                  "COMPUTER"};

}  // namespace

PictureList DamageReport() {
  QImage image = Canvas(313, 209);
  QPainter painter(&image);
  PreparePainter(painter);

  // The schematic: the hull in red line work over a faint grid.
  painter.setRenderHint(QPainter::Antialiasing, false);
  for (int x = 8; x < 306; x += 12) {
    painter.setPen(QColor(40, 0, 0));
    painter.drawLine(x, 4, x, 58);
  }
  for (int y = 7; y < 58; y += 12) painter.drawLine(4, y, 308, y);
  painter.setRenderHint(QPainter::Antialiasing, true);
  const StarshipShape ship = Starship(QRectF(40, 5, 233, 56));
  painter.setBrush(QColor(72, 0, 0));
  painter.setPen(QPen(Schematic, 1));
  for (const QPainterPath* part : {&ship.pylon, &ship.nacelle, &ship.neck, &ship.engineering, &ship.primaryHull})
    painter.drawPath(*part);
  painter.drawEllipse(ship.deflector);
  painter.drawEllipse(ship.collector);

  // The heading band.
  PanelField(painter, QRect(4, 62, 305, 19));
  const QFont headFont = Lettering(12);
  Letter(painter, QRect(14, 62, 150, 19), QStringLiteral("SYSTEM"), headFont, bridge::White,
         Qt::AlignLeft | Qt::AlignVCenter);
  Letter(painter, QRect(EstimateLeft, 62, 78, 19), QStringLiteral("EST REPAIR"), headFont, bridge::White,
         Qt::AlignLeft | Qt::AlignVCenter);

  const QFont rowFont = Lettering(11);
  const QFontMetrics metrics(rowFont);
  for (int i = 0; i < 7; ++i) {
    const int top = FirstRowTop + i * RowPitch;
    const QRect labelBox(14, top, 200, 15);
    Letter(painter, labelBox, QString::fromLatin1(SystemRows[i]), rowFont, LabelGrey, Qt::AlignLeft | Qt::AlignVCenter,
           bridge::NoShadow);
    // Dotted leaders from the name to the estimate column.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const int from = 14 + metrics.horizontalAdvance(QString::fromLatin1(SystemRows[i])) + 5;
    painter.setPen(LeaderGrey);
    for (int x = from + (from & 1); x < EstimateLeft - 6; x += 3) painter.drawPoint(x, top + 11);
    painter.restore();
  }

  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(bridge::FrameRed);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(0, 0, 312, 208);
  painter.end();
  return {SixteenColourPicture(36, image,
                               {bridge::Black, bridge::White, bridge::FrameRed, bridge::PanelRed, bridge::ShadowRed,
                                Schematic, LabelGrey, LeaderGrey, QColor(72, 0, 0)})};
}

}  // namespace pictures
