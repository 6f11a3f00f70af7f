#include "sector/course.h"

#include <cmath>
#include <numbers>

namespace {
// The game's own degrees-to-radians factor; every course offset depends on it.
constexpr double RadiansPerDegree = 0.0174532925;
// Bearings convert back exactly, so that the diagonals come out at 45, 135, 225 and 315.
constexpr double DegreesPerRadian = 180.0 / std::numbers::pi;
}  // namespace

GridOffset CourseOffset(int course, int length) {
  int angle = course - 90;
  if (angle < 0) angle += 360;
  const double radians = angle * RadiansPerDegree;
  return {static_cast<int>(std::cos(radians) * length), static_cast<int>(std::sin(radians) * length)};
}

int CourseBearing(int dx, int dy) {
  if (dx == 0) return dy >= 0 ? 180 : 0;
  if (dy == 0) return dx > 0 ? 90 : 270;
  if (dx > 0) return static_cast<int>(std::atan(static_cast<double>(dy) / dx) * DegreesPerRadian) + 90;
  const double a = std::atan(static_cast<double>(dx) / dy) * DegreesPerRadian;
  return static_cast<int>(dy < 0 ? 360 - a : 180 - a);
}
