#include <set>

#include "core/core_state.h"
#include "core/end_game.h"
#include "core/long_range_chart.h"
#include "core/options.h"
#include "core/random.h"
#include "core/random_placement.h"
#include "tests/support/core_fixture.h"

namespace {
TEST(QuadrantNeighbourTest, WrapsAroundEveryEdge) {
  struct Case {
    int from, dColumn, dRow, to;
  };
  for (const Case c : {Case{27, 0, 0, 27}, Case{27, 1, -1, 20}, Case{0, -1, -1, 63}, Case{7, 1, 0, 0},
                       Case{56, 0, 1, 0}, Case{63, 1, 1, 0}, Case{7 * 8 + 3, 0, 9, 3}, Case{0, -12, 12, 36}})
    EXPECT_EQ(QuadrantNeighbour(c.from, c.dColumn, c.dRow), c.to) << c.from << " " << c.dColumn << "," << c.dRow;
}

using Galaxy = CoreTest;

TEST_F(Galaxy, ChartingACornerMarksNineQuadrantsAcrossTheEdges) {
  ChartNeighbourhood(0);
  std::set<int> charted;
  for (int q = 0; q < QuadrantCount; ++q)
    if (coreState.game.Quadrant(q).flags & QuadrantFlag::Charted) charted.insert(q);
  EXPECT_EQ(charted, (std::set<int>{0, 1, 7, 8, 9, 15, 56, 57, 63}));
  EXPECT_EQ(recorder.CallsNamed("InvalidateStation"), std::vector<std::string>{"Long Range Scan erase"});
}

TEST_F(Galaxy, DamagedLongRangeSensorsChartNothing) {
  coreState.game.Damage(ShipSystem::LRS) = -1.0;
  ChartNeighbourhood(27);
  for (const QuadrantRecord& q : coreState.game.galaxy) EXPECT_EQ(q.flags, 0);
  EXPECT_TRUE(recorder.calls.empty());
}

TEST_F(Galaxy, RandomPlacementFindsTheOneFreeSectorAndCanLeaveItEmpty) {
  for (auto& row : coreState.game.galaxy[5].cells)
    for (SectorCell& c : row) c = Cell::StarA;
  coreState.game.galaxy[5].cells[6][2] = Cell::Empty;
  lcg::Seed(7);
  const SectorPosition found = PlaceInRandomEmptySector(5, Cell::FindFreeOnly);
  EXPECT_EQ(std::make_pair(found.x, found.y), std::make_pair(2, 6));
  EXPECT_EQ(coreState.game.galaxy[5].cells[6][2], Cell::Empty);
  PlaceInRandomEmptySector(5, 0x0204);
  EXPECT_EQ(coreState.game.galaxy[5].cells[6][2], 0x0204);
  EXPECT_EQ(coreState.game.galaxy[5].starbaseCount, 0);  // counts are the caller's business
}

TEST_F(Galaxy, FindAlienAtSkipsDestroyedRecords) {
  AddAlien(3, 4, 5, AlienKind::Borg);
  coreState.game.alienTable.push_back({-1, 4, 5, 0x20, {}, 0, 0, 0, 0, 0});
  ++coreState.game.alienTotal;
  EXPECT_EQ(coreState.game.FindAlienAt(3, 4, 5), 0);
  coreState.game.alienTable[0].quadrant = -1;
  EXPECT_EQ(coreState.game.FindAlienAt(3, 4, 5), -1);
  EXPECT_EQ(coreState.game.FindAlienAt(-1, 4, 5), 0);  // only a caller asking for quadrant -1 would see them
}

TEST_F(Galaxy, EndGameEmptiesTheGalaxyButKeepsTheScoreFigures) {
  StartQuietGame();
  PutStarbase(27, 0, 0);
  coreState.game.galaxy[27].flags = QuadrantFlag::Charted | QuadrantFlag::RicochetStar;
  coreState.game.galaxy[27].reserved[1] = 9;
  coreState.game.starbaseTotal = 1;
  coreState.game.skillLevel = SkillLevel::Admiral;
  coreState.options.skillSetting = SkillLevel::Yeoman;
  coreState.game.gameOverReason = GameOverReason::AliensDestroyed;
  coreState.game.gamePhase = GamePhase::GameOver;
  coreState.game.yellowBlinkActive = 1;  // a yellow blink began during the game

  EndGame();
  EXPECT_EQ(recorder.calls, (std::vector<HeadlessHost::Call>{{"StopSound", ""}, {"DestroyStationWindows", ""}}));
  EXPECT_EQ(coreState.game.yellowBlinkActive, 0)
      << "the blink went with the Status station; the next game's yellow blinks again";
  EXPECT_EQ(coreState.game.gamePhase, GamePhase::NoGame);
  EXPECT_EQ(coreState.game.gameOverReason, GameOverReason::None);
  EXPECT_EQ(coreState.game.resetAlienClocks, 1);
  EXPECT_EQ(coreState.game.skillLevel, SkillLevel::Yeoman);
  EXPECT_TRUE(coreState.game.alienTable.empty());
  for (const QuadrantRecord& q : coreState.game.galaxy) {
    EXPECT_EQ(q.starCount + q.starbaseCount + q.alienCount + q.flags, 0);
    for (const auto& row : q.cells)
      for (SectorCell c : row) EXPECT_EQ(c, Cell::Empty);
  }
  EXPECT_EQ(coreState.game.galaxy[27].reserved[1], 9);
  EXPECT_EQ(std::make_tuple(coreState.game.starbaseTotal, coreState.game.alienTotal, coreState.game.stardateNow,
                            coreState.game.missionLength),
            std::make_tuple(1, 1, 2000.0, 40.0));
}
}  // namespace
