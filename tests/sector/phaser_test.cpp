// Phaser fire: the share of each target, the loss by distance, stars in the line of fire,
// and a shot into an empty quadrant.

#include <functional>
#include <string>
#include <vector>

#include "core/core_state.h"
#include "sector/phasers.h"
#include "sector/scan_requests.h"
#include "tests/sector/weapons_fixture.h"

namespace {

using Lines = std::vector<std::string>;

class PhaserTest : public WeaponsTest {
 protected:
  // Wide dispersal at a Klingon behind the star in `starRow` and at a Romulan in the open.
  void StarInTheLineTakesItsShare(const char* starRow);
};

// Three aliens next to the ship (no loss by distance), their records in another order than
// their sectors: Farengi (row 3) first, then the Klingon (row 2), then the Romulan.
const std::vector<std::string> ThreeAround = {"........", "........", "...K....", "..R<F...",
                                              "........", "........", "........", "........"};
const std::vector<std::pair<int, int>> FarengiFirst = {{4, 3}, {3, 2}, {2, 3}};

TEST_F(PhaserTest, WideDispersalSharesEquallyInSectorOrder) {
  DrawShipQuadrant(ThreeAround, 1000, FarengiFirst);
  FirePhasers(200, false);
  EXPECT_EQ(PanelLines(), (Lines{"Firing Phasers...", Hit("Direct hit", 4, 3, 66), Hit("Direct hit", 3, 4, 66),
                                 Hit("Direct hit", 5, 4, 66)}));
  EXPECT_EQ(AlienAt(3, 2).energy, 934);
  EXPECT_EQ(AlienAt(2, 3).energy, 934);
  EXPECT_EQ(AlienAt(4, 3).energy, 934);
  EXPECT_EQ(recorder.CallsNamed("PlaySoundNow"), (Lines{"8 loop", "8 loop", "8 loop"}));
}

TEST_F(PhaserTest, SingleTargetSendsEverythingToTheTopMostThenLeftMost) {
  DrawShipQuadrant(ThreeAround, 1000, FarengiFirst);
  FirePhasers(200, true);
  EXPECT_EQ(PanelLines(), (Lines{"Firing Phasers...", Hit("Direct hit", 4, 3, 200)}));
  EXPECT_EQ(AlienAt(3, 2).energy, 800);
  EXPECT_EQ(AlienAt(2, 3).energy, 1000);
  EXPECT_EQ(AlienAt(4, 3).energy, 1000);
}

TEST_F(PhaserTest, TheBeamFlashesTenMsPerArrivingUnitFromCentreToCentre) {
  DrawShipQuadrant({"........", "........", "........", "...<K...", "........", "........", "........", "........"});
  FirePhasers(25, true);
  const Lines lines = recorder.CallsNamed("ScanXorLine");
  ASSERT_EQ(lines.size(), 12u) << "three 100 ms flashes cover 250 ms";
  EXPECT_EQ(lines.front(), "154,114-190,114 FF0000");
  EXPECT_EQ(lines[2], "154,114-190,114 FF00FF");
  EXPECT_EQ(recorder.CallsNamed("StopSound").size(), 1u);
}

TEST_F(PhaserTest, DistanceCostsFiveToNineUnitsPerTwoSectors) {
  // Four columns and two rows away: (6 / 2) x (5 + R mod 5).
  DrawShipQuadrant({"........", ".>......", "........", ".....K..", "........", "........", "........", "........"});
  lcg::Seed(31337);
  const int loss = 3 * (5 + NextDraws(1)[0] % 5);
  FirePhasers(100, true);
  EXPECT_EQ(PanelLines().back(), Hit("Direct hit", 6, 4, 100 - loss));
  EXPECT_GE(loss, 15);
  EXPECT_LE(loss, 27);
}

TEST_F(PhaserTest, AShareTheDistanceEatsStillHitsWithZeroUnitsAndNoBeam) {
  DrawShipQuadrant({">.......", "........", "........", "........", "........", "........", "........", ".......C"});
  FirePhasers(20, true);  // 14 sectors away: at least 35 lost
  EXPECT_EQ(PanelLines().back(), Hit("Direct hit", 8, 8, 0));
  EXPECT_TRUE(recorder.CallsNamed("ScanXorLine").empty());
  EXPECT_EQ(recorder.CallsNamed("PlaySoundNow"), Lines{"8 loop"}) << "the beam's sound still starts";
  EXPECT_EQ(recorder.CallsNamed("ScanBlitFrame").size(), 9u) << "and the hit is still shown";
}

TEST_F(PhaserTest, AStarOfAnyClassInTheLineTakesThatShareWhileTheOthersAreHit) {
  for (const char* starRow : {">.*..K..", ">.+..K..", ">.x..K.."}) {
    SCOPED_TRACE(starRow);
    SetUp();
    recorder.Clear();
    StarInTheLineTakesItsShare(starRow);
  }
}

void PhaserTest::StarInTheLineTakesItsShare(const char* starRow) {
  DrawShipQuadrant({"........", "........", "........", starRow, "........", ".....R..", "........", "........"});
  lcg::Seed(8);
  const std::vector<int> draws = NextDraws(2);
  FirePhasers(300, false);
  const int toStar = 300 / 2 - (2 / 2) * (5 + draws[0] % 5);
  const int toRomulan = 150 - (7 / 2) * (5 + draws[1] % 5);
  EXPECT_EQ(PanelLines(), (Lines{"Firing Phasers...", "Star at 3,4 consumes " + std::to_string(toStar) + " Units",
                                 Hit("Direct hit", 6, 6, toRomulan)}));
  EXPECT_EQ(AlienAt(5, 3).energy, 1000);
  EXPECT_EQ(AlienAt(5, 5).energy, 1000 - toRomulan) << "the star beside its line does not stop it";
  EXPECT_EQ(recorder.CallsNamed("ScanXorLine").front(), "46,114-118,114 FF0000") << "the beam ends on the star";
}

TEST_F(PhaserTest, DestroyingTheLastAlienWinsTheMission) {
  DrawShipQuadrant({"........", "........", "........", "...<K...", "........", "........", "........", "........"},
                   100);
  ForgetTheFarAlien();
  coreState.game.gamePhase = GamePhase::RedAlert;
  FirePhasers(100, false);
  EXPECT_EQ(PanelLines().back(), "Alien Destroyed.");
  EXPECT_EQ(coreState.game.ShipQuadrantRecord().cells[3][4], Cell::Empty);
  EXPECT_EQ(coreState.game.ShipQuadrantRecord().alienCount, 0);
  EXPECT_EQ(coreState.game.alienTable[0].quadrant, -1);
  EXPECT_EQ(coreState.game.gamePhase, GamePhase::GameOver);
  EXPECT_EQ(coreState.game.gameOverReason, GameOverReason::AliensDestroyed);
}

TEST_F(PhaserTest, IntoAnEmptyQuadrantTheBeamLeavesTheEdgeTheShipFaces) {
  for (bool facingLeft : {true, false}) {
    SetUp();
    recorder.Clear();
    DrawShipQuadrant({"........", "........", "........", facingLeft ? "...<...." : "...>....", "........", "........",
                      "........", "........"});
    lcg::Seed(2024);
    const int y = 19 + NextDraws(1)[0] % 235;
    recorder.minimized[static_cast<int>(Station::ShortRangeScan)] = facingLeft;  // changes nothing
    FirePhasers(30, false);
    EXPECT_EQ(PanelLines(), (Lines{"Firing Phasers...", "No target hit."}));
    const Lines lines = recorder.CallsNamed("ScanXorLine");
    ASSERT_EQ(lines.size(), 12u) << "300 ms of beam";
    EXPECT_EQ(lines.front(), "154,114-" + std::to_string(facingLeft ? 27 : 316) + "," + std::to_string(y) + " FF0000");
    EXPECT_EQ(lcg::State(), [] {
      lcg::Seed(2024);
      lcg::rand();
      return lcg::State();
    }());
  }
}

TEST_F(PhaserTest, TheRequestFiresOnlyANonZeroCharge) {
  DrawShipQuadrant({"........", "........", "........", "...<K...", "........", "........", "........", "........"});
  RequestPhasers(0, true);
  EXPECT_TRUE(PanelLines().empty());
  EXPECT_EQ(coreState.game.changeCount, 1);
  RequestPhasers(50, true);
  EXPECT_EQ(PanelLines().front(), "Firing Phasers...");
}

TEST_F(PhaserTest, AChargeIsAffordableWhileItLeavesFortyOneUnits) {
  coreState.game.shipEnergy = 100;
  EXPECT_TRUE(PhaserChargeAffordable(coreState.game, 0));
  EXPECT_TRUE(PhaserChargeAffordable(coreState.game, 59));
  EXPECT_FALSE(PhaserChargeAffordable(coreState.game, 60));
  EXPECT_FALSE(PhaserChargeAffordable(coreState.game, -1));
  coreState.game.shipEnergy = 20;
  EXPECT_TRUE(PhaserChargeAffordable(coreState.game, 0)) << "nothing is always affordable";
  EXPECT_FALSE(PhaserChargeAffordable(coreState.game, 1));
}

// The Phasers station's EXECUTE as the rule carries it out: what is paid, in what order the
// acknowledgement, the shot and the status panel come, and what the panel keeps afterwards.
class PhaserExecuteTest : public PhaserTest {
 protected:
  // The rule with the scan's request run at once; `order` gets "paid", "request" and the
  // host's calls interleaved as they happen.
  PhaserShot Execute(int charge, bool singleTarget = true) {
    recorder.Clear();
    return ExecutePhasers(
        coreState.game, recorder, recorder, charge, singleTarget,
        [this](const std::function<void()>& fire) {
          order.push_back("request after " + std::to_string(recorder.calls.size()) + " calls");
          fire();
        },
        [this](const PhaserShot&) { order.push_back("paid with " + std::to_string(coreState.game.shipEnergy)); });
  }
  std::vector<std::string> order;
};

TEST_F(PhaserExecuteTest, PaysThenAcknowledgesThenSendsThenRedrawsTheStatusPanel) {
  DrawShipQuadrant({"........", "........", "........", "...<K...", "........", "........", "........", "........"});
  coreState.game.shipEnergy = 3000;
  const PhaserShot shot = Execute(500);
  EXPECT_TRUE(shot.sent);
  EXPECT_EQ(shot.charge, 500);
  EXPECT_EQ(coreState.game.shipEnergy, 2500);
  ASSERT_EQ(order.size(), 2u);
  EXPECT_EQ(order[0], "paid with 2500");
  EXPECT_EQ(order[1], "request after 1 calls") << "the acknowledgement sounds before the shot is sent";
  EXPECT_EQ(recorder.calls.front(), (HeadlessHost::Call{"PlaySoundNow", "3 once"}));
  EXPECT_EQ(recorder.calls.back(), (HeadlessHost::Call{"InvalidateStation", "Status"}));
  EXPECT_EQ(PanelLines().front(), "Firing Phasers...");
}

TEST_F(PhaserExecuteTest, AChargeTheShipCanNoLongerAffordGoesBackAndFiresNothing) {
  DrawShipQuadrant({"........", "........", "........", "...<K...", "........", "........", "........", "........"});
  coreState.game.shipEnergy = 100;
  const PhaserShot shot = Execute(60);
  EXPECT_TRUE(shot.sent) << "the acknowledgement and an empty request all the same";
  EXPECT_EQ(shot.charge, 0);
  EXPECT_EQ(coreState.game.shipEnergy, 100);
  EXPECT_EQ(recorder.CallsNamed("PlaySoundNow").size(), 1u);
  EXPECT_TRUE(PanelLines().empty());
}

TEST_F(PhaserExecuteTest, WithThePhasersOutNothingIsPaidSoundedOrSent) {
  coreState.game.damage[static_cast<std::size_t>(ShipSystem::Phaser)] = 1.0;
  coreState.game.shipEnergy = 3000;
  const PhaserShot shot = Execute(500);
  EXPECT_FALSE(shot.sent);
  EXPECT_EQ(coreState.game.shipEnergy, 3000);
  EXPECT_EQ(order, std::vector<std::string>{"paid with 3000"}) << "the station still brings itself forward";
  EXPECT_TRUE(recorder.calls.empty());
}

// The only two roles EXECUTE uses, written down in one list: a call the rule has no business
// making is listed as such.
class SoundsAndBridge : public GameSounds, public Bridge {
 public:
  explicit SoundsAndBridge(const GameState& watched) : watched_(watched) {}
  std::vector<std::string> heard;

  void PlaySoundNow(SoundId id, bool) override { heard.push_back("sound " + std::to_string(id)); }
  void PlaySoundAfterCurrent(SoundId id, bool) override { heard.push_back("queued sound " + std::to_string(id)); }
  void StopSound() override { heard.push_back("silence"); }
  void InvalidateStation(Station s, bool) override {
    heard.push_back(std::string("redraw ") + StationName(s) + " showing " + std::to_string(watched_.shipEnergy));
  }
  void CreateStationWindows() override { Unexpected("CreateStationWindows"); }
  void DestroyStationWindows() override { Unexpected("DestroyStationWindows"); }
  void UpdateStation(Station) override { Unexpected("UpdateStation"); }
  void ShowStationNormal(Station) override { Unexpected("ShowStationNormal"); }
  bool IsStationMinimized(Station) override { return Unexpected("IsStationMinimized"), false; }
  void TakeFocusFrom(Station) override { Unexpected("TakeFocusFrom"); }
  void PostScanRequest(std::function<void()>) override { Unexpected("PostScanRequest"); }
  void StartConditionBlink() override { Unexpected("StartConditionBlink"); }
  void StopConditionBlink() override { Unexpected("StopConditionBlink"); }
  void StandDown() override { Unexpected("StandDown"); }
  void EnableMenuItem(int, bool) override { Unexpected("EnableMenuItem"); }
  void SetBusy(bool) override { Unexpected("SetBusy"); }
  void RestoreFrame() override { Unexpected("RestoreFrame"); }

 private:
  void Unexpected(const char* what) { heard.push_back(std::string("unexpected ") + what); }
  const GameState& watched_;
};

TEST_F(PhaserExecuteTest, HandedItsTwoRolesAndAGameItPaysFromThatGameAndReachesOnlyThoseRoles) {
  GameState ship = coreState.game;
  ship.shipEnergy = 700;
  coreState.game.shipEnergy = 3000;
  SoundsAndBridge roles(ship);
  std::vector<int> sent;
  recorder.Clear();
  const PhaserShot shot = ExecutePhasers(ship, roles, roles, 200, true, [&](const std::function<void()>&) {
    roles.heard.push_back("request sent");
    sent.push_back(ship.shipEnergy);
  });
  EXPECT_EQ(shot.charge, 200);
  EXPECT_EQ(ship.shipEnergy, 500) << "paid from the game handed in";
  EXPECT_EQ(coreState.game.shipEnergy, 3000) << "not from the running one";
  EXPECT_EQ(roles.heard, (std::vector<std::string>{"sound 3", "request sent", "redraw Status showing 500"}))
      << "acknowledged before the shot, and the panel redrawn with what the shot left";
  EXPECT_TRUE(recorder.calls.empty()) << "nothing went round the roles to the program's host";

  // A charge the game handed in can no longer afford: the acknowledgement and an empty shot.
  ship.shipEnergy = 100;
  roles.heard.clear();
  EXPECT_EQ(ExecutePhasers(ship, roles, roles, 60, true, [](const std::function<void()>&) {}).charge, 0);
  EXPECT_EQ(ship.shipEnergy, 100);
  EXPECT_EQ(roles.heard, (std::vector<std::string>{"sound 3", "redraw Status showing 100"}));
}

TEST_F(PhaserExecuteTest, ThePanelKeepsTheChargeWhileTheShipWouldKeepFiftyOneUnits) {
  coreState.game.shipEnergy = 151;
  EXPECT_EQ(PhaserPanelFromShip(coreState.game, 100).available, 51);
  EXPECT_EQ(PhaserPanelFromShip(coreState.game, 100).charge, 100);
  coreState.game.shipEnergy = 150;
  EXPECT_EQ(PhaserPanelFromShip(coreState.game, 100).available, 150) << "50 left: the charge goes back";
  EXPECT_EQ(PhaserPanelFromShip(coreState.game, 100).charge, 0);
}
}  // namespace
