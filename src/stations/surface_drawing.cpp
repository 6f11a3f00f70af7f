#include "surface_drawing.h"

#include "course.h"

namespace {
template <class Plot>
void ForEachLinePixel(QImage& image, QPoint from, QPoint to, Plot&& plot) {
  const QRect bounds = image.rect();
  WalkLine(from.x(), from.y(), to.x(), to.y(), [&](int x, int y) {
    if (bounds.contains(x, y)) plot(reinterpret_cast<QRgb*>(image.scanLine(y)) + x);
  });
}
}  // namespace

void DrawLine(QImage& image, QPoint from, QPoint to, QRgb colour) {
  ForEachLinePixel(image, from, to, [colour](QRgb* pixel) { *pixel = colour | 0xFF000000u; });
}

void XorLine(QImage& image, QPoint from, QPoint to, QRgb colour) {
  const QRgb bits = colour & 0x00FFFFFFu;
  ForEachLinePixel(image, from, to, [bits](QRgb* pixel) { *pixel ^= bits; });
}

void InvertRect(QImage& image, const QRect& rect) {
  const QRect area = rect.intersected(image.rect());
  for (int y = area.top(); y <= area.bottom(); ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = area.left(); x <= area.right(); ++x) line[x] ^= 0x00FFFFFFu;
  }
}
