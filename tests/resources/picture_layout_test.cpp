// The stations draw their read-outs, needles and lights straight onto the
// pictures at fixed pixels: the pictures must leave black exactly there, and the
// digit glyphs must sit in the cells the read-outs look up.

#include <QImage>
#include <QRect>
#include <QtMath>

#include "tests/resources/bundle_fixture.h"

namespace {

bool AllBlack(const QImage& picture, const QRect& area) {
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if ((rgb.pixel(x, y) & 0xFFFFFF) != 0) return false;
  return true;
}

struct DrawnArea {
  int id;
  QRect area;
  const char* what;
};

TEST(PictureLayout, ReadoutsAndLightsFallOnBlackBoxes) {
  const DrawnArea areas[] = {
      {29, QRect(53, 12, 13, 18), "warp glyph"},       {30, QRect(53, 12, 13, 18), "impulse glyph"},
      {37, QRect(53, 12, 13, 18), "distance glyph"},   {28, QRect(70, 160, 39, 18), "course read-out"},
      {34, QRect(18, 11, 52, 18), "available energy"}, {35, QRect(19, 11, 52, 18), "shield setting"},
      {52, QRect(19, 11, 52, 18), "phaser charge"},    {50, QRect(14, 15, 53, 23), "TARGET LOCK light"},
      {6, QRect(110, 15, 65, 18), "stardate"},         {6, QRect(110, 42, 65, 18), "quadrant"},
      {6, QRect(110, 69, 65, 18), "sector"},           {6, QRect(110, 96, 65, 18), "dilithium"},
      {6, QRect(110, 123, 65, 18), "shields"},         {6, QRect(110, 150, 65, 18), "photon torpedoes"},
      {6, QRect(121, 173, 40, 25), "condition light"}, {6, QRect(110, 204, 65, 18), "aliens"},
  };
  for (const DrawnArea& a : areas)
    EXPECT_TRUE(AllBlack(resources::Picture(a.id), a.area)) << "picture " << a.id << ": " << a.what;
}

TEST(PictureLayout, TheDamageColumnIsBlackWhereEstimatesAreWritten) {
  const QImage report = resources::Picture(36);
  for (int top = 84; top <= 192; top += 18) EXPECT_TRUE(AllBlack(report, QRect(230, top, 70, 14))) << "row at " << top;
}

TEST(PictureLayout, TheCourseDialIsBlackUnderTheNeedle) {
  // The needle is erased by drawing it again in black: anything under it would be cut.
  const QImage dial = resources::Picture(28).convertToFormat(QImage::Format_RGB32);
  for (int course = 0; course < 360; ++course) {
    const double r = qDegreesToRadians(double(course));
    for (int step = 0; step <= 50; ++step) {
      const int x = 90 + int(std::sin(r) * step), y = 78 - int(std::cos(r) * step);
      ASSERT_EQ(dial.pixel(x, y) & 0xFFFFFF, 0u) << "course " << course << " at " << step;
    }
  }
}

// Lit pixels of a glyph cell: the full-brightness red or green of the segments.
int LitPixels(const QImage& strip, int cellTop) {
  int lit = 0;
  for (int y = cellTop; y < cellTop + 18; ++y)
    for (int x = 0; x < 13; ++x) {
      const QRgb p = strip.pixel(x, y);
      if (qRed(p) > 160 || qGreen(p) > 160) ++lit;
    }
  return lit;
}

TEST(PictureLayout, DigitCellsFollowTheReadoutOrder) {
  for (int id : {4, 32}) {
    SCOPED_TRACE(testing::Message() << "strip " << id);
    const QImage strip = resources::Picture(id).convertToFormat(QImage::Format_RGB32);
    const int minus = LitPixels(strip, 0), blank = LitPixels(strip, 18), eight = LitPixels(strip, 54),
              one = LitPixels(strip, 180), zero = LitPixels(strip, 198), point = LitPixels(strip, 216);
    EXPECT_EQ(blank, 0) << "the blank cell lights nothing";
    EXPECT_GT(minus, 0);
    for (int top = 36; top <= 198; top += 18) {
      if (top != 54) {
        EXPECT_LT(LitPixels(strip, top), eight) << "8 lights every segment; cell " << top;
      }
      if (top != 180) {
        EXPECT_GT(LitPixels(strip, top), one) << "1 lights the fewest; cell " << top;
      }
    }
    EXPECT_GT(zero, minus);
    EXPECT_GT(point, 0);
    EXPECT_LT(point, minus);
  }
}

TEST(PictureLayout, ThePointCellIsBlackExceptForThePoint) {
  // It is ORed into the digit before it: any other colour would show in that digit.
  for (int id : {4, 32}) {
    const QImage strip = resources::Picture(id).convertToFormat(QImage::Format_RGB32);
    EXPECT_TRUE(AllBlack(strip, QRect(0, 216, 10, 18))) << "strip " << id;
    EXPECT_TRUE(AllBlack(strip, QRect(0, 216, 13, 14))) << "strip " << id;
  }
}

}  // namespace
