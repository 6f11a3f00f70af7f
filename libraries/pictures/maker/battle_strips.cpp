// The eight-frame strips played on a sector that is hit: a vessel taking a hit
// (a flash on its hull, its shield lighting up, sparks, then calm) and a vessel
// blowing apart (a fireball that swells and burns out while the wreckage flies).

#include <QRandomGenerator>
#include <QtMath>

#include "catalogue.h"
#include "sprite_art.h"

namespace pictures {
namespace {

constexpr int FrameCount = 8;
const QPointF Centre(17, 12.5);

QImage Brightened(const QImage& sprite, double amount) {
  QImage out = sprite.copy();
  for (int y = 0; y < out.height(); ++y) {
    for (int x = 0; x < out.width(); ++x) {
      const QRgb p = out.pixel(x, y);
      if ((p & 0xFFFFFF) == 0) continue;
      auto lift = [amount](int c) { return int(c + (255 - c) * amount); };
      out.setPixel(x, y, qRgb(lift(qRed(p)), lift(qGreen(p)), lift(qBlue(p))));
    }
  }
  return out;
}

void Flash(QPainter& painter, const QPointF& at, double radius, const QColor& colour) {
  QRadialGradient glow(at, radius);
  glow.setColorAt(0, Qt::white);
  glow.setColorAt(0.35, colour);
  glow.setColorAt(1, QColor(0, 0, 0, 0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(glow);
  painter.drawEllipse(at, radius, radius);
}

QImage HitFrame(const QImage& sprite, int frame, const QPointF& impact) {
  constexpr double FlashRadius[FrameCount] = {3, 6, 5, 3.5, 2.5, 1.5, 0, 0};
  constexpr double Lift[FrameCount] = {0.0, 0.45, 0.25, 0.1, 0, 0, 0, 0};
  constexpr int ShieldAlpha[FrameCount] = {0, 255, 200, 140, 90, 50, 0, 0};
  QImage image = Lift[frame] > 0 ? Brightened(sprite, Lift[frame]) : sprite.copy();
  QPainter painter(&image);
  PreparePainter(painter);
  if (ShieldAlpha[frame] > 0) {
    QColor shield(96, 200, 255, ShieldAlpha[frame]);
    painter.setPen(QPen(shield, 1.2, frame % 2 ? Qt::DotLine : Qt::SolidLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(Centre, 16, 11.5);
  }
  if (FlashRadius[frame] > 0) Flash(painter, impact, FlashRadius[frame], QColor(255, 220, 96));

  // Sparks thrown off the hull, arcing away from the impact.
  if (frame >= 1 && frame <= 6) {
    QRandomGenerator sparks(39);
    for (int i = 0; i < 7; ++i) {
      const double angle = qDegreesToRadians(sparks.bounded(360.0));
      const double speed = 1.5 + sparks.bounded(1.5);
      const QPointF p = impact + QPointF(std::cos(angle), std::sin(angle)) * speed * frame;
      const int fade = 255 - frame * 30;
      painter.setPen(QPen(QColor(255, fade, fade / 4), 1));
      painter.drawPoint(p);
    }
  }
  painter.end();
  return image;
}

QImage ExplosionFrame(const QImage& sprite, int frame, quint32 seed) {
  QImage image = Canvas(SpriteWidth, SpriteHeight);
  QPainter painter(&image);
  PreparePainter(painter);

  // The wreckage: the sprite cut into tiles that fly outward and cool.
  if (frame == 0) {
    painter.drawImage(0, 0, Brightened(sprite, 0.5));
  } else if (frame < 7) {
    constexpr int Tile = 5;
    QRandomGenerator spin(seed);
    for (int ty = 0; ty < SpriteHeight; ty += Tile) {
      for (int tx = 0; tx < SpriteWidth; tx += Tile) {
        const QPointF offset = QPointF(tx + Tile / 2.0, ty + Tile / 2.0) - Centre;
        const double speed = 0.35 + spin.bounded(0.4);
        const QPointF to = QPointF(tx, ty) + offset * speed * frame;
        QImage chunk = sprite.copy(tx, ty, Tile, Tile);
        const double cool = std::min(1.0, 0.25 * frame);
        chunk = Brightened(chunk, 0.0);
        painter.setOpacity(1.0 - cool * 0.8);
        painter.drawImage(to, chunk);
      }
    }
    painter.setOpacity(1.0);
  }

  // The fireball: swelling, then cooling from white through yellow to red smoke.
  constexpr double Radius[FrameCount] = {4, 8, 11, 13, 12.5, 11, 9, 6};
  const QColor Heat[FrameCount][3] = {
      {Qt::white, QColor(255, 255, 160), QColor(255, 200, 64)},
      {Qt::white, QColor(255, 240, 96), QColor(255, 144, 0)},
      {QColor(255, 255, 208), QColor(255, 200, 32), QColor(240, 80, 0)},
      {QColor(255, 240, 128), QColor(255, 144, 0), QColor(192, 32, 0)},
      {QColor(255, 192, 64), QColor(224, 80, 0), QColor(128, 16, 0)},
      {QColor(240, 112, 16), QColor(160, 32, 0), QColor(80, 8, 0)},
      {QColor(160, 48, 0), QColor(96, 16, 0), QColor(48, 8, 8)},
      {QColor(96, 24, 0), QColor(48, 8, 0), QColor(24, 8, 8)},
  };
  QRandomGenerator puffs(seed ^ 0x5EED);
  for (int i = 0; i < 6; ++i) {
    const QPointF at = Centre + QPointF(puffs.bounded(2.0) * 4 - 4, puffs.bounded(2.0) * 3 - 3);
    const double r = Radius[frame] * (0.55 + puffs.bounded(0.35));
    QRadialGradient fire(at, r);
    fire.setColorAt(0, Heat[frame][0]);
    fire.setColorAt(0.45, Heat[frame][1]);
    fire.setColorAt(0.8, Heat[frame][2]);
    QColor edge = Heat[frame][2];
    edge.setAlpha(0);
    fire.setColorAt(1, edge);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fire);
    painter.drawEllipse(at, r, r);
  }

  // The shock ring at its widest, and the last embers.
  if (frame == 3 || frame == 4) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 224, 160, frame == 3 ? 200 : 90), 1));
    painter.drawEllipse(Centre, 15.5, 11);
  }
  if (frame >= 5) {
    QRandomGenerator embers(seed + 7);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < 12 - frame; ++i) {
      const QPointF p(embers.bounded(SpriteWidth), embers.bounded(SpriteHeight));
      painter.setPen(frame == 7 ? QColor(160, 48, 0) : QColor(255, 144, 32));
      painter.drawPoint(p);
    }
  }
  painter.end();
  return image;
}

Picture HitStrip(int id, const QImage& sprite, const QPointF& impact) {
  QList<QImage> frames;
  for (int f = 0; f < FrameCount; ++f) frames.append(HitFrame(sprite, f, impact));
  return TrueColourPicture(id, StackFrames(frames));
}

Picture ExplosionStrip(int id, const QImage& sprite) {
  QList<QImage> frames;
  for (int f = 0; f < FrameCount; ++f) frames.append(ExplosionFrame(sprite, f, quint32(id)));
  return TrueColourPicture(id, StackFrames(frames));
}

}  // namespace

PictureList BattleStrips(const QString& folder) {
  const QImage klingon = LoadSprite(folder, QStringLiteral("klingon"));
  const QImage romulan = LoadSprite(folder, QStringLiteral("romulan"));
  const QImage farengi = LoadSprite(folder, QStringLiteral("farengi"));
  const QImage borg = LoadSprite(folder, QStringLiteral("borg"));
  const QImage shipLeft = LoadSprite(folder, QStringLiteral("ship"));
  const QImage shipRight = shipLeft.mirrored(true, false);
  return {
      HitStrip(39, klingon, QPointF(20, 10)),   ExplosionStrip(40, klingon),
      HitStrip(41, romulan, QPointF(24, 8)),    ExplosionStrip(42, romulan),
      HitStrip(43, farengi, QPointF(12, 9)),    ExplosionStrip(44, farengi),
      HitStrip(45, borg, QPointF(13, 14)),      ExplosionStrip(46, borg),
      ExplosionStrip(48, StarbaseFrame(folder, 0)),
      HitStrip(55, shipLeft, QPointF(10, 10)),  HitStrip(56, shipRight, QPointF(24, 10)),
  };
}

}  // namespace pictures
