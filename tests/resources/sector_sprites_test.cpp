// Whatever the scan draws in a sector, the black fill that erases the sector takes all of it
// away: no sprite, in any facing or frame, leaves a fragment behind.

#include <QImage>
#include <QPainter>

#include "sector/scan_geometry.h"
#include "tests/resources/bundle_fixture.h"

namespace {

struct Sprite {
  int id;
  int frames;
};

// The ship both ways, the aliens, stars and starbase, and every hit and explosion strip.
constexpr Sprite Sprites[] = {{18, 1}, {19, 1}, {20, 1}, {21, 1}, {22, 1}, {23, 1}, {24, 4},
                              {25, 4}, {26, 4}, {27, 4}, {39, 8}, {40, 8}, {41, 8}, {42, 8},
                              {43, 8}, {44, 8}, {45, 8}, {46, 8}, {48, 8}, {55, 8}, {56, 8}};

int LitPixels(const QImage& image) {
  int lit = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) lit += (image.pixel(x, y) & 0xFFFFFF) != 0;
  return lit;
}

TEST(SectorSprites, ErasingTheSectorLeavesNothingOfAnySprite) {
  constexpr int X = 3, Y = 4;
  const ScanRect erased = SectorRect(X, Y);
  for (const Sprite& sprite : Sprites) {
    const QImage strip = resources::Picture(sprite.id).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(strip.isNull()) << sprite.id;
    for (int frame = 0; frame < sprite.frames; ++frame) {
      const QImage picture = strip.copy(0, frame * SpriteHeight, SpriteWidth, SpriteHeight);
      // Painted and animated at the picture position; moving, at the sector's own corner.
      for (const ScanPoint at : {PicturePosition(X, Y), SectorTopLeft(X, Y)}) {
        QImage scan(ScanClientWidth, ScanClientHeight, QImage::Format_RGB32);
        scan.fill(Qt::black);
        QPainter painter(&scan);
        painter.drawImage(at.x, at.y, picture);
        painter.fillRect(erased.left, erased.top, erased.right - erased.left, erased.bottom - erased.top, Qt::black);
        painter.end();
        EXPECT_EQ(LitPixels(scan), 0) << "picture " << sprite.id << " frame " << frame << " drawn at " << at.x << ","
                                      << at.y;
      }
    }
  }
}

}  // namespace
