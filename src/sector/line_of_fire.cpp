#include "sector/line_of_fire.h"

#include "sector/course.h"

namespace {
bool IsStar(SectorCell cell) {
  const std::uint8_t kind = Cell::Object(cell);
  return kind == Cell::StarA || kind == Cell::StarB || kind == Cell::StarX;
}
}  // namespace

std::optional<SectorPoint> FirstStarOnLine(const QuadrantRecord& quadrant, SectorPoint from, SectorPoint to) {
  std::optional<SectorPoint> star;
  WalkLine(from.x, from.y, to.x, to.y, [&](int x, int y) {
    if (IsStar(quadrant.cells[y][x])) star = SectorPoint{x, y};
    return !star;
  });
  return star;
}
