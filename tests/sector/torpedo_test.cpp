// A photon torpedo's flight: lost, spent, swallowed, and what it does to starbases and aliens.

#include <algorithm>
#include <functional>

#include "core/core_state.h"
#include "sector/scan_requests.h"
#include "sector/torpedoes.h"
#include "tests/sector/weapons_fixture.h"

namespace {

using Lines = std::vector<std::string>;

class TorpedoTest : public WeaponsTest {};

TEST_F(TorpedoTest, StraightOffTheEdgeIsLostAtOnce) {
  DrawShipQuadrant({"........", "........", "........", "........", ".......>", "........", "........", "........"});
  FireTorpedo(90, 0);
  EXPECT_EQ(PanelLines(), (Lines{"Firing Photon Torpedo...", "Torpedo lost in space."}));
  EXPECT_EQ(coreState.game.torpedoCount, 9);
  EXPECT_EQ(recorder.now, 0u);
  EXPECT_EQ(recorder.CallsNamed("InvalidateStation"), Lines{"Status"});
}

TEST_F(TorpedoTest, AWalkEndingInsideTheGridEndsWithoutAWordAndLeavesTheLastDot) {
  // Course 45 from 1,8: eight points, the last in the top right corner.
  DrawShipQuadrant({"........", "........", "........", "........", "........", "........", "........", ">......."});
  FireTorpedo(45, 9);
  EXPECT_EQ(PanelLines(), Lines{"Firing Photon Torpedo..."});
  EXPECT_EQ(recorder.now, 7u * 500) << "500 ms in each of the seven sectors passed";
  const Lines dots = recorder.CallsNamed("ScanBlitPicture");
  ASSERT_EQ(dots.size(), 7u);
  EXPECT_EQ(dots.front(), "38 at 80,192") << "the dot sits 15,9 into the sector";
  EXPECT_EQ(dots.back(), "38 at 296,30");
  EXPECT_EQ(recorder.CallsNamed("ScanFillBlack").size(), 6u) << "each dot but the last is erased";
}

TEST_F(TorpedoTest, TheDotMovesSectorBySector) {
  DrawShipQuadrant({"........", "........", "........", "........", ">.....*.", "........", "........", "........"});
  FireTorpedo(90, 0);
  const std::vector<HeadlessHost::Call> flight = {
      {"ScanBlitPicture", "38 at 80,138"},  {"WaitPumping", "500"}, {"ScanFillBlack", "65,129-99,154"},
      {"ScanBlitPicture", "38 at 116,138"}, {"WaitPumping", "500"}, {"ScanFillBlack", "101,129-135,154"},
  };
  auto first = std::find(recorder.calls.begin(), recorder.calls.end(), flight.front());
  ASSERT_NE(first, recorder.calls.end());
  EXPECT_TRUE(std::equal(flight.begin(), flight.end(), first));
  // The flight ends at the star: the last dot, in front of it, is erased and nothing follows.
  EXPECT_EQ(recorder.CallsNamed("ScanFillBlack").size(), 5u);
  EXPECT_EQ(recorder.CallsNamed("ScanFillBlack").back(), "209,129-243,154");
  EXPECT_EQ(PanelLines().back(), "Torpedo consumed by Star at 7,5");
  EXPECT_EQ(coreState.game.ShipQuadrantRecord().cells[4][6], Cell::StarA) << "the star is unharmed";
}

TEST_F(TorpedoTest, WithTheScanOutTheFlightTakesAsLongAndDrawsNothing) {
  DrawShipQuadrant({"........", "........", "........", "........", ">.......", "........", "........", "........"});
  coreState.game.Damage(ShipSystem::SRS) = 1.0;
  FireTorpedo(90, 0);
  EXPECT_EQ(recorder.now, 7u * 500);
  EXPECT_TRUE(recorder.CallsNamed("ScanBlitPicture").empty());
  EXPECT_TRUE(recorder.CallsNamed("ScanFillBlack").empty());
}

TEST_F(TorpedoTest, AStarbaseIsDestroyedOutrightAndDockingIsLost) {
  DrawShipQuadrant({"........", "........", "........", "........", ">B......", "........", "........", "........"});
  coreState.game.starbaseTotal = 3;
  coreState.game.gamePhase = GamePhase::Docked;
  const std::uint32_t state = lcg::State();
  FireTorpedo(90, 2);
  EXPECT_EQ(PanelLines(), (Lines{"Firing Photon Torpedo...", "Torpedo hit at 2,5  250 Units",
                                 "real smart move, Captain.", "Condition Green, Sir."}));
  EXPECT_EQ(coreState.game.ShipQuadrantRecord().cells[4][1], Cell::Empty);
  EXPECT_EQ(coreState.game.ShipQuadrantRecord().starbaseCount, 0);
  EXPECT_EQ(coreState.game.starbaseTotal, 3) << "the score counts the bases placed";
  EXPECT_EQ(coreState.game.gamePhase, GamePhase::Green);
  EXPECT_EQ(recorder.CallsNamed("PlaySoundNow"), Lines{"4 once"});
  EXPECT_EQ(lcg::State(), state) << "a starbase takes no draw";
}

// A Klingon three sectors east: the DISTANCE bonus applies exactly at 3.
struct DistanceCase {
  int distance, bonus;
};
void PrintTo(const DistanceCase& row, std::ostream* os) { *os << "DISTANCE " << row.distance; }

class TorpedoDistanceTest : public TorpedoTest, public ::testing::WithParamInterface<DistanceCase> {};

TEST_P(TorpedoDistanceTest, TheBonusAppliesOnlyAtTheTargetsDistance) {
  const auto [distance, bonus] = GetParam();
  DrawShipQuadrant({"........", "........", "........", "........", ".>..K...", "........", "........", "........"});
  lcg::Seed(4242);
  const int damage = 200 + NextDraws(1)[0] % 80 + bonus;
  FireTorpedo(90, distance);
  EXPECT_EQ(PanelLines().at(1), Hit("Torpedo hit", 5, 5, damage));
  EXPECT_EQ(AlienAt(4, 4).energy, 1000 - damage);
  EXPECT_EQ(recorder.now, 2u * 500 + 8u * 120) << "two sectors passed, then the hit";
}

INSTANTIATE_TEST_SUITE_P(Distances, TorpedoDistanceTest,
                         ::testing::Values(DistanceCase{3, 70}, DistanceCase{2, 0}, DistanceCase{4, 0},
                                           DistanceCase{0, 0}),
                         [](const auto& row) { return "Distance" + std::to_string(row.param.distance); });

TEST_F(TorpedoTest, DamageFallsWithSkill) {
  const int bases[] = {200, 200, 150, 150, 100, 100};
  for (int skill = 0; skill < 6; ++skill) {
    SetUp();
    DrawShipQuadrant({"........", "........", "........", "........", ".>K.....", "........", "........", "........"});
    coreState.game.skillLevel = static_cast<SkillLevel>(skill);
    lcg::Seed(99);
    const int draw = NextDraws(1)[0];
    FireTorpedo(90, 0);
    EXPECT_EQ(AlienAt(2, 4).energy, 1000 - bases[skill] - draw % 80) << "skill " << skill;
  }
}

TEST_F(TorpedoTest, ABorgAtAdmiralSurvivesFiveTorpedoesWithoutTheBonus) {
  DrawShipQuadrant({"........", "........", "........", "........", ".>C.....", "........", "........", "........"},
                   900);
  coreState.game.skillLevel = SkillLevel::Admiral;
  for (int shot = 0; shot < 5; ++shot) FireTorpedo(90, 0);
  EXPECT_GT(AlienAt(2, 4).energy, 0);
  EXPECT_EQ(coreState.game.ShipQuadrantRecord().cells[4][2], 0x80);
  EXPECT_EQ(coreState.game.torpedoCount, 5);
}

TEST_F(TorpedoTest, ADestroyedAlienLeavesItsSectorQuadrantAndTheCount) {
  DrawShipQuadrant({"........", "........", ".......K", "........", ".>..R...", "........", "........", "........"},
                   150);
  FireTorpedo(90, 0);
  const Lines lines = PanelLines();
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[2], "Alien Destroyed.");
  EXPECT_EQ(coreState.game.ShipQuadrantRecord().cells[4][4], Cell::Empty);
  EXPECT_EQ(coreState.game.ShipQuadrantRecord().alienCount, 1);
  EXPECT_EQ(coreState.game.alienTable[2].quadrant, -1) << "the Romulan's record, after the far alien and the Klingon";
  EXPECT_EQ(coreState.game.aliensRemaining, 2);
  EXPECT_EQ(recorder.CallsNamed("PlaySoundNow"), Lines{"4 once"});
  EXPECT_NE(coreState.game.gamePhase, GamePhase::GameOver);
}

TEST_F(TorpedoTest, TheLastAlienOfTheGalaxyEndsTheMissionWon) {
  DrawShipQuadrant({"........", "........", "........", "........", ".>..K...", "........", "........", "........"},
                   150);
  ForgetTheFarAlien();
  coreState.game.gamePhase = GamePhase::RedAlert;
  FireTorpedo(90, 0);
  EXPECT_EQ(coreState.game.aliensRemaining, 0);
  EXPECT_EQ(coreState.game.gamePhase, GamePhase::GameOver);
  EXPECT_EQ(coreState.game.gameOverReason, GameOverReason::AliensDestroyed);
}

TEST_F(TorpedoTest, AnAlienWithoutARecordIsAnInternalErrorAndSpendsTheTorpedo) {
  DrawQuadrant(coreState.game.shipQuadrant,
               {"........", "........", "........", "........", ".>.F....", "........", "........", "........"});
  coreState.game.gamePhase = GamePhase::RedAlert;
  const std::uint32_t state = lcg::State();
  lcg::rand();
  const std::uint32_t afterOneDraw = lcg::State();
  lcg::Seed(state);
  FireTorpedo(90, 0);
  EXPECT_EQ(PanelLines(), (Lines{"Firing Photon Torpedo...", "Internal Error: srs954"}));
  EXPECT_EQ(coreState.game.torpedoCount, 9);
  EXPECT_EQ(coreState.game.ShipQuadrantRecord().cells[4][3], 0x60);
  EXPECT_EQ(lcg::State(), afterOneDraw) << "the damage was drawn first";
}

TEST_F(TorpedoTest, TheRequestLaunchesAfterTheAcknowledgementAndEmptyTubesSaySo) {
  DrawShipQuadrant({"........", "........", "........", "........", ".......>", "........", "........", "........"});
  RequestTorpedo(90, 0);
  EXPECT_EQ(recorder.CallsNamed("PlaySoundAfterCurrent"), Lines{"9 once"});
  EXPECT_EQ(PanelLines().front(), "Firing Photon Torpedo...");
  coreState.game.torpedoCount = 0;
  ClearMessageLines();
  RequestTorpedo(90, 0);
  EXPECT_EQ(PanelLines(), Lines{"All Photon Tubes empty, Captain."});
}

TEST_F(TorpedoTest, ExecuteAcknowledgesThenSendsTheLaunchOnlyWhileTheTubesWork) {
  DrawShipQuadrant({"........", "........", "........", "........", ".......>", "........", "........", "........"});
  recorder.Clear();
  std::size_t callsBeforeLaunch = 0;
  EXPECT_TRUE(ExecuteTorpedo(coreState.game, recorder, 90, 0, [&](const std::function<void()>& launch) {
    callsBeforeLaunch = recorder.calls.size();
    launch();
  }));
  EXPECT_EQ(callsBeforeLaunch, 1u);
  EXPECT_EQ(recorder.calls.front(), (HeadlessHost::Call{"PlaySoundNow", "3 once"}));
  EXPECT_EQ(PanelLines(), (Lines{"Firing Photon Torpedo...", "Torpedo lost in space."}));

  coreState.game.Damage(ShipSystem::Photon) = 1.0;
  recorder.Clear();
  bool sent = false;
  EXPECT_FALSE(ExecuteTorpedo(coreState.game, recorder, 90, 0, [&](const std::function<void()>&) { sent = true; }));
  EXPECT_FALSE(sent);
  EXPECT_TRUE(recorder.calls.empty()) << "no acknowledgement either";
}
}  // namespace
