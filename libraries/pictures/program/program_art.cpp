#include "libraries/pictures/program/program_art.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <algorithm>
#include <cmath>

namespace pictures {
namespace {

const QColor Face(192, 192, 192);
const QColor Light(255, 255, 255);
const QColor Shade(128, 128, 128);
const QColor Edge(0, 0, 0);

}  // namespace

QImage ButtonFrame(bool pressed) {
  constexpr int W = 60, H = 36;
  QImage image(W, H, QImage::Format_RGB32);
  image.fill(Face);
  QPainter painter(&image);
  // A black border with its corners knocked off, the way push buttons are drawn.
  painter.setPen(Edge);
  painter.drawLine(1, 0, W - 2, 0);
  painter.drawLine(1, H - 1, W - 2, H - 1);
  painter.drawLine(0, 1, 0, H - 2);
  painter.drawLine(W - 1, 1, W - 1, H - 2);
  painter.setPen(Face);
  for (QPoint corner : {QPoint(0, 0), QPoint(W - 1, 0), QPoint(0, H - 1), QPoint(W - 1, H - 1)})
    painter.drawPoint(corner);
  if (pressed) {
    // Sunken: the shadow falls on the top and left edges; the face sits a pixel lower.
    painter.setPen(Shade);
    painter.drawLine(1, 1, W - 2, 1);
    painter.drawLine(1, 1, 1, H - 2);
  } else {
    // Raised: lit on the top and left, two pixels of shadow on the bottom and right.
    painter.setPen(Light);
    painter.drawLine(1, 1, W - 3, 1);
    painter.drawLine(1, 1, 1, H - 3);
    painter.setPen(Shade);
    painter.drawLine(1, H - 2, W - 2, H - 2);
    painter.drawLine(2, H - 3, W - 2, H - 3);
    painter.drawLine(W - 2, 1, W - 2, H - 2);
    painter.drawLine(W - 3, 2, W - 3, H - 2);
  }
  painter.end();
  return image;
}

QImage ProgramIcon(const QImage& shipSprite, int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  // Drawn on a 32-unit grid at every size, so a large icon shows the same picture in finer
  // detail rather than an enlarged small one.
  const qreal scale = size / 32.0;
  painter.scale(scale, scale);
  painter.setRenderHint(QPainter::Antialiasing, true);

  // Deep space in a red ring.
  painter.setPen(QPen(QColor(255, 0, 0), 1.5));
  painter.setBrush(QColor(0, 0, 0));
  painter.drawEllipse(QRectF(1, 1, 30, 30));
  painter.save();
  QPainterPath disc;
  disc.addEllipse(QRectF(2, 2, 28, 28));
  painter.setClipPath(disc);

  // A red giant low on the horizon.
  QRadialGradient sun(QPointF(8, 30), 15);
  sun.setColorAt(0, QColor(255, 255, 128));
  sun.setColorAt(0.4, QColor(255, 128, 0));
  sun.setColorAt(1, QColor(128, 0, 0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(sun);
  painter.drawEllipse(QPointF(6, 32), 12, 12);

  painter.setRenderHint(QPainter::Antialiasing, false);
  QRandomGenerator stars(74656);
  for (int i = 0; i < 10; ++i) {
    const QColor star = i % 3 ? QColor(192, 192, 192) : QColor(255, 255, 255);
    painter.fillRect(QRectF(4 + stars.bounded(24), 3 + stars.bounded(14), 1, 1), star);
  }
  painter.setRenderHint(QPainter::Antialiasing, true);

  // The starship, a touch smaller than on the scan; its black is space. Enlarged, its pixels
  // are first multiplied whole, so that only their edges blend when it is fitted to the icon.
  const QRectF shipBox(3, 6, 27, 20);
  const int whole = std::max(1, static_cast<int>(std::ceil(shipBox.width() * scale / shipSprite.width())));
  const QImage ship = whole == 1
                          ? shipSprite
                          : shipSprite.scaled(shipSprite.size() * whole, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  painter.setCompositionMode(QPainter::CompositionMode_Lighten);
  painter.drawImage(shipBox, ship);
  painter.restore();
  painter.end();
  return image;
}

}  // namespace pictures
