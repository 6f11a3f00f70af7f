#pragma once
// Courses and straight lines on the sector and quadrant grids.

#include <algorithm>
#include <concepts>
#include <cstdlib>
#include <utility>

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

// Hands step(x, y) the points of the straight line from (ax, ay) to (bx, by): the start
// first, the end itself left out, one point per unit of the longer axis. The step answers
// whether the walk goes on; it ends at the first false.
template <std::predicate<int, int> Step>
void WalkLine(int ax, int ay, int bx, int by, Step&& step) {
  const int dx = std::abs(bx - ax), dy = std::abs(by - ay);
  const int sx = bx < ax ? -1 : 1, sy = by < ay ? -1 : 1;
  int x = ax, y = ay;
  if (dx > dy) {
    int error = 2 * dy - dx;
    for (int i = 0; i < dx; ++i) {
      if (!step(x, y)) return;
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
      if (!step(x, y)) return;
      if (error > 0) {
        x += sx;
        error -= 2 * dy;
      }
      error += 2 * dx;
      y += sy;
    }
  }
}

// The line a torpedo or an impulse move follows along `course` from sector (x, y), handed to
// `step` as WalkLine does.
template <std::predicate<int, int> Step>
void WalkCourse(int x, int y, int course, Step&& step) {
  const GridOffset offset = CourseOffset(course, WalkLength);
  WalkLine(x, y, x + offset.dx, y + offset.dy, std::forward<Step>(step));
}

// Grid steps between (x1, y1) and (x2, y2): the number of points a walk from one to the
// other visits, one per unit of the longer axis.
inline int GridDistance(int x1, int y1, int x2, int y2) { return std::max(std::abs(x2 - x1), std::abs(y2 - y1)); }
