#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "sector/course.h"

namespace {

struct OffsetCase {
  int course, length;
  GridOffset expected;
};

TEST(CourseOffset, PointsAlongTheCompassWithTruncatedParts) {
  const OffsetCase cases[] = {
      {0, 12, {0, -12}},   {45, 12, {8, -8}},  {90, 12, {12, 0}},   {135, 12, {8, 8}},
      {180, 12, {0, 12}},  {225, 12, {-8, 8}}, {270, 12, {-12, 0}}, {315, 12, {-8, -8}},
      {359, 12, {0, -11}}, {1, 12, {0, -11}},  {30, 50, {24, -43}}, {0, 50, {0, -50}},
  };
  for (const OffsetCase& c : cases)
    EXPECT_EQ(CourseOffset(c.course, c.length), c.expected) << "course " << c.course << " length " << c.length;
}

TEST(CourseOffset, EveryWalkHasEightToTwelvePoints) {
  for (int course = 0; course < 360; ++course) {
    const GridOffset o = CourseOffset(course, WalkLength);
    const int longer = std::max(std::abs(o.dx), std::abs(o.dy));
    EXPECT_GE(longer, 8) << course;
    EXPECT_LE(longer, 12) << course;
  }
}

TEST(CourseBearing, RunsClockwiseFromUp) {
  // Exact diagonals give whole bearings: a conversion a hair off 180/pi would truncate them
  // to 46, 134 and 224.
  struct {
    int dx, dy, bearing;
  } const cases[] = {
      {0, -1, 0},  {1, -1, 45}, {1, 0, 90},  {1, 1, 135},  {0, 1, 180}, {-1, 1, 225},   {-1, 0, 270}, {-1, -1, 315},
      {0, 0, 180}, {2, -1, 64}, {7, -7, 45}, {-5, 5, 225}, {3, 6, 153}, {-3, -75, 357}, {75, 1, 90},
  };
  for (const auto& c : cases) EXPECT_EQ(CourseBearing(c.dx, c.dy), c.bearing) << c.dx << "," << c.dy;
}

TEST(CourseBearing, InvertsCourseOffsetWithinAFewDegrees) {
  for (int course = 0; course < 360; ++course) {
    const GridOffset o = CourseOffset(course, 50);
    const int difference = std::abs(CourseBearing(o.dx, o.dy) - course);
    EXPECT_LE(std::min(difference, 360 - difference), 2) << course;
  }
}

std::vector<std::pair<int, int>> Walk(int ax, int ay, int bx, int by) {
  std::vector<std::pair<int, int>> points;
  WalkLine(ax, ay, bx, by, [&](int x, int y) {
    points.emplace_back(x, y);
    return true;
  });
  return points;
}

TEST(WalkLine, StartsAtTheStartLeavesOutTheEndAndStepsOneCellAtATime) {
  for (int course = 0; course < 360; course += 7) {
    const GridOffset o = CourseOffset(course, WalkLength);
    const auto points = Walk(3, 4, 3 + o.dx, 4 + o.dy);
    ASSERT_EQ(static_cast<int>(points.size()), std::max(std::abs(o.dx), std::abs(o.dy))) << course;
    EXPECT_EQ(points.front(), std::make_pair(3, 4));
    for (std::size_t i = 1; i < points.size(); ++i) {
      EXPECT_LE(std::abs(points[i].first - points[i - 1].first), 1);
      EXPECT_LE(std::abs(points[i].second - points[i - 1].second), 1);
    }
    // One more step would reach the end point itself.
    const auto last = points.back();
    EXPECT_LE(std::abs(3 + o.dx - last.first), 1) << course;
    EXPECT_LE(std::abs(4 + o.dy - last.second), 1) << course;
  }
}

TEST(WalkLine, DiagonalAndStraightWalksAreExact) {
  EXPECT_EQ(Walk(0, 7, 8, -1),
            (std::vector<std::pair<int, int>>{{0, 7}, {1, 6}, {2, 5}, {3, 4}, {4, 3}, {5, 2}, {6, 1}, {7, 0}}));
  EXPECT_EQ(Walk(5, 5, 5, 2), (std::vector<std::pair<int, int>>{{5, 5}, {5, 4}, {5, 3}}));
  EXPECT_TRUE(Walk(2, 2, 2, 2).empty());
}

// Where the short axis is exactly half-way between two sectors, the walk keeps to the row
// (or column) it is on and moves over at the next step; every direction does the same.
TEST(WalkLine, AtAnExactHalfWayTheWalkKeepsItsRowOrColumnForOneMoreStep) {
  using Points = std::vector<std::pair<int, int>>;
  EXPECT_EQ(Walk(0, 0, 6, 3), (Points{{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}, {5, 2}})) << "shallow, right and down";
  EXPECT_EQ(Walk(0, 0, 3, 6), (Points{{0, 0}, {0, 1}, {1, 2}, {1, 3}, {2, 4}, {2, 5}})) << "steep, down and right";
  EXPECT_EQ(Walk(6, 3, 0, 0), (Points{{6, 3}, {5, 3}, {4, 2}, {3, 2}, {2, 1}, {1, 1}})) << "shallow, left and up";
  EXPECT_EQ(Walk(7, 0, 1, 3), (Points{{7, 0}, {6, 0}, {5, 1}, {4, 1}, {3, 2}, {2, 2}})) << "shallow, left and down";
  EXPECT_EQ(Walk(1, 1, 5, 2), (Points{{1, 1}, {2, 1}, {3, 1}, {4, 2}})) << "a quarter: no tie, the nearer row";
  EXPECT_EQ(Walk(0, 0, 4, 2), (Points{{0, 0}, {1, 0}, {2, 1}, {3, 1}}));
}

TEST(WalkLine, EndsAtTheFirstPointItsStepDeclines) {
  std::vector<std::pair<int, int>> points;
  WalkLine(0, 0, 7, 0, [&](int x, int y) {
    points.emplace_back(x, y);
    return x < 2;
  });
  EXPECT_EQ(points, (std::vector<std::pair<int, int>>{{0, 0}, {1, 0}, {2, 0}}));
}

TEST(GridDistance, CountsTheStepsOfTheLongerAxis) {
  EXPECT_EQ(GridDistance(0, 0, 0, 0), 0);
  EXPECT_EQ(GridDistance(0, 0, 7, 3), 7);
  EXPECT_EQ(GridDistance(7, 0, 0, 7), 7);
  EXPECT_EQ(GridDistance(4, 4, 4, 6), 2);
}

// The distance the console reports is the number of points the walk visits, the count the
// torpedo's DISTANCE bonus depends on: for every pair of cells of the grids, 0-based and
// 1-based, and a walk's length beyond them.
TEST(GridDistance, IsThePointCountOfTheWalkForEveryPairOfCells) {
  for (int x1 = -4; x1 <= 12; ++x1)
    for (int y1 = -4; y1 <= 12; ++y1)
      for (int x2 = -4; x2 <= 12; ++x2)
        for (int y2 = -4; y2 <= 12; ++y2)
          ASSERT_EQ(GridDistance(x1, y1, x2, y2), static_cast<int>(Walk(x1, y1, x2, y2).size()))
              << x1 << "," << y1 << " to " << x2 << "," << y2;
}

}  // namespace
