// The maker's file writers: whatever they write must read back, pixel for pixel,
// the way the game reads it, at every row padding.

#include <gtest/gtest.h>

#include <QImage>

#include "libraries/pictures/maker/picture_files.h"

namespace {

using pictures::Depth;

QImage Pattern(int width, int height, const QList<QRgb>& colours) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.setPixel(x, y, colours[(x * 7 + y * 3) % colours.size()]);
  return image;
}

QList<QRgb> SixteenColours() {
  QList<QRgb> colours;
  for (int i = 0; i < 16; ++i) colours.append(qRgb(i * 17, 255 - i * 13, (i * 71) % 256));
  return colours;
}

void ExpectSamePixels(const QImage& expected, const QImage& actual) {
  ASSERT_EQ(actual.size(), expected.size());
  for (int y = 0; y < expected.height(); ++y)
    for (int x = 0; x < expected.width(); ++x)
      ASSERT_EQ(actual.pixel(x, y) | 0xFF000000u, expected.pixel(x, y) | 0xFF000000u) << "at " << x << ", " << y;
}

// Widths whose rows need 0, 1, 2 and 3 bytes of padding at 1, 4 and 24 bits.
constexpr int Widths[] = {1, 2, 3, 5, 7, 8, 9, 15, 33, 34};

TEST(PictureFiles, SixteenColourBmpsReadBackExactly) {
  for (int width : Widths) {
    SCOPED_TRACE(testing::Message() << "width " << width);
    const QImage drawn = Pattern(width, 5, SixteenColours());
    const QImage indexed = pictures::ReduceToSixteenColours(drawn, {});
    const QImage read = QImage::fromData(pictures::EncodeBmp(indexed, Depth::Sixteen), "BMP");
    ExpectSamePixels(drawn, read);
  }
}

TEST(PictureFiles, TrueColourBmpsReadBackExactly) {
  QList<QRgb> colours;
  for (int i = 0; i < 37; ++i) colours.append(qRgb((i * 53) % 256, (i * 97) % 256, (i * 31) % 256));
  for (int width : Widths) {
    SCOPED_TRACE(testing::Message() << "width " << width);
    const QImage drawn = Pattern(width, 4, colours);
    ExpectSamePixels(drawn, QImage::fromData(pictures::EncodeBmp(drawn, Depth::TrueColour), "BMP"));
  }
}

TEST(PictureFiles, MonoBmpsLightWhatIsBrighterThanMidGrey) {
  const QList<QRgb> greys = {qRgb(0, 0, 0), qRgb(127, 127, 127), qRgb(128, 128, 128), qRgb(255, 255, 255),
                             qRgb(200, 0, 200)};
  for (int width : Widths) {
    SCOPED_TRACE(testing::Message() << "width " << width);
    const QImage drawn = Pattern(width, 3, greys);
    QImage expected = drawn;
    for (int y = 0; y < drawn.height(); ++y)
      for (int x = 0; x < drawn.width(); ++x)
        expected.setPixel(x, y, qGray(drawn.pixel(x, y)) > 127 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    const QImage read = QImage::fromData(pictures::EncodeBmp(drawn, Depth::Mono), "BMP");
    ExpectSamePixels(expected, read.convertToFormat(QImage::Format_RGB32));
  }
}

TEST(ColourReduction, KeepsTheKeyColoursAndMapsTheRestToTheNearest) {
  // A red ramp over the panel colours: the ramp must give way, the panel colours not.
  const QRgb panel = qRgb(128, 0, 0), frame = qRgb(255, 0, 0), white = qRgb(255, 255, 255);
  QImage drawn(256, 2, QImage::Format_RGB32);
  for (int x = 0; x < 256; ++x) {
    drawn.setPixel(x, 0, qRgb(x, x / 2, 0));
    drawn.setPixel(x, 1, x % 3 == 0 ? panel : x % 3 == 1 ? frame : white);
  }
  const QImage reduced = pictures::ReduceToSixteenColours(drawn, {panel, frame, white});
  EXPECT_LE(reduced.colorCount(), 16);
  for (int x = 0; x < 256; ++x) {
    ASSERT_EQ(reduced.pixel(x, 1), drawn.pixel(x, 1)) << "key colour changed at " << x;
    EXPECT_NEAR(qRed(reduced.pixel(x, 0)), x, 24) << "ramp too coarse at " << x;
  }
}

TEST(IconFiles, KeepTransparencyAndColours) {
  QImage drawn(32, 32, QImage::Format_ARGB32);
  drawn.fill(Qt::transparent);
  for (int y = 4; y < 28; ++y)
    for (int x = 16; x < 32; ++x) drawn.setPixel(x, y, x < 24 ? qRgb(255, 0, 0) : qRgb(255, 255, 0));
  const QImage read = QImage::fromData(pictures::EncodeIcon(drawn, {}), "ICO").convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(read.size(), QSize(32, 32));
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      if (qAlpha(drawn.pixel(x, y)) == 0)
        ASSERT_EQ(qAlpha(read.pixel(x, y)), 0) << "should show through at " << x << ", " << y;
      else
        ASSERT_EQ(read.pixel(x, y), drawn.pixel(x, y)) << "at " << x << ", " << y;
    }
  }
}

}  // namespace
