#include <algorithm>
#include <string>
#include <vector>

#include "core/core_state.h"
#include "core/random.h"
#include "sector/movement.h"
#include "sector/scan_requests.h"
#include "sector/sector_state.h"
#include "tests/sector/sector_fixture.h"

namespace {

using Lines = std::vector<std::string>;

const std::vector<std::string> EmptyQuadrantWithShipAt1x4 = {"........", "........", "........", "........",
                                                             ".>......", "........", "........", "........"};

// Notes at every wait whether the scan's stars were holding still.
class HoldWatchingHost : public HeadlessHost {
 public:
  void WaitPumping(std::uint32_t ms) override {
    held.push_back(sectorState.scanAnimationHeld);
    HeadlessHost::WaitPumping(ms);
  }
  std::vector<bool> held;
};

class MovementTest : public SectorTest {
 protected:
  void SetUp() override {
    SectorTest::SetUp();
    StartGame();
  }
  // Each row of a table test flies from program start again.
  void StartOver() {
    ResetSectorState(recorder);
    StartGame();
  }

  int ChartedCount() const {
    int charted = 0;
    for (const QuadrantRecord& q : coreState.game.galaxy) charted += (q.flags & QuadrantFlag::Charted) ? 1 : 0;
    return charted;
  }
};

// ---- Engaging the engines ----

TEST_F(MovementTest, TenUnitsOfEnergyOrLessEngageNothing) {
  for (bool warp : {false, true}) {
    StartOver();
    DrawQuadrant(27, EmptyQuadrantWithShipAt1x4);
    coreState.game.shipEnergy = 10;
    warp ? WarpMove(90, 2) : ImpulseMove(90, 2);
    EXPECT_EQ(PanelLines(), Lines{warp ? "Warp Engines Engaged..." : "Impulse Engines Engaged..."});
    EXPECT_EQ(coreState.game.shipEnergy, 0);
    EXPECT_EQ(coreState.game.shipQuadrant, 27);
    EXPECT_EQ(coreState.game.shipSectorX, 1) << "the ship stays put";
    EXPECT_EQ(coreState.game.gamePhase, GamePhase::Green) << "no condition evaluation after a failed engage";
    EXPECT_EQ(recorder.now, 0u);
  }
}

TEST_F(MovementTest, ElevenUnitsOfEnergyLetTheMoveStart) {
  DrawQuadrant(27, EmptyQuadrantWithShipAt1x4);
  coreState.game.shipEnergy = 11;
  ImpulseMove(90, 1);
  EXPECT_EQ(coreState.game.shipEnergy, 0) << "1 left after engaging is not enough for a sector";
  EXPECT_EQ(coreState.game.shipSectorX, 1);
  EXPECT_EQ(PanelLines()[1], "All Stop at Sector 2,5");
}

// ---- Impulse ----

TEST_F(MovementTest, ImpulseThroughEmptySectorsCostsEnergyShieldsAndTime) {
  DrawQuadrant(27, EmptyQuadrantWithShipAt1x4);
  ImpulseMove(90, 3);
  EXPECT_EQ(coreState.game.shipSectorX, 4);
  EXPECT_EQ(coreState.game.shipSectorY, 4);
  EXPECT_EQ(ShipCell(), Cell::ShipRight);
  EXPECT_EQ(coreState.game.galaxy[27].cells[4][1], Cell::Empty);
  EXPECT_EQ(coreState.game.shipEnergy, 3000 - 10 - 3 * 5);
  EXPECT_EQ(coreState.game.shieldEnergy, 500 - 3 * 10);
  EXPECT_NEAR(coreState.game.stardateNow, 2000.3, 1e-9);
  EXPECT_EQ(recorder.now, 2100u) << "700 ms per sector";
  EXPECT_EQ(PanelLines(), (Lines{"Impulse Engines Engaged...", "All Stop at Sector 5,5"}));
  EXPECT_EQ(recorder.CallsNamed("PlaySoundAfterCurrent"), std::vector<std::string>{"5 loop"});
  EXPECT_EQ(recorder.CallsNamed("StopSound").size(), 1u);
  EXPECT_EQ(ChartedCount(), 9);
}

TEST_F(MovementTest, ImpulseDrawsTheShipSectorBySector) {
  DrawQuadrant(27, EmptyQuadrantWithShipAt1x4);
  ImpulseMove(90, 1);
  const std::vector<HeadlessHost::Call> drawing = {
      {"ScanFillBlack", "65,129-99,154"},
      {"ScanBlitPicture", "19 at 101,129"},
  };
  std::vector<HeadlessHost::Call> scanCalls;
  for (const auto& call : recorder.calls)
    if (call.what.rfind("Scan", 0) == 0) scanCalls.push_back(call);
  EXPECT_EQ(scanCalls, drawing);
}

// The stars twinkle on while the ship moves sector by sector, and hold still for its last
// sector and for the starfield of a quadrant change.
TEST_F(MovementTest, TheScansStarsHoldStillForTheLastSectorAndTheStarfield) {
  HoldWatchingHost watcher;
  ResetSectorState(watcher);
  StartGame();
  DrawQuadrant(27, EmptyQuadrantWithShipAt1x4);
  ImpulseMove(90, 3);
  EXPECT_EQ(watcher.held, (std::vector<bool>{false, false, true}));
  EXPECT_FALSE(sectorState.scanAnimationHeld);

  watcher.held.clear();
  ImpulseMove(270, 9);  // four sectors west, then blocked by nothing: over the edge
  ASSERT_GE(watcher.held.size(), 5u);
  EXPECT_EQ(std::vector<bool>(watcher.held.begin(), watcher.held.begin() + 4), std::vector<bool>(4, false));
  EXPECT_TRUE(std::all_of(watcher.held.begin() + 4, watcher.held.end(), [](bool held) { return held; }))
      << "the crossing's starfield";
  EXPECT_FALSE(sectorState.scanAnimationHeld);

  watcher.held.clear();
  WarpMove(0, 1);
  ASSERT_FALSE(watcher.held.empty());
  EXPECT_TRUE(std::all_of(watcher.held.begin(), watcher.held.end(), [](bool held) { return held; }));
  EXPECT_FALSE(sectorState.scanAnimationHeld);
  ResetSectorState(recorder);
}

TEST_F(MovementTest, ImpulseWithTheScanOutMovesTheSameWithoutDrawing) {
  DrawQuadrant(27, EmptyQuadrantWithShipAt1x4);
  coreState.game.Damage(ShipSystem::SRS) = 1.5;
  ImpulseMove(90, 2);
  EXPECT_EQ(coreState.game.shipSectorX, 3);
  EXPECT_EQ(recorder.now, 1400u);
  EXPECT_TRUE(recorder.CallsNamed("ScanFillBlack").empty());
  EXPECT_TRUE(recorder.CallsNamed("ScanBlitPicture").empty());
}

TEST_F(MovementTest, ShieldsDrainToZeroButNotBelow) {
  DrawQuadrant(27, EmptyQuadrantWithShipAt1x4);
  coreState.game.shieldEnergy = 15;
  ImpulseMove(90, 3);
  EXPECT_EQ(coreState.game.shieldEnergy, 0);
}

TEST_F(MovementTest, RunningDryStopsTheShipWhereItIs) {
  DrawQuadrant(27, EmptyQuadrantWithShipAt1x4);
  coreState.game.shipEnergy = 16;  // 6 after engaging: one sector, then nothing
  ImpulseMove(90, 5);
  EXPECT_EQ(coreState.game.shipSectorX, 2);
  EXPECT_EQ(coreState.game.shipEnergy, 0);
  EXPECT_EQ(PanelLines().at(1), "All Stop at Sector 3,5");
  EXPECT_EQ(coreState.game.gamePhase, GamePhase::GameOver) << "the evaluation after the move ends the mission";
}

struct Obstacle {
  char picture;
  const char* message;
};
void PrintTo(const Obstacle& row, std::ostream* os) { *os << row.message; }

class ImpulseBlockedTest : public MovementTest, public ::testing::WithParamInterface<Obstacle> {};

TEST_P(ImpulseBlockedTest, StopsBeforeTheObstacleWithItsMessage) {
  std::vector<std::string> rows = EmptyQuadrantWithShipAt1x4;
  rows[4][4] = GetParam().picture;
  DrawQuadrant(27, rows);
  ImpulseMove(90, 5);
  EXPECT_EQ(coreState.game.shipSectorX, 3) << "two sectors moved, the third is blocked";
  const Lines lines = PanelLines();
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[1], GetParam().message);
  EXPECT_EQ(lines[2], "All Stop at Sector 4,5");
  if (GetParam().picture == 'B')
    EXPECT_EQ(coreState.game.gamePhase, GamePhase::Docked) << "stopped next to the starbase";
  else
    EXPECT_EQ(coreState.game.shipEnergy, 3000 - 10 - 2 * 5) << "the obstacle costs nothing";
  EXPECT_EQ(Cell::Object(coreState.game.galaxy[27].cells[4][4]), CellFor(GetParam().picture)) << "the obstacle stays";
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, ImpulseBlockedTest,
    ::testing::Values(Obstacle{'B', "Blocked by StarBase at 5,5"}, Obstacle{'*', "Blocked by Star at 5,5"},
                      Obstacle{'+', "Blocked by Star at 5,5"}, Obstacle{'x', "Blocked by Star at 5,5"},
                      Obstacle{'K', "Blocked by Klingon Ship at 5,5"}, Obstacle{'R', "Blocked by Romulan Ship at 5,5"},
                      Obstacle{'F', "Blocked by Farengi Ship at 5,5"}, Obstacle{'C', "Blocked by Borg Ship at 5,5"}),
    [](const auto& row) {
      switch (row.param.picture) {
        case 'B': return std::string("Starbase");
        case '*': return std::string("StarA");
        case '+': return std::string("StarB");
        case 'x': return std::string("StarX");
        case 'K': return std::string("Klingon");
        case 'R': return std::string("Romulan");
        case 'F': return std::string("Farengi");
        default: return std::string("Borg");
      }
    });

TEST_F(MovementTest, AStraightUpOrDownCourseTurnsTheShipLeft) {
  DrawQuadrant(27, EmptyQuadrantWithShipAt1x4);
  ImpulseMove(0, 1);
  EXPECT_EQ(coreState.game.shipSectorY, 3);
  EXPECT_EQ(ShipCell(), Cell::ShipLeft);
  ImpulseMove(90, 1);
  EXPECT_EQ(ShipCell(), Cell::ShipRight);
}

TEST_F(MovementTest, AnimationFramesStayWithTheirSectors) {
  DrawQuadrant(27, EmptyQuadrantWithShipAt1x4);
  coreState.game.galaxy[27].cells[4][1] |= 0x0200;
  coreState.game.galaxy[27].cells[4][2] = 0x0300;
  ImpulseMove(90, 1);
  EXPECT_EQ(coreState.game.galaxy[27].cells[4][1], 0x0200) << "the old sector keeps its frame";
  EXPECT_EQ(coreState.game.galaxy[27].cells[4][2], 0x0300 | Cell::ShipRight);
}

TEST_F(MovementTest, ImpulseNineDiagonallyStopsAtTheFarCorner) {
  DrawQuadrant(27, {"........", "........", "........", "........", "........", "........", "........", ">......."});
  ImpulseMove(45, 9);
  EXPECT_EQ(coreState.game.shipQuadrant, 27);
  EXPECT_EQ(coreState.game.shipSectorX, 7);
  EXPECT_EQ(coreState.game.shipSectorY, 0);
  EXPECT_EQ(PanelLines().back(), "All Stop at Sector 8,1");
}

struct Crossing {
  const char* name;
  int fromQuadrant, x, y, course, toQuadrant;
};
void PrintTo(const Crossing& row, std::ostream* os) { *os << row.name; }

class ImpulseCrossingTest : public MovementTest, public ::testing::WithParamInterface<Crossing> {};

TEST_P(ImpulseCrossingTest, SlidesIntoTheNeighbourWrappingAroundTheGalaxy) {
  const Crossing c = GetParam();
  StartGame(c.fromQuadrant);
  std::vector<std::string> rows(8, "........");
  rows[static_cast<std::size_t>(c.y)][static_cast<std::size_t>(c.x)] = '>';
  DrawQuadrant(c.fromQuadrant, rows);
  coreState.game.Quadrant(c.toQuadrant) = QuadrantRecord{};
  lcg::Seed(77);

  ImpulseMove(c.course, 9);

  EXPECT_EQ(coreState.game.shipQuadrant, c.toQuadrant);
  EXPECT_EQ(coreState.game.Quadrant(c.fromQuadrant).cells[c.y][c.x], Cell::Empty) << "the ship left its old sector";
  EXPECT_EQ(ShipCell(), coreState.game.shipSectorX >= 4 ? Cell::ShipLeft : Cell::ShipRight) << "it faces the middle";
  EXPECT_EQ(coreState.game.shipEnergy, 3000 - 10 - 20);
  EXPECT_EQ(coreState.game.shieldEnergy, 500 - 20);
  EXPECT_NEAR(coreState.game.stardateNow, 2000.0, 1e-9) << "the crossing takes no time";
  EXPECT_EQ(recorder.now, 44u * 60) << "only the starfield of warp 1";
  EXPECT_EQ(PanelLines().back(), "All Stop at Sector " + std::to_string(coreState.game.shipSectorX + 1) + "," +
                                     std::to_string(coreState.game.shipSectorY + 1));
}

INSTANTIATE_TEST_SUITE_P(EveryEdge, ImpulseCrossingTest,
                         ::testing::Values(Crossing{"RightEdgeColumn7To0", 31, 7, 4, 90, 24},
                                           Crossing{"LeftEdgeColumn0To7", 24, 0, 4, 270, 31},
                                           Crossing{"TopEdgeRow0To7", 3, 3, 0, 0, 59},
                                           Crossing{"BottomEdgeRow7To0", 59, 3, 7, 180, 3},
                                           Crossing{"TopRightCornerDiagonally", 7, 7, 0, 45, 56},
                                           Crossing{"InsideTheGalaxy", 27, 7, 4, 90, 28}),
                         [](const auto& row) { return std::string(row.param.name); });

// ---- Warp ----

struct WarpCase {
  const char* name;
  int fromQuadrant, course, warp, toQuadrant;
};
void PrintTo(const WarpCase& row, std::ostream* os) { *os << row.name; }

class WarpTest : public MovementTest, public ::testing::WithParamInterface<WarpCase> {};

TEST_P(WarpTest, ArrivesAlongTheCourseAndPaysPerFactor) {
  const WarpCase c = GetParam();
  StartGame(c.fromQuadrant);
  std::vector<std::string> rows(8, "........");
  rows[2][2] = '>';
  DrawQuadrant(c.fromQuadrant, rows);
  coreState.game.Quadrant(c.toQuadrant) = QuadrantRecord{};
  coreState.game.shieldEnergy = 1000;

  WarpMove(c.course, c.warp);

  EXPECT_EQ(coreState.game.shipQuadrant, c.toQuadrant);
  EXPECT_NEAR(coreState.game.stardateNow, 2000.0 + c.warp, 1e-9);
  EXPECT_EQ(coreState.game.shipEnergy, 3000 - 10 - 20 * c.warp);
  EXPECT_EQ(coreState.game.shieldEnergy, 1000 - 20 * c.warp);
  EXPECT_EQ(recorder.now, (45u * static_cast<unsigned>(c.warp) - 1) * 60) << "45 frames per factor, the first one free";
  const Lines lines = PanelLines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "Warp Engines Engaged...");
  EXPECT_EQ(lines[1], "All Stop at Sector " + std::to_string(coreState.game.shipSectorX + 1) + "," +
                          std::to_string(coreState.game.shipSectorY + 1));
}

INSTANTIATE_TEST_SUITE_P(Courses, WarpTest,
                         ::testing::Values(WarpCase{"DownFromRow7WrapsToRow0", 58, 180, 9, 2},
                                           WarpCase{"DiagonalWalkHasOnly8Points", 56, 45, 9, 7},
                                           WarpCase{"DiagonalAtFactor8", 56, 45, 8, 7},
                                           WarpCase{"OneQuadrantRight", 27, 90, 1, 28},
                                           WarpCase{"WrapsPastColumn0", 27, 270, 4, 31},
                                           WarpCase{"ThreeQuadrantsUp", 27, 0, 3, 3}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(MovementTest, WarpWithTheScanOutWaitsSeventyMsPerFrame) {
  DrawQuadrant(27, EmptyQuadrantWithShipAt1x4);
  coreState.game.Damage(ShipSystem::SRS) = 2.0;
  const std::uint32_t state = lcg::State();
  WarpMove(90, 2);
  EXPECT_EQ(recorder.now, 70u * 90);
  EXPECT_EQ(recorder.CallsNamed("WaitPumping"), std::vector<std::string>{"6300"});
  EXPECT_TRUE(recorder.CallsNamed("ScanSetPixels").empty());
  // Only the arrival sector's two draws (the quadrant is empty), no starfield draws.
  const std::uint32_t after = lcg::State();
  lcg::Seed(state);
  lcg::rand();
  lcg::rand();
  EXPECT_EQ(after, lcg::State());
}

TEST_F(MovementTest, ArrivalChartsTheNeighbourhoodUnlessTheLongRangeSensorsAreOut) {
  DrawQuadrant(27, EmptyQuadrantWithShipAt1x4);
  WarpMove(90, 2);
  EXPECT_EQ(ChartedCount(), 9);
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      EXPECT_TRUE(coreState.game.Quadrant(QuadrantNeighbour(29, dx, dy)).flags & QuadrantFlag::Charted);

  for (QuadrantRecord& q : coreState.game.galaxy) q.flags = 0;
  coreState.game.Damage(ShipSystem::LRS) = 1.0;
  WarpMove(90, 2);
  EXPECT_EQ(ChartedCount(), 0);
}

TEST_F(MovementTest, ArrivingAmongAliensSoundsRedAlert) {
  DrawQuadrant(27, EmptyQuadrantWithShipAt1x4);
  DrawQuadrant(28, {"........", "...R....", "........", "........", "........", "........", "........", "........"});
  WarpMove(90, 1);
  EXPECT_EQ(PanelLines().back(), "Sounding Red Alert.");
  EXPECT_TRUE(coreState.game.InRedAlert());
}

TEST_F(MovementTest, TheArrivalSectorIsARandomEmptyOneFacingTheMiddle) {
  // Only sector (6,5) and (1,2) are free in the arrival quadrant.
  std::vector<std::string> full(8, "********");
  full[5][6] = '.';
  full[2][1] = '.';
  for (int seed : {1, 2, 3, 4, 5}) {
    StartOver();
    DrawQuadrant(27, EmptyQuadrantWithShipAt1x4);
    DrawQuadrant(28, full);
    lcg::Seed(static_cast<std::uint32_t>(seed));
    WarpMove(90, 1);
    const bool right = coreState.game.shipSectorX == 6 && coreState.game.shipSectorY == 5;
    const bool left = coreState.game.shipSectorX == 1 && coreState.game.shipSectorY == 2;
    ASSERT_TRUE(right || left) << seed;
    EXPECT_EQ(ShipCell(), right ? Cell::ShipLeft : Cell::ShipRight);
  }
}

// ---- Gravity ricochet ----

TEST_F(MovementTest, RicochetLandsInTheFirstDrawnQuadrantWithShieldsDown) {
  for (std::uint32_t seed : {5u, 99u, 2024u}) {
    StartOver();
    DrawQuadrant(27, EmptyQuadrantWithShipAt1x4);
    lcg::Seed(seed);
    const int expected = lcg::rand() % 64;
    lcg::Seed(seed);

    GravityRicochet();

    EXPECT_EQ(coreState.game.shipQuadrant, expected) << seed;
    EXPECT_EQ(coreState.game.shieldEnergy, 0);
    EXPECT_EQ(coreState.game.shipEnergy, 3000) << "the ricochet costs no energy";
    EXPECT_NEAR(coreState.game.stardateNow, 2000.0, 1e-9) << "and no time";
    EXPECT_TRUE(PanelLines().empty()) << "and posts nothing of its own";
    EXPECT_GT(recorder.now, 89u * 60) << "90 frames and the streak-out";
    EXPECT_EQ(ChartedCount(), 9);
  }
}

TEST_F(MovementTest, RicochetMayLandInTheSameQuadrant) {
  lcg::Seed(5);
  const int first = lcg::rand() % 64;
  StartGame(first);
  DrawQuadrant(first, EmptyQuadrantWithShipAt1x4);
  lcg::Seed(5);
  GravityRicochet();
  EXPECT_EQ(coreState.game.shipQuadrant, first);
  int ships = 0;
  for (const auto& row : coreState.game.Quadrant(first).cells)
    for (SectorCell cell : row) ships += (cell == Cell::ShipLeft || cell == Cell::ShipRight) ? 1 : 0;
  EXPECT_EQ(ships, 1) << "exactly one ship in the quadrant";
}

// ---- The request frame ----

TEST_F(MovementTest, ARequestRunsInTheBusyFrameAndCountsOneChange) {
  DrawQuadrant(27, EmptyQuadrantWithShipAt1x4);
  RequestMove(90, 1, 0);
  EXPECT_EQ(coreState.game.shipSectorX, 2);
  EXPECT_EQ(recorder.CallsNamed("SetBusy"), (std::vector<std::string>{"on", "off"}));
  EXPECT_EQ(recorder.calls.front().what, "UpdateStation") << "a pending paint finishes first";
  EXPECT_FALSE(sectorState.actionInProgress);
  EXPECT_EQ(coreState.game.changeCount, 1);
}

TEST_F(MovementTest, ARequestWhileAnotherRunsIsDropped) {
  DrawQuadrant(27, EmptyQuadrantWithShipAt1x4);
  sectorState.actionInProgress = true;
  RequestMove(90, 1, 0);
  RequestRicochet();
  RequestTorpedo(90, 3);
  RequestPhasers(100, true);
  EXPECT_TRUE(recorder.calls.empty());
  EXPECT_EQ(coreState.game.shipSectorX, 1);
  EXPECT_EQ(coreState.game.changeCount, 0);
}

TEST_F(MovementTest, WarpWithTheDriveDamagedDoesNothingAtAll) {
  DrawQuadrant(27, EmptyQuadrantWithShipAt1x4);
  coreState.game.Damage(ShipSystem::Warp) = 1.0;
  RequestMove(90, 0, 3);
  EXPECT_TRUE(PanelLines().empty());
  EXPECT_EQ(coreState.game.shipQuadrant, 27);
  EXPECT_EQ(coreState.game.shipEnergy, 3000);
  RequestMove(90, 1, 3);
  EXPECT_EQ(coreState.game.shipSectorX, 2) << "impulse still works, and wins over warp";
}

TEST_F(MovementTest, ATorpedoRequestWithEmptyTubesSaysSo) {
  coreState.game.torpedoCount = 0;
  RequestTorpedo(90, 3);
  EXPECT_EQ(PanelLines(), Lines{"All Photon Tubes empty, Captain."});
  EXPECT_TRUE(recorder.CallsNamed("PlaySoundAfterCurrent").empty());
}

}  // namespace
