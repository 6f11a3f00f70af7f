// The eight-frame strips played on a sector that is hit: a vessel taking a hit
// (a flash on its hull, its shield lighting up, sparks, then calm) and a vessel
// blowing apart (a fireball that swells and burns out while the wreckage flies).

#include <QRandomGenerator>
#include <QtMath>

#include "libraries/pictures/maker/catalogue.h"
#include "libraries/pictures/maker/sprite_art.h"

namespace pictures {
namespace {

constexpr int FrameCount = 8;
const QPointF Centre(17, 12.5);

// Mixes every lit (non-black) pixel towards a glow colour: a hull lit by a blast,
// wreckage heated by it.
QImage Glowing(const QImage& piece, const QColor& glow, double amount) {
  QImage out = piece.copy();
  for (int y = 0; y < out.height(); ++y) {
    for (int x = 0; x < out.width(); ++x) {
      const QRgb p = out.pixel(x, y);
      if ((p & 0xFFFFFF) == 0) continue;
      auto mix = [amount](int from, int to) { return int(from + (to - from) * amount); };
      out.setPixel(x, y, qRgb(mix(qRed(p), glow.red()), mix(qGreen(p), glow.green()), mix(qBlue(p), glow.blue())));
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
  QImage image = Lift[frame] > 0 ? Glowing(sprite, Qt::white, Lift[frame]) : sprite.copy();
  QPainter painter(&image);
  PreparePainter(painter);
  if (ShieldAlpha[frame] > 0) {
    QColor shield(96, 200, 255, ShieldAlpha[frame]);
    painter.setPen(QPen(shield, 1.2, frame % 2 ? Qt::DotLine : Qt::SolidLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(Centre, 16, 11.5);
  }
  if (FlashRadius[frame] > 0) Flash(painter, impact, FlashRadius[frame], QColor(255, 220, 96));

  // Sparks thrown off the hull; the same seed every frame keeps each spark on its course.
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

  // Frame 0: the hull lights up from inside.
  if (frame == 0) {
    painter.drawImage(0, 0, Glowing(sprite, Qt::white, 0.35));
    Flash(painter, Centre, 5, QColor(255, 255, 160));
    painter.end();
    return image;
  }

  // The fireball: puffs that billow outward, white-hot at first, then cooling
  // through yellow and orange to a dull red smoke that thins away.
  constexpr double Swell[FrameCount] = {0, 5.5, 8, 9.5, 10, 9.5, 8.5, 7};
  const QColor heat[FrameCount][3] = {
      {},
      {Qt::white, QColor(255, 240, 120), QColor(255, 160, 0)},
      {QColor(255, 255, 208), QColor(255, 208, 48), QColor(240, 96, 0)},
      {QColor(255, 232, 128), QColor(255, 152, 0), QColor(200, 40, 0)},
      {QColor(255, 184, 64), QColor(232, 88, 0), QColor(136, 16, 0)},
      {QColor(224, 104, 16), QColor(160, 40, 0), QColor(80, 8, 0)},
      {QColor(144, 48, 8), QColor(96, 20, 4), QColor(48, 8, 8)},
      {QColor(88, 28, 8), QColor(56, 12, 4), QColor(28, 6, 6)},
  };
  QRandomGenerator puffs(seed ^ 0x5EED);
  for (int i = 0; i < 9; ++i) {
    const double angle = qDegreesToRadians(40.0 * i + puffs.bounded(30.0));
    const double drift = (0.6 + puffs.bounded(0.8)) * frame;
    const QPointF at = Centre + QPointF(std::cos(angle) * drift * 1.3, std::sin(angle) * drift);
    const double r = Swell[frame] * (0.45 + puffs.bounded(0.3));
    QRadialGradient fire(at, r);
    fire.setColorAt(0, heat[frame][0]);
    fire.setColorAt(0.5, heat[frame][1]);
    fire.setColorAt(0.85, heat[frame][2]);
    QColor edge = heat[frame][2];
    edge.setAlpha(0);
    fire.setColorAt(1, edge);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fire);
    painter.drawEllipse(at, r, r);
  }
  if (frame <= 2) Flash(painter, Centre, 7 - frame, QColor(255, 255, 200));

  // The wreckage: pieces of the hull flung out of the fire, glowing as they go.
  constexpr int Piece = 4;
  QRandomGenerator spin(seed);
  const QColor glow = frame < 4 ? QColor(255, 160, 48) : QColor(160, 40, 16);
  painter.setOpacity(frame < 6 ? 1.0 : 0.6);
  for (int ty = 0; ty < SpriteHeight; ty += Piece) {
    for (int tx = 0; tx < SpriteWidth; tx += Piece) {
      const QImage piece = sprite.copy(tx, ty, Piece, Piece);
      const QPointF offset = QPointF(tx + Piece / 2.0, ty + Piece / 2.0) - Centre;
      const double speed = 0.3 + spin.bounded(0.35);
      if (spin.bounded(3) == 0) continue;  // not every piece survives
      const QPointF to = QPointF(tx, ty) + offset * speed * (frame + 1);
      painter.drawImage(to, Glowing(piece, glow, frame < 4 ? 0.4 : 0.7));
    }
  }
  painter.setOpacity(1.0);

  // Sparks and embers.
  QRandomGenerator embers(seed + 7);
  painter.setRenderHint(QPainter::Antialiasing, false);
  for (int i = 0; i < 14; ++i) {
    const double angle = qDegreesToRadians(embers.bounded(360.0));
    const double reach = (2.0 + embers.bounded(2.0)) * frame;
    const QPointF p = Centre + QPointF(std::cos(angle) * reach * 1.3, std::sin(angle) * reach);
    painter.setPen(frame < 4 ? QColor(255, 240, 160) : frame < 6 ? QColor(255, 144, 32) : QColor(160, 48, 0));
    painter.drawPoint(p);
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
      HitStrip(39, klingon, QPointF(20, 10)),       ExplosionStrip(40, klingon),
      HitStrip(41, romulan, QPointF(24, 8)),        ExplosionStrip(42, romulan),
      HitStrip(43, farengi, QPointF(12, 9)),        ExplosionStrip(44, farengi),
      HitStrip(45, borg, QPointF(13, 14)),          ExplosionStrip(46, borg),
      ExplosionStrip(48, StarbaseFrame(folder, 0)), HitStrip(55, shipLeft, QPointF(10, 10)),
      HitStrip(56, shipRight, QPointF(24, 10)),
  };
}

}  // namespace pictures
