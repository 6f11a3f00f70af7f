// The pieces the four control stations are assembled from. Every box a station
// draws into or hit-tests sits at the exact pixel the stations expect.

#include <QPolygonF>
#include <algorithm>

#include "libraries/pictures/maker/catalogue.h"

namespace pictures {
namespace {

const QList<QColor> PanelKeys = {bridge::Black,     bridge::PanelRed,     bridge::FrameRed,
                                 bridge::ShadowRed, bridge::HighlightRed, bridge::White};

enum class Pointing { Up, Down, Left, Right };

// A white arrowhead centred in a push box.
void Arrowhead(QPainter& painter, const QRect& box, Pointing direction) {
  const QPointF c = QRectF(box).center();
  const double half = std::min(box.width(), box.height()) * 0.28;
  QPolygonF head;
  switch (direction) {
    case Pointing::Up:
      head << QPointF(c.x(), c.y() - half) << QPointF(c.x() + half * 1.2, c.y() + half * 0.8)
           << QPointF(c.x() - half * 1.2, c.y() + half * 0.8);
      break;
    case Pointing::Down:
      head << QPointF(c.x(), c.y() + half) << QPointF(c.x() + half * 1.2, c.y() - half * 0.8)
           << QPointF(c.x() - half * 1.2, c.y() - half * 0.8);
      break;
    case Pointing::Left:
      head << QPointF(c.x() - half, c.y()) << QPointF(c.x() + half * 0.8, c.y() - half * 1.2)
           << QPointF(c.x() + half * 0.8, c.y() + half * 1.2);
      break;
    case Pointing::Right:
      head << QPointF(c.x() + half, c.y()) << QPointF(c.x() - half * 0.8, c.y() - half * 1.2)
           << QPointF(c.x() - half * 0.8, c.y() + half * 1.2);
      break;
  }
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(bridge::White);
  painter.drawPolygon(head.translated(0.5, 0.5));
  painter.restore();
}

// A rivet head in a panel corner, for the machined look.
void Rivet(QPainter& painter, int x, int y) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(bridge::HighlightRed);
  painter.drawPoint(x, y);
  painter.setPen(bridge::ShadowRed);
  painter.drawPoint(x + 1, y + 1);
  painter.restore();
}

void CornerRivets(QPainter& painter, const QRect& outline) {
  Rivet(painter, outline.left() + 4, outline.top() + 4);
  Rivet(painter, outline.right() - 5, outline.top() + 4);
  Rivet(painter, outline.left() + 4, outline.bottom() - 5);
  Rivet(painter, outline.right() - 5, outline.bottom() - 5);
}

// WARP, IMPULSE and DISTANCE: an up box, a one-glyph read-out and a down box
// above the caption.
Picture FactorPanel(int id, const QString& caption) {
  QImage image = Canvas(117, 61);
  QPainter painter(&image);
  PreparePainter(painter);
  PanelField(painter, image.rect());
  const QRect up(25, 13, 15, 16);
  const QRect down(78, 13, 14, 16);
  PushBox(painter, up);
  PushBox(painter, down);
  Arrowhead(painter, up, Pointing::Up);
  Arrowhead(painter, down, Pointing::Down);
  ReadoutWell(painter, QRect(51, 10, 17, 22));
  Letter(painter, QRect(0, 35, 117, 20), caption, Lettering(15));
  CornerRivets(painter, image.rect());
  painter.end();
  return SixteenColourPicture(id, image, PanelKeys);
}

// EXECUTE: a raised red key in a bright red frame. The stations invert all of it
// but the outermost pixel while it is held.
Picture ExecuteButton() {
  QImage image = Canvas(117, 31);
  QPainter painter(&image);
  PreparePainter(painter);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(bridge::FrameRed);
  painter.drawRect(1, 1, 114, 28);
  const QRect key(2, 2, 113, 27);
  painter.fillRect(key, bridge::PanelRed);
  painter.setPen(bridge::HighlightRed);
  painter.drawLine(key.topLeft(), key.topRight());
  painter.drawLine(key.topLeft(), key.bottomLeft());
  painter.setPen(bridge::ShadowRed);
  painter.drawLine(key.bottomLeft(), key.bottomRight());
  painter.drawLine(key.topRight(), key.bottomRight());
  painter.setRenderHint(QPainter::Antialiasing, true);
  Letter(painter, key, QStringLiteral("EXECUTE"), Lettering(17));
  painter.end();
  return SixteenColourPicture(31, image, PanelKeys);
}

Picture TransferArrows() {
  QImage image = Canvas(75, 31);
  QPainter painter(&image);
  PreparePainter(painter);
  PanelField(painter, image.rect());
  const QRect less(13, 8, 16, 15);
  const QRect more(46, 8, 16, 15);
  PushBox(painter, less);
  PushBox(painter, more);
  Arrowhead(painter, less, Pointing::Left);
  Arrowhead(painter, more, Pointing::Right);
  // A conduit between the two boxes: energy flows either way.
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.fillRect(QRect(31, 14, 13, 3), bridge::Black);
  painter.fillRect(QRect(32, 15, 11, 1), bridge::HighlightRed);
  painter.end();
  return SixteenColourPicture(33, image, PanelKeys);
}

// DILITHIUM, SHIELDS and PHASERS: a four-glyph read-out over its caption. The
// read-out's left edge differs by a pixel between the left and right panels.
Picture ReadoutPanel(int id, const QString& caption, int valueLeft) {
  QImage image = Canvas(88, 53);
  QPainter painter(&image);
  PreparePainter(painter);
  PanelField(painter, image.rect());
  ReadoutWell(painter, QRect(valueLeft - 2, 9, 4 * 13 + 4, 22));
  Letter(painter, QRect(0, 33, 88, 16), caption, Lettering(13));
  painter.end();
  return SixteenColourPicture(id, image, PanelKeys);
}

Picture PhaserModes() {
  QImage image = Canvas(139, 53);
  QPainter painter(&image);
  PreparePainter(painter);
  PanelField(painter, image.rect());
  const QFont font = Lettering(12);
  Letter(painter, QRect(27, 8, 108, 15), QStringLiteral("SINGLE TARGET"), font, bridge::White,
         Qt::AlignLeft | Qt::AlignVCenter);
  Letter(painter, QRect(27, 28, 108, 15), QStringLiteral("WIDE DISPERSAL"), font, bridge::White,
         Qt::AlignLeft | Qt::AlignVCenter);
  // Sockets under the two radio lights.
  painter.setPen(QPen(bridge::ShadowRed, 1));
  painter.setBrush(bridge::Black);
  painter.drawEllipse(QRectF(9, 9, 13, 13));
  painter.drawEllipse(QRectF(9, 29, 13, 13));
  painter.end();
  return SixteenColourPicture(49, image, PanelKeys);
}

Picture IndicatorFrame() {
  QImage image = Canvas(82, 53);
  QPainter painter(&image);
  PreparePainter(painter);
  PanelField(painter, image.rect());
  ReadoutWell(painter, QRect(14, 15, 53, 23));
  CornerRivets(painter, image.rect());
  painter.end();
  return SixteenColourPicture(50, image, PanelKeys);
}

Picture TargetLockLight() {
  QImage image = Canvas(53, 23);
  QPainter painter(&image);
  PreparePainter(painter);
  QLinearGradient glow(0, 0, 0, 23);
  glow.setColorAt(0, QColor(255, 96, 64));
  glow.setColorAt(0.5, QColor(255, 0, 0));
  glow.setColorAt(1, QColor(176, 0, 0));
  painter.fillRect(image.rect(), glow);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QColor(96, 0, 0));
  painter.drawRect(0, 0, 52, 22);
  painter.setRenderHint(QPainter::Antialiasing, true);
  const QFont font = Lettering(10);
  Letter(painter, QRect(0, 1, 53, 11), QStringLiteral("TARGET"), font, QColor(255, 255, 160), Qt::AlignCenter,
         QColor(128, 0, 0));
  Letter(painter, QRect(0, 11, 53, 11), QStringLiteral("LOCK"), font, QColor(255, 255, 160), Qt::AlignCenter,
         QColor(128, 0, 0));
  painter.end();
  return SixteenColourPicture(
      51, image, {bridge::Black, QColor(255, 0, 0), QColor(96, 0, 0), QColor(255, 255, 160), QColor(128, 0, 0)});
}

// A round indicator lamp of 11 x 11 set into the red panel.
Picture RadioLamp(int id, const QColor& body, const QColor& glint) {
  QImage image = Canvas(11, 11, bridge::PanelRed);
  QPainter painter(&image);
  PreparePainter(painter);
  painter.setPen(QPen(bridge::Black, 1));
  QRadialGradient lens(QPointF(4, 4), 6);
  lens.setColorAt(0, glint);
  lens.setColorAt(0.45, body);
  lens.setColorAt(1, body.darker(160));
  painter.setBrush(lens);
  painter.drawEllipse(QRectF(0.5, 0.5, 10, 10));
  painter.end();
  return SixteenColourPicture(id, image, {bridge::PanelRed, bridge::Black, body, glint});
}

Picture TorpedoDot() {
  QImage image = Canvas(3, 3);
  const QRgb rim = qRgb(160, 64, 0), glow = qRgb(255, 176, 32), core = qRgb(255, 255, 200);
  const QRgb rows[3][3] = {{rim, glow, rim}, {glow, core, glow}, {rim, glow, rim}};
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) image.setPixel(x, y, rows[y][x]);
  return SixteenColourPicture(38, image, {});
}

}  // namespace

PictureList ControlPanels() {
  return {
      FactorPanel(29, QStringLiteral("WARP")),
      FactorPanel(30, QStringLiteral("IMPULSE")),
      ExecuteButton(),
      TransferArrows(),
      ReadoutPanel(34, QStringLiteral("DILITHIUM"), 18),
      ReadoutPanel(35, QStringLiteral("SHIELDS"), 19),
      FactorPanel(37, QStringLiteral("DISTANCE")),
      TorpedoDot(),
      PhaserModes(),
      IndicatorFrame(),
      TargetLockLight(),
      ReadoutPanel(52, QStringLiteral("PHASERS"), 19),
      RadioLamp(53, QColor(255, 255, 0), QColor(255, 255, 224)),
      RadioLamp(54, QColor(112, 0, 0), QColor(176, 48, 48)),
  };
}

}  // namespace pictures
