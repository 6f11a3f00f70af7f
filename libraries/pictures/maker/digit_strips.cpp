// The two glyph strips of the read-outs: seven-segment cells of 13 x 18, stacked
// in the order the read-outs look them up, with the unlit segments faintly visible
// the way a real display shows them.

#include <QRect>
#include <array>
#include <initializer_list>

#include "libraries/pictures/maker/catalogue.h"

namespace pictures {
namespace {

constexpr int CellHeight = 18;

// Segments of a cell, as pixel rectangles: a top, b top right, c bottom right,
// d bottom, e bottom left, f top left, g middle. The last entry is the point,
// which sits in the cell's bottom-right corner so that it can be ORed into the
// digit before it.
enum Segment { A, B, C, D, E, F, G, Point, SegmentCount };
constexpr std::array<QRect, SegmentCount> SegmentRects = {QRect(3, 1, 5, 2),  QRect(8, 3, 2, 5),  QRect(8, 10, 2, 5),
                                                          QRect(3, 15, 5, 2), QRect(1, 10, 2, 5), QRect(1, 3, 2, 5),
                                                          QRect(3, 8, 5, 2),  QRect(11, 15, 2, 2)};

constexpr unsigned Bits(std::initializer_list<Segment> lit) {
  unsigned bits = 0;
  for (Segment s : lit) bits |= 1u << s;
  return bits;
}

// Top to bottom: "-", blank, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0, ".".
const std::array<unsigned, 13> StripOrder = {
    Bits({G}),
    0,
    Bits({A, B, C, D, F, G}),
    Bits({A, B, C, D, E, F, G}),
    Bits({A, B, C}),
    Bits({A, C, D, E, F, G}),
    Bits({A, C, D, F, G}),
    Bits({B, C, F, G}),
    Bits({A, B, C, D, G}),
    Bits({A, B, D, E, G}),
    Bits({B, C}),
    Bits({A, B, C, D, E, F}),
    Bits({Point}),
};

// A lit segment: full colour with its rounded ends a shade lower, so the figures
// read as segments rather than blocks.
void DrawSegment(QImage& cell, const QRect& r, QRgb core, QRgb end) {
  for (int y = r.top(); y <= r.bottom(); ++y) {
    for (int x = r.left(); x <= r.right(); ++x) {
      const bool horizontal = r.width() > r.height();
      const bool atEnd = horizontal ? (x == r.left() || x == r.right()) && r.width() > 2
                                    : (y == r.top() || y == r.bottom()) && r.height() > 2;
      cell.setPixel(x, y, atEnd ? end : core);
    }
  }
}

Picture DigitStrip(int id, const QColor& lit, const QColor& litEnd, const QColor& unlit) {
  QImage strip = Canvas(15, CellHeight * int(StripOrder.size()));
  for (std::size_t i = 0; i < StripOrder.size(); ++i) {
    const int top = int(i) * CellHeight;
    QImage cell = Canvas(13, CellHeight);
    const bool isPoint = StripOrder[i] == Bits({Point});
    for (int s = 0; s < SegmentCount; ++s) {
      const bool on = StripOrder[i] & (1u << s);
      // The point cell is pure black but for the point: it is ORed over a digit.
      if (isPoint && !on) continue;
      if (on)
        DrawSegment(cell, SegmentRects[static_cast<std::size_t>(s)], lit.rgb(), litEnd.rgb());
      else
        DrawSegment(cell, SegmentRects[static_cast<std::size_t>(s)], unlit.rgb(), unlit.rgb());
    }
    QPainter painter(&strip);
    painter.drawImage(0, top, cell);
  }
  return SixteenColourPicture(id, strip, {bridge::Black, lit, litEnd, unlit});
}

}  // namespace

PictureList DigitStrips() {
  return {
      DigitStrip(4, QColor(255, 0, 0), QColor(192, 0, 0), QColor(38, 0, 0)),
      DigitStrip(32, QColor(0, 255, 0), QColor(0, 176, 0), QColor(0, 34, 0)),
  };
}

}  // namespace pictures
