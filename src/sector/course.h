#pragma once
// Courses and straight lines on the sector and quadrant grids.

#include <cstdlib>

struct GridOffset {
  int dx, dy;
  bool operator==(const GridOffset&) const = default;
};

// A compass course in degrees (0 up, 90 right, clockwise) and a length to a column/row
// offset, each part truncated toward zero. Walks use length 12, the course needle 50.
GridOffset CourseOffset(int course, int length);

inline constexpr int WalkLength = 12;

// The inverse of CourseOffset: the whole-degree compass course of a column/row offset
// (rows grow downwards). (0, 0) gives 180.
int CourseBearing(int dx, int dy);

// Hands step(x, y) every point of the straight line from (ax, ay) to (bx, by): the start
// first, the end itself left out, one point per unit of the longer axis.
template <class Step>
void WalkLine(int ax, int ay, int bx, int by, Step&& step) {
  const int dx = std::abs(bx - ax), dy = std::abs(by - ay);
  const int sx = bx < ax ? -1 : 1, sy = by < ay ? -1 : 1;
  int x = ax, y = ay;
  if (dx > dy) {
    int error = 2 * dy - dx;
    for (int i = 0; i < dx; ++i) {
      step(x, y);
      if (error > 0) {
        y += sy;
        error -= 2 * dx;
      }
      error += 2 * dy;
      x += sx;
    }
  } else {
    int error = 2 * dx - dy;
    for (int i = 0; i < dy; ++i) {
      step(x, y);
      if (error > 0) {
        x += sx;
        error -= 2 * dy;
      }
      error += 2 * dx;
      y += sy;
    }
  }
}

// The number of points a walk from (x1, y1) to (x2, y2) visits: grid steps between them.
inline int GridDistance(int x1, int y1, int x2, int y2) {
  int points = 0;
  WalkLine(x1, y1, x2, y2, [&points](int, int) { ++points; });
  return points;
}
