#include "stations/surface_drawing.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

#include "sector/course.h"

namespace {
template <class Plot>
void ForEachLinePixel(QImage& image, QPoint from, QPoint to, Plot&& plot) {
  const QRect bounds = image.rect();
  WalkLine(from.x(), from.y(), to.x(), to.y(), [&](int x, int y) {
    if (bounds.contains(x, y)) plot(reinterpret_cast<QRgb*>(image.scanLine(y)) + x);
    return true;
  });
}

constexpr int DotLength = 3;

// The pixels of the ellipse inscribed in `bounds` that lie inside it and touch the outside
// on a side, in order round the centre.
std::vector<QPoint> EllipseOutline(const QRect& bounds) {
  const double a = bounds.width() / 2.0, b = bounds.height() / 2.0;
  const double cx = bounds.left() + a, cy = bounds.top() + b;
  auto inside = [&](int x, int y) {
    const double u = (x + 0.5 - cx) / a, v = (y + 0.5 - cy) / b;
    return u * u + v * v <= 1.0;
  };
  struct Placed {
    double angle;
    QPoint at;
  };
  std::vector<Placed> outline;
  for (int y = bounds.top(); y <= bounds.bottom(); ++y)
    for (int x = bounds.left(); x <= bounds.right(); ++x)
      if (inside(x, y) && !(inside(x - 1, y) && inside(x + 1, y) && inside(x, y - 1) && inside(x, y + 1)))
        outline.push_back({std::atan2((y + 0.5 - cy) / b, (x + 0.5 - cx) / a), {x, y}});
  std::stable_sort(outline.begin(), outline.end(), [](const Placed& l, const Placed& r) { return l.angle < r.angle; });
  std::vector<QPoint> points;
  points.reserve(outline.size());
  for (const Placed& p : outline) points.push_back(p.at);
  return points;
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

void XorDottedEllipse(QImage& image, const QRect& bounds, QRgb colour) {
  if (bounds.width() <= 0 || bounds.height() <= 0) return;
  const QRgb bits = colour & 0x00FFFFFFu;
  const QRect area = image.rect();
  const std::vector<QPoint> outline = EllipseOutline(bounds);
  for (std::size_t i = 0; i < outline.size(); ++i) {
    const QPoint p = outline[i];
    if ((i / DotLength) % 2 == 0 && area.contains(p)) reinterpret_cast<QRgb*>(image.scanLine(p.y()))[p.x()] ^= bits;
  }
}

void DrawFocusRing(QPainter& painter, const QRect& ring, QColor colour) {
  // Each dot is a filled pixel, so on a denser screen it stays a crisp block.
  const int right = ring.left() + ring.width() - 1, bottom = ring.top() + ring.height() - 1;
  auto dot = [&](int x, int y) {
    if ((x + y) % 2 == 0) painter.fillRect(x, y, 1, 1, colour);
  };
  for (int x = ring.left(); x <= right; ++x) {
    dot(x, ring.top());
    dot(x, bottom);
  }
  for (int y = ring.top() + 1; y < bottom; ++y) {
    dot(ring.left(), y);
    dot(right, y);
  }
}
