// Beams stop at the first star between two sectors, and at nothing else.

#include <gtest/gtest.h>

#include "core/core_state.h"
#include "sector/line_of_fire.h"
#include "tests/sector/sector_fixture.h"
#include "tests/support/quadrant_picture.h"

namespace {
class LineOfFire : public SectorTest {};

TEST_F(LineOfFire, OnlyStarsOnTheLineStopABeam) {
  StartQuietSectorGame();
  DrawQuadrant(coreState.game.shipQuadrant,
               {"........", ".>..K*..", "........", "..B.....", "...*....", "........", "......R.", "x......."});
  const QuadrantRecord& q = coreState.game.ShipQuadrantRecord();
  EXPECT_EQ(FirstStarOnLine(q, {1, 1}, {7, 1}), (SectorPoint{5, 1})) << "the alien before the star does not stop it";
  EXPECT_EQ(FirstStarOnLine(q, {1, 1}, {5, 1}), std::nullopt) << "the far end itself is left out";
  EXPECT_EQ(FirstStarOnLine(q, {1, 1}, {1, 7}), std::nullopt) << "a starbase and empty space let it pass";
  EXPECT_EQ(FirstStarOnLine(q, {6, 6}, {0, 0}), std::nullopt) << "the star at 3,4 lies beside the diagonal";
  EXPECT_EQ(FirstStarOnLine(q, {1, 6}, {5, 2}), (SectorPoint{3, 4})) << "a diagonal through the star";
  EXPECT_EQ(FirstStarOnLine(q, {6, 6}, {0, 7}), std::nullopt) << "the star at the far end is not on the line";
  EXPECT_EQ(FirstStarOnLine(q, {3, 4}, {7, 4}), (SectorPoint{3, 4})) << "the first sector counts";
}

TEST_F(LineOfFire, AShallowLineStopsAtTheStarItPassesThrough) {
  StartQuietSectorGame();
  // From 0,0 to 6,3 the walk visits (1,0) (2,1) (3,1) (4,2) (5,2): where the row is exactly
  // half-way it keeps to the row it is on, so the star at 2,2 is passed and the one at 3,1 hit.
  DrawQuadrant(coreState.game.shipQuadrant,
               {">.......", "...*....", "..+.....", "........", "........", "........", "........", "........"});
  EXPECT_EQ(FirstStarOnLine(coreState.game.ShipQuadrantRecord(), {0, 0}, {6, 3}), (SectorPoint{3, 1}));
}
TEST_F(LineOfFire, OfTwoStarsOnTheLineTheNearerOneStopsTheBeam) {
  StartQuietSectorGame();
  // The quadrant as it looks, a row a line.
  // clang-format off
  DrawQuadrant(coreState.game.shipQuadrant, {"........",
                                   ">.*..+..",
                                   "........",
                                   "........",
                                   "........",
                                   "........",
                                   "........",
                                   "........"});
  // clang-format on
  EXPECT_EQ(FirstStarOnLine(coreState.game.ShipQuadrantRecord(), {0, 1}, {7, 1}), (SectorPoint{2, 1}));
  EXPECT_EQ(FirstStarOnLine(coreState.game.ShipQuadrantRecord(), {7, 1}, {0, 1}), (SectorPoint{5, 1}))
      << "and from the other side";
}
}  // namespace
