// The headers of the two popups that frame a mission: the fleet-command
// letterhead over every communiqué, and the banner of the high-score table whose
// column heads stand over the names, ranks and scores written below it.

#include <QPainterPath>
#include <QtMath>

#include "libraries/pictures/maker/catalogue.h"

namespace pictures {
namespace {

const QColor Navy(0, 0, 112);
const QColor Gold(240, 184, 0);
const QColor PaleGold(255, 240, 160);

// The fleet's seal: a four-pointed star over an orbit, in a gold ring.
void Insignia(QPainter& painter, const QRectF& box) {
  painter.save();
  const QPointF c = box.center();
  const double r = box.width() / 2;
  painter.setPen(QPen(Gold.darker(140), 1));
  painter.setBrush(Gold);
  painter.drawEllipse(c, r - 0.5, r - 0.5);
  QRadialGradient sky(c - QPointF(r * 0.3, r * 0.3), r);
  sky.setColorAt(0, QColor(32, 48, 176));
  sky.setColorAt(1, Navy);
  painter.setBrush(sky);
  painter.setPen(Qt::NoPen);
  painter.drawEllipse(c, r * 0.8, r * 0.8);

  painter.setPen(QPen(PaleGold, std::max(1.0, r * 0.05)));
  painter.setBrush(Qt::NoBrush);
  painter.translate(c);
  painter.rotate(-20);
  painter.drawEllipse(QPointF(0, 0), r * 0.72, r * 0.26);
  painter.rotate(20);

  QPainterPath star;
  for (int i = 0; i < 8; ++i) {
    const double angle = qDegreesToRadians(45.0 * i - 90);
    const double reach = i % 2 == 0 ? r * 0.62 : r * 0.16;
    const QPointF p(std::cos(angle) * reach, std::sin(angle) * reach);
    if (i == 0)
      star.moveTo(p);
    else
      star.lineTo(p);
  }
  star.closeSubpath();
  painter.setPen(Qt::NoPen);
  painter.setBrush(bridge::White);
  painter.drawPath(star);
  painter.restore();
}

Picture CommuniqueLetterhead() {
  QImage image = Canvas(280, 84, bridge::White);
  QPainter painter(&image);
  PreparePainter(painter);
  Insignia(painter, QRectF(4, 6, 70, 70));
  Letter(painter, QRect(82, 12, 196, 26), QStringLiteral("FLEET COMMAND"),
         LetteringFamily("Liberation Serif", 21, true), Navy, Qt::AlignLeft | Qt::AlignVCenter, bridge::NoShadow);
  Letter(painter, QRect(82, 40, 196, 18), QStringLiteral("Interstellar Communications"),
         LetteringFamily("Liberation Serif", 14, false), bridge::Black, Qt::AlignLeft | Qt::AlignVCenter,
         bridge::NoShadow);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.fillRect(QRect(82, 62, 194, 2), bridge::FrameRed);
  painter.fillRect(QRect(82, 66, 194, 1), Navy);
  painter.end();
  return SixteenColourPicture(8, image, {bridge::White, bridge::Black, Navy, Gold, PaleGold, bridge::FrameRed});
}

// The heads stand over the columns the table is written in (x 45, 200 and 360 of
// the window, which draws the banner at x 10).
Picture HighScoreBanner() {
  QImage image = Canvas(420, 108);
  QPainter painter(&image);
  PreparePainter(painter);
  PanelField(painter, image.rect());
  Insignia(painter, QRectF(12, 10, 60, 60));
  Insignia(painter, QRectF(348, 10, 60, 60));
  Letter(painter, QRect(76, 10, 268, 36), QStringLiteral("HALL OF HONOR"),
         LetteringFamily("Liberation Serif", 30, true), bridge::White);
  Letter(painter, QRect(76, 46, 268, 20), QStringLiteral("The Fleet's Ten Finest Commanders"),
         LetteringFamily("Liberation Serif", 15, false), PaleGold);

  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.fillRect(QRect(4, 78, 412, 24), bridge::Black);
  painter.setPen(bridge::FrameRed);
  painter.drawLine(4, 77, 415, 77);
  painter.drawLine(4, 102, 415, 102);
  painter.setRenderHint(QPainter::Antialiasing, true);
  const QFont head = Lettering(15);
  Letter(painter, QRect(35, 78, 120, 24), QStringLiteral("NAME"), head, bridge::Yellow,
         Qt::AlignLeft | Qt::AlignVCenter, bridge::NoShadow);
  Letter(painter, QRect(190, 78, 120, 24), QStringLiteral("RANK"), head, bridge::Yellow,
         Qt::AlignLeft | Qt::AlignVCenter, bridge::NoShadow);
  Letter(painter, QRect(350, 78, 66, 24), QStringLiteral("SCORE"), head, bridge::Yellow,
         Qt::AlignLeft | Qt::AlignVCenter, bridge::NoShadow);
  painter.end();
  return SixteenColourPicture(57, image,
                              {bridge::Black, bridge::White, bridge::PanelRed, bridge::FrameRed, bridge::ShadowRed,
                               bridge::Yellow, Navy, Gold, PaleGold});
}

}  // namespace

PictureList Letterheads() { return {CommuniqueLetterhead(), HighScoreBanner()}; }

}  // namespace pictures
