// The course dial shared by Navigation and Photon Torpedoes: a black scope the
// stations draw their green needle on, compass figures round it, plus and minus
// boxes beside the three-glyph course read-out, and the caption.

#include <QtMath>

#include "libraries/pictures/maker/catalogue.h"

namespace pictures {
namespace {

constexpr QPointF DialCentre(90.5, 78.5);  // the station's (240, 84), pixel centre
constexpr double ScopeRadius = 57;         // the needle is 50 long: the scope stays black to there
constexpr double FigureRadius = 69;

QPointF OnDial(double degrees, double radius) {
  const double r = qDegreesToRadians(degrees);
  return DialCentre + QPointF(std::sin(r) * radius, -std::cos(r) * radius);
}

void PlusMinusBox(QPainter& painter, const QRect& box, bool plus) {
  PushBox(painter, box);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  const QPoint c = box.center();
  painter.fillRect(QRect(c.x() - 4, c.y() - 1, 9, 2), bridge::White);
  if (plus) painter.fillRect(QRect(c.x() - 1, c.y() - 4, 2, 9), bridge::White);
  painter.restore();
}

}  // namespace

PictureList CourseDial() {
  QImage image = Canvas(175, 203);
  QPainter painter(&image);
  PreparePainter(painter);
  PanelField(painter, image.rect());

  // The scope and its bezel.
  painter.setPen(QPen(bridge::ShadowRed, 3));
  painter.setBrush(bridge::Black);
  painter.drawEllipse(DialCentre, ScopeRadius + 2, ScopeRadius + 2);
  painter.setPen(QPen(bridge::FrameRed, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(DialCentre, ScopeRadius + 0.5, ScopeRadius + 0.5);

  // Ticks every 15 degrees, the compass points longer and white.
  for (int degrees = 0; degrees < 360; degrees += 15) {
    const bool major = degrees % 45 == 0;
    painter.setPen(QPen(major ? bridge::White : bridge::HighlightRed, major ? 1.6 : 1.0));
    painter.drawLine(OnDial(degrees, major ? 51.5 : 53.5), OnDial(degrees, 56));
  }

  const QFont figureFont = Lettering(11);
  for (int degrees = 0; degrees < 360; degrees += 45) {
    const QPointF at = OnDial(degrees, FigureRadius);
    Letter(painter, QRectF(at.x() - 14, at.y() - 7, 28, 14).toRect(), QString::number(degrees), figureFont);
  }

  ReadoutWell(painter, QRect(68, 158, 43, 22));
  PlusMinusBox(painter, QRect(45, 161, 16, 16), true);
  PlusMinusBox(painter, QRect(117, 161, 16, 16), false);
  Letter(painter, QRect(0, 182, 175, 19), QStringLiteral("COURSE"), Lettering(15));
  painter.end();
  return {SixteenColourPicture(
      28, image,
      {bridge::Black, bridge::PanelRed, bridge::FrameRed, bridge::ShadowRed, bridge::HighlightRed, bridge::White})};
}

}  // namespace pictures
