#include <algorithm>
#include <functional>

#include "core/conditions.h"
#include "core/message_catalogue.h"
#include "tests/support/core_fixture.h"

namespace {
using Calls = std::vector<HeadlessHost::Call>;

class Conditions : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    StartQuietGame();
  }
  // Each row of a table test starts from program start again.
  void StartOver() {
    ResetProgramState(recorder);
    StartQuietGame();
  }
  std::string Newest() const { return messageLines[MessageLineCount - 1].data(); }
};

struct EndCase {
  const char* name;
  std::function<void()> arrange;
  GameOverReason reason;
};
void PrintTo(const EndCase& row, std::ostream* os) { *os << row.name; }

class MissionEnd : public Conditions, public ::testing::WithParamInterface<EndCase> {};

TEST_P(MissionEnd, EndsTheGameForTheFirstReasonThatHolds) {
  GetParam().arrange();
  EXPECT_EQ(EvaluateConditions(), GamePhase::GameOver);
  EXPECT_EQ(game.gameOverReason, GetParam().reason);
  EXPECT_TRUE(PanelLines().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Reasons, MissionEnd,
    ::testing::Values(EndCase{"NoEnergyEvenNextToAStarbase",
                              [] {
                                game.shipEnergy = 0;
                                PutStarbase(27, 4, 5);
                              },
                              GameOverReason::EnergyExhausted},
                      EndCase{"NoEnergyBeatsTheLastAlienGone",
                              [] {
                                game.shipEnergy = -5;
                                game.aliensRemaining = 0;
                              },
                              GameOverReason::EnergyExhausted},
                      EndCase{"DeadlineReachedExactly", [] { game.stardateNow = 2040.0; }, GameOverReason::TimeExpired},
                      EndCase{"DeadlineBeatsTheLastAlienGone",
                              [] {
                                game.stardateNow = 2050.0;
                                game.aliensRemaining = 0;
                              },
                              GameOverReason::TimeExpired},
                      EndCase{"LastAlienGone", [] { game.aliensRemaining = 0; }, GameOverReason::AliensDestroyed},
                      EndCase{"AllTenSystemsOut",
                              [] {
                                game.damage.fill(0.5);
                                game.repairDate.fill(2010.0);
                                game.Damage(ShipSystem::Warp) = -1.0;
                              },
                              GameOverReason::SystemsDisabled}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(Conditions, NineSystemsOutIsNotTheEnd) {
  // The one working system at either end of the table and in its middle.
  for (ShipSystem working : {ShipSystem::SRS, ShipSystem::Computer, ShipSystem::MessageDisplay}) {
    StartOver();
    game.damage.fill(-1.0);
    game.Damage(working) = 0.0;
    EXPECT_EQ(EvaluateConditions(), GamePhase::Green) << "system " << static_cast<int>(working) << " still works";
  }
}

TEST_F(Conditions, LowEnergyIsYellowFrom300Down) {
  game.gamePhase = GamePhase::NoGame;
  game.shipEnergy = 301;
  EXPECT_EQ(EvaluateConditions(), GamePhase::Green);
  EXPECT_EQ(Newest(), "Condition Green, Sir.");
  game.shipEnergy = 300;
  recorder.Clear();
  EXPECT_EQ(EvaluateConditions(), GamePhase::Yellow);
  EXPECT_EQ(Newest(), "Warning- Condition Yellow.");
  EXPECT_EQ(game.yellowBlinkActive, 1);
  EXPECT_EQ(recorder.CallsNamed("StartConditionBlink").size(), 1u);
  EXPECT_EQ(recorder.CallsNamed("EnableMenuItem"), (std::vector<std::string>{"250 on", "202 on", "203 on"}));
}

TEST_F(Conditions, AnUnchangedConditionAnnouncesNothing) {
  for (GamePhase phase : {GamePhase::Green, GamePhase::Yellow, GamePhase::YellowAlt}) {
    game.shipEnergy = phase == GamePhase::Green ? 3000 : 200;
    game.gamePhase = phase;
    recorder.Clear();
    EXPECT_EQ(EvaluateConditions(), phase);
    EXPECT_TRUE(recorder.calls.empty()) << static_cast<int>(phase);
  }
}

TEST_F(Conditions, AliensInTheQuadrantSoundRedAlertOnce) {
  AddAlien(27, 6, 6, AlienKind::Borg);
  game.resetAlienClocks = 0;
  EXPECT_EQ(EvaluateConditions(), GamePhase::RedAlert);
  EXPECT_EQ(Newest(), "Sounding Red Alert.");
  EXPECT_EQ(recorder.CallsNamed("PlaySoundNow"), std::vector<std::string>{"12 once"});
  EXPECT_EQ(recorder.CallsNamed("StartConditionBlink").size(), 1u);
  std::vector<std::string> menus = recorder.CallsNamed("EnableMenuItem");
  std::sort(menus.begin(), menus.end());
  EXPECT_EQ(menus, (std::vector<std::string>{"202 off", "203 off", "250 off"})) << "Pause, Save and Save As";
  EXPECT_EQ(recorder.CallsNamed("InvalidateStation"), std::vector<std::string>{"Status"});
  EXPECT_EQ(recorder.calls.size(), 7u) << "the message, the sound, the blink, three menu items, the repaint";
  EXPECT_EQ(game.resetAlienClocks, 1);

  recorder.Clear();
  game.gamePhase = GamePhase::RedAlertAlt;  // the blink's other state
  EXPECT_EQ(EvaluateConditions(), GamePhase::RedAlertAlt);
  EXPECT_TRUE(recorder.calls.empty());
}

TEST_F(Conditions, RedAlertFromYellowKeepsTheYellowBlinkAndReturnsToYellow) {
  game.shipEnergy = 250;
  EvaluateConditions();
  AddAlien(27, 0, 0, AlienKind::Romulan);
  recorder.Clear();
  EXPECT_EQ(EvaluateConditions(), GamePhase::RedAlert);
  EXPECT_TRUE(recorder.CallsNamed("StartConditionBlink").empty());

  game.galaxy[27].cells[0][0] = Cell::Empty;  // the Romulan is gone
  recorder.Clear();
  EXPECT_EQ(EvaluateConditions(), GamePhase::Yellow);
  EXPECT_EQ(Newest(), "Warning- Condition Yellow.");
  EXPECT_TRUE(recorder.CallsNamed("StartConditionBlink").empty());
  EXPECT_TRUE(recorder.CallsNamed("StopConditionBlink").empty());
}

TEST_F(Conditions, GreenStopsOnlyTheYellowBlink) {
  game.gamePhase = GamePhase::Yellow;
  game.yellowBlinkActive = 1;
  EXPECT_EQ(EvaluateConditions(), GamePhase::Green);
  EXPECT_EQ(recorder.CallsNamed("StopConditionBlink").size(), 1u);
  EXPECT_EQ(game.yellowBlinkActive, 0);
}

TEST_F(Conditions, DocksOnlyNextToAStarbaseInTheSameQuadrant) {
  struct Case {
    int quadrant, x, y;
    bool docks;
  };
  for (const Case c : {Case{27, 2, 3, true}, Case{27, 4, 5, true}, Case{27, 5, 4, false}, Case{27, 3, 2, false}}) {
    StartOver();
    PutStarbase(c.quadrant, c.x, c.y, 3);  // cell 0x0304: a starbase mid-animation
    EXPECT_EQ(EvaluateConditions() == GamePhase::Docked, c.docks) << c.x << "," << c.y;
  }
  StartOver();
  game.galaxy[27].cells[4][3] = Cell::Empty;
  PutShip(27, 7, 4);
  PutStarbase(28, 0, 4);  // across the quadrant's edge
  EXPECT_EQ(EvaluateConditions(), GamePhase::Green);
}

TEST_F(Conditions, AtTheGridsEdgesTheNeighbourScanStaysOnItsRow) {
  struct Case {
    const char* where;
    int shipX, shipY, baseX, baseY;
  };
  // Each starbase lies where a scan running past a row's end would look: the next or the
  // previous row's far end, or beyond the grid's top and bottom.
  for (const Case c :
       {Case{"right edge, base at the next row's start", 7, 3, 0, 4},
        Case{"right edge, base at its own row's start", 7, 3, 0, 3},
        Case{"left edge, base at the row above's end", 0, 4, 7, 3},
        Case{"left edge, base at the row below's end", 0, 4, 7, 5}, Case{"top row, base on the bottom row", 3, 0, 3, 7},
        Case{"bottom row, base on the top row", 3, 7, 3, 0}}) {
    StartOver();
    game.galaxy[27].cells[4][3] = Cell::Empty;
    PutShip(27, c.shipX, c.shipY);
    PutStarbase(27, c.baseX, c.baseY);
    EXPECT_EQ(EvaluateConditions(), GamePhase::Green) << c.where;
  }
  StartOver();
  game.galaxy[27].cells[4][3] = Cell::Empty;
  PutShip(27, 7, 7);
  PutStarbase(27, 6, 6);
  EXPECT_EQ(EvaluateConditions(), GamePhase::Docked) << "the corner still docks diagonally";
}

TEST_F(Conditions, RedAlertWinsOverDocking) {
  PutStarbase(27, 4, 4);
  AddAlien(27, 7, 7, AlienKind::Farengi);
  EXPECT_EQ(EvaluateConditions(), GamePhase::RedAlert);
  EXPECT_EQ(game.shipEnergy, 3000);
}

TEST_F(Conditions, DockingResuppliesAndRepairsOncePerDocking) {
  PutStarbase(27, 4, 4);
  game.shipEnergy = 900;
  game.shieldEnergy = 400;
  game.torpedoCount = 2;
  game.messagesToComputer = 1;
  game.Damage(ShipSystem::Phaser) = -1.0;
  game.Damage(ShipSystem::LRS) = 3.5;
  game.RepairDate(ShipSystem::LRS) = 2100.0;

  EXPECT_EQ(EvaluateConditions(), GamePhase::Docked);
  EXPECT_EQ(game.shipEnergy, FullEnergy);
  EXPECT_EQ(game.shieldEnergy, 0);
  EXPECT_EQ(game.torpedoCount, FullTorpedoes);
  EXPECT_EQ(game.messagesToComputer, 0);
  EXPECT_EQ(game.damage, decltype(game.damage){});
  EXPECT_EQ(PanelLines(), (std::vector<std::string>{"Enterprise is docked, Sir.", "Long Range Sensors repaired.",
                                                    "Phaser Banks repaired."}));
  EXPECT_EQ(game.galaxy[QuadrantNeighbour(27, 1, 1)].flags & QuadrantFlag::Charted, QuadrantFlag::Charted);
  EXPECT_EQ(recorder.CallsNamed("StandDown").size(), 1u);
  const std::vector<std::string> invalidated = recorder.CallsNamed("InvalidateStation");
  EXPECT_NE(std::find(invalidated.begin(), invalidated.end(), "Status"), invalidated.end())
      << "the Status panel shows the refilled ship";

  game.shipEnergy = 2500;  // staying docked gives nothing more
  EXPECT_EQ(EvaluateConditions(), GamePhase::Docked);
  EXPECT_EQ(game.shipEnergy, 2500);

  game.gamePhase = GamePhase::Green;  // moved away and back
  EXPECT_EQ(EvaluateConditions(), GamePhase::Docked);
  EXPECT_EQ(game.shipEnergy, FullEnergy);
}
}  // namespace
