// The pictures of the Short Range Scan: the starship both ways, the four alien
// vessels, the three kinds of star and the starbase, each animated strip four
// frames of 34 x 25.

#include <QtMath>
#include <cstdio>
#include <cstdlib>

#include "libraries/pictures/maker/catalogue.h"
#include "libraries/pictures/maker/sprite_art.h"

namespace pictures {
namespace {

// The starbase's marker colours in its XPM: the chase lights round its ring, the
// mast beacons and the four windows of its hub.
constexpr QRgb ChaseMarks[4] = {qRgb(1, 0, 1), qRgb(2, 0, 2), qRgb(3, 0, 3), qRgb(4, 0, 4)};
constexpr QRgb BeaconMark = qRgb(5, 0, 5);
constexpr QRgb WindowMarks[4] = {qRgb(6, 0, 6), qRgb(7, 0, 7), qRgb(8, 0, 8), qRgb(9, 0, 9)};

struct StarColours {
  QColor core, body, corona;
};

// A star: a hot core in a soft corona, with four long rays and four short ones
// that grow and shrink from frame to frame, so the star twinkles.
QImage StarFrame(const StarColours& colours, int frame) {
  QImage image = Canvas(SpriteWidth, SpriteHeight);
  QPainter painter(&image);
  PreparePainter(painter);
  painter.setCompositionMode(QPainter::CompositionMode_Plus);
  const QPointF centre(17, 12.5);
  constexpr double LongRay[4] = {8.5, 11.5, 13.0, 10.5};
  constexpr double ShortRay[4] = {5.0, 3.5, 6.0, 7.0};
  constexpr double Glow[4] = {7.0, 7.8, 8.6, 7.6};

  QRadialGradient glow(centre, Glow[frame]);
  glow.setColorAt(0, colours.body);
  glow.setColorAt(0.45, colours.corona);
  glow.setColorAt(1, Qt::black);
  painter.setPen(Qt::NoPen);
  painter.setBrush(glow);
  painter.drawEllipse(centre, Glow[frame], Glow[frame]);

  auto ray = [&](double angle, double length, double width) {
    QLinearGradient fade(centre, centre + QPointF(std::cos(angle), std::sin(angle)) * length);
    fade.setColorAt(0, colours.body);
    fade.setColorAt(1, Qt::black);
    painter.setPen(QPen(QBrush(fade), width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(centre, centre + QPointF(std::cos(angle), std::sin(angle)) * length);
  };
  for (int i = 0; i < 4; ++i) ray(qDegreesToRadians(90.0 * i), LongRay[frame], 1.3);
  for (int i = 0; i < 4; ++i) ray(qDegreesToRadians(45.0 + 90.0 * i), ShortRay[frame], 1.0);

  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  QRadialGradient core(centre, 3.6);
  core.setColorAt(0, Qt::white);
  core.setColorAt(0.5, colours.core);
  core.setColorAt(1, colours.body);
  painter.setBrush(core);
  painter.setPen(Qt::NoPen);
  painter.drawEllipse(centre, 3.4, 3.4);
  painter.end();
  return image;
}

Picture StarStrip(int id, const StarColours& colours) {
  QList<QImage> frames;
  for (int f = 0; f < 4; ++f) frames.append(StarFrame(colours, f));
  return TrueColourPicture(id, StackFrames(frames));
}

}  // namespace

QImage LoadSprite(const QString& folder, const QString& name) {
  const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".xpm");
  QImage sprite(path, "XPM");
  if (sprite.isNull() || sprite.size() != QSize(SpriteWidth, SpriteHeight)) {
    std::fprintf(stderr, "picture maker: cannot use sprite %s\n", qPrintable(path));
    std::exit(1);
  }
  return sprite.convertToFormat(QImage::Format_RGB32);
}

QImage StarbaseFrame(const QString& folder, int frame) {
  // The lit light runs round the ring with a fading one behind it, a light sweeps
  // along the hub's windows, and the mast beacons blink every two frames.
  constexpr QRgb ChaseByAge[4] = {qRgb(255, 255, 208), qRgb(200, 176, 64), qRgb(64, 56, 32), qRgb(64, 56, 32)};
  const QRgb beacon = frame < 2 ? qRgb(255, 48, 32) : qRgb(96, 16, 16);
  QImage image = LoadSprite(folder, QStringLiteral("starbase"));
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      if (p == BeaconMark) image.setPixel(x, y, beacon);
      for (int k = 0; k < 4; ++k) {
        if (p == ChaseMarks[k]) image.setPixel(x, y, ChaseByAge[(frame - k + 4) % 4]);
        if (p == WindowMarks[k]) image.setPixel(x, y, k == frame ? qRgb(208, 240, 255) : qRgb(48, 120, 224));
      }
    }
  }
  return image;
}

QImage InsideErasedSector(QImage frame) {
  QPainter painter(&frame);
  painter.fillRect(0, 0, frame.width(), 1, Qt::black);
  painter.fillRect(0, 0, 1, frame.height(), Qt::black);
  return frame;
}

QImage StackFrames(const QList<QImage>& frames) {
  QImage strip = Canvas(frames.first().width(), frames.first().height() * int(frames.size()));
  QPainter painter(&strip);
  for (int i = 0; i < frames.size(); ++i)
    painter.drawImage(0, i * frames.first().height(), InsideErasedSector(frames[i]));
  return strip;
}

PictureList SectorSprites(const QString& folder) {
  // The ship faces both ways as mirror images: both its outer columns stay black.
  const QImage ship =
      InsideErasedSector(InsideErasedSector(LoadSprite(folder, QStringLiteral("ship"))).mirrored(true, false));
  const auto sprite = [&folder](const char* name) {
    return InsideErasedSector(LoadSprite(folder, QString::fromLatin1(name)));
  };
  QList<QImage> starbase;
  for (int f = 0; f < 4; ++f) starbase.append(StarbaseFrame(folder, f));
  return {
      TrueColourPicture(18, ship.mirrored(true, false)),
      TrueColourPicture(19, ship),
      TrueColourPicture(20, sprite("klingon")),
      TrueColourPicture(21, sprite("romulan")),
      TrueColourPicture(22, sprite("borg")),
      TrueColourPicture(23, sprite("farengi")),
      StarStrip(24, {QColor(255, 255, 200), QColor(255, 200, 64), QColor(224, 96, 0)}),
      StarStrip(25, {QColor(240, 248, 255), QColor(160, 208, 255), QColor(48, 96, 255)}),
      StarStrip(26, {QColor(255, 208, 176), QColor(255, 80, 40), QColor(160, 16, 0)}),
      TrueColourPicture(27, StackFrames(starbase)),
      TrueColourPicture(58, LoadSprite(folder, QStringLiteral("ship"))),
  };
}

}  // namespace pictures
