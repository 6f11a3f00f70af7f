#include <algorithm>
#include <functional>

#include "core/conditions.h"
#include "core/core_state.h"
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
  std::string Newest() const { return coreState.messageLines[MessageLineCount - 1].data(); }
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
  EXPECT_EQ(coreState.game.gameOverReason, GetParam().reason);
  EXPECT_TRUE(PanelLines().empty());
}

INSTANTIATE_TEST_SUITE_P(Reasons, MissionEnd,
                         ::testing::Values(EndCase{"NoEnergyEvenNextToAStarbase",
                                                   [] {
                                                     coreState.game.shipEnergy = 0;
                                                     PutStarbase(27, 4, 5);
                                                   },
                                                   GameOverReason::EnergyExhausted},
                                           EndCase{"NoEnergyBeatsTheLastAlienGone",
                                                   [] {
                                                     coreState.game.shipEnergy = -5;
                                                     coreState.game.aliensRemaining = 0;
                                                   },
                                                   GameOverReason::EnergyExhausted},
                                           EndCase{"DeadlineReachedExactly",
                                                   [] { coreState.game.stardateNow = 2040.0; },
                                                   GameOverReason::TimeExpired},
                                           EndCase{"DeadlineBeatsTheLastAlienGone",
                                                   [] {
                                                     coreState.game.stardateNow = 2050.0;
                                                     coreState.game.aliensRemaining = 0;
                                                   },
                                                   GameOverReason::TimeExpired},
                                           EndCase{"LastAlienGone", [] { coreState.game.aliensRemaining = 0; },
                                                   GameOverReason::AliensDestroyed},
                                           EndCase{"AllTenSystemsOut",
                                                   [] {
                                                     coreState.game.damage.fill(0.5);
                                                     coreState.game.repairDate.fill(2010.0);
                                                     coreState.game.Damage(ShipSystem::Warp) = -1.0;
                                                   },
                                                   GameOverReason::SystemsDisabled}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(Conditions, NineSystemsOutIsNotTheEnd) {
  // The one working system at either end of the table and in its middle.
  for (ShipSystem working : {ShipSystem::SRS, ShipSystem::Computer, ShipSystem::MessageDisplay}) {
    StartOver();
    coreState.game.damage.fill(-1.0);
    coreState.game.Damage(working) = 0.0;
    EXPECT_EQ(EvaluateConditions(), GamePhase::Green) << "system " << static_cast<int>(working) << " still works";
  }
}

TEST_F(Conditions, LowEnergyIsYellowFrom300Down) {
  coreState.game.gamePhase = GamePhase::NoGame;
  coreState.game.shipEnergy = 301;
  EXPECT_EQ(EvaluateConditions(), GamePhase::Green);
  EXPECT_EQ(Newest(), "Condition Green, Sir.");
  coreState.game.shipEnergy = 300;
  recorder.Clear();
  EXPECT_EQ(EvaluateConditions(), GamePhase::Yellow);
  EXPECT_EQ(Newest(), "Warning- Condition Yellow.");
  EXPECT_EQ(coreState.game.yellowBlinkActive, 1);
  EXPECT_EQ(recorder.CallsNamed("StartConditionBlink").size(), 1u);
  EXPECT_EQ(recorder.CallsNamed("EnableMenuItem"), (std::vector<std::string>{"250 on", "202 on", "203 on"}));
}

TEST_F(Conditions, AnUnchangedConditionAnnouncesNothing) {
  for (GamePhase phase : {GamePhase::Green, GamePhase::Yellow, GamePhase::YellowAlt}) {
    coreState.game.shipEnergy = phase == GamePhase::Green ? 3000 : 200;
    coreState.game.gamePhase = phase;
    recorder.Clear();
    EXPECT_EQ(EvaluateConditions(), phase);
    EXPECT_TRUE(recorder.calls.empty()) << static_cast<int>(phase);
  }
}

TEST_F(Conditions, AliensInTheQuadrantSoundRedAlertOnce) {
  AddAlien(27, 6, 6, AlienKind::Borg);
  coreState.game.resetAlienClocks = 0;
  EXPECT_EQ(EvaluateConditions(), GamePhase::RedAlert);
  EXPECT_EQ(Newest(), "Sounding Red Alert.");
  EXPECT_EQ(recorder.CallsNamed("PlaySoundNow"), std::vector<std::string>{"12 once"});
  EXPECT_EQ(recorder.CallsNamed("StartConditionBlink").size(), 1u);
  std::vector<std::string> menus = recorder.CallsNamed("EnableMenuItem");
  std::sort(menus.begin(), menus.end());
  EXPECT_EQ(menus, (std::vector<std::string>{"202 off", "203 off", "250 off"})) << "Pause, Save and Save As";
  EXPECT_EQ(recorder.CallsNamed("InvalidateStation"), std::vector<std::string>{"Status"});
  EXPECT_EQ(recorder.calls.size(), 7u) << "the message, the sound, the blink, three menu items, the repaint";
  EXPECT_EQ(coreState.game.resetAlienClocks, 1);

  recorder.Clear();
  coreState.game.gamePhase = GamePhase::RedAlertAlt;  // the blink's other state
  EXPECT_EQ(EvaluateConditions(), GamePhase::RedAlertAlt);
  EXPECT_TRUE(recorder.calls.empty());
}

TEST_F(Conditions, RedAlertFromYellowKeepsTheYellowBlinkAndReturnsToYellow) {
  coreState.game.shipEnergy = 250;
  EvaluateConditions();
  AddAlien(27, 0, 0, AlienKind::Romulan);
  recorder.Clear();
  EXPECT_EQ(EvaluateConditions(), GamePhase::RedAlert);
  EXPECT_TRUE(recorder.CallsNamed("StartConditionBlink").empty());

  coreState.game.galaxy[27].cells[0][0] = Cell::Empty;  // the Romulan is gone
  recorder.Clear();
  EXPECT_EQ(EvaluateConditions(), GamePhase::Yellow);
  EXPECT_EQ(Newest(), "Warning- Condition Yellow.");
  EXPECT_TRUE(recorder.CallsNamed("StartConditionBlink").empty());
  EXPECT_TRUE(recorder.CallsNamed("StopConditionBlink").empty());
}

TEST_F(Conditions, GreenStopsOnlyTheYellowBlink) {
  coreState.game.gamePhase = GamePhase::Yellow;
  coreState.game.yellowBlinkActive = 1;
  EXPECT_EQ(EvaluateConditions(), GamePhase::Green);
  EXPECT_EQ(recorder.CallsNamed("StopConditionBlink").size(), 1u);
  EXPECT_EQ(coreState.game.yellowBlinkActive, 0);
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
  coreState.game.galaxy[27].cells[4][3] = Cell::Empty;
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
    coreState.game.galaxy[27].cells[4][3] = Cell::Empty;
    PutShip(27, c.shipX, c.shipY);
    PutStarbase(27, c.baseX, c.baseY);
    EXPECT_EQ(EvaluateConditions(), GamePhase::Green) << c.where;
  }
  StartOver();
  coreState.game.galaxy[27].cells[4][3] = Cell::Empty;
  PutShip(27, 7, 7);
  PutStarbase(27, 6, 6);
  EXPECT_EQ(EvaluateConditions(), GamePhase::Docked) << "the corner still docks diagonally";
}

TEST_F(Conditions, RedAlertWinsOverDocking) {
  PutStarbase(27, 4, 4);
  AddAlien(27, 7, 7, AlienKind::Farengi);
  EXPECT_EQ(EvaluateConditions(), GamePhase::RedAlert);
  EXPECT_EQ(coreState.game.shipEnergy, 3000);
}

TEST_F(Conditions, DockingResuppliesAndRepairsOncePerDocking) {
  PutStarbase(27, 4, 4);
  coreState.game.shipEnergy = 900;
  coreState.game.shieldEnergy = 400;
  coreState.game.torpedoCount = 2;
  coreState.game.messagesToComputer = 1;
  coreState.game.Damage(ShipSystem::Phaser) = -1.0;
  coreState.game.Damage(ShipSystem::LRS) = 3.5;
  coreState.game.RepairDate(ShipSystem::LRS) = 2100.0;

  EXPECT_EQ(EvaluateConditions(), GamePhase::Docked);
  EXPECT_EQ(coreState.game.shipEnergy, FullEnergy);
  EXPECT_EQ(coreState.game.shieldEnergy, 0);
  EXPECT_EQ(coreState.game.torpedoCount, FullTorpedoes);
  EXPECT_EQ(coreState.game.messagesToComputer, 0);
  EXPECT_EQ(coreState.game.damage, decltype(coreState.game.damage){});
  EXPECT_EQ(PanelLines(), (std::vector<std::string>{"Enterprise is docked, Sir.", "Long Range Sensors repaired.",
                                                    "Phaser Banks repaired."}));
  EXPECT_EQ(coreState.game.galaxy[QuadrantNeighbour(27, 1, 1)].flags & QuadrantFlag::Charted, QuadrantFlag::Charted);
  EXPECT_EQ(recorder.CallsNamed("StandDown").size(), 1u);
  const std::vector<std::string> invalidated = recorder.CallsNamed("InvalidateStation");
  EXPECT_NE(std::find(invalidated.begin(), invalidated.end(), "Status"), invalidated.end())
      << "the Status panel shows the refilled ship";

  coreState.game.shipEnergy = 2500;  // staying docked gives nothing more
  EXPECT_EQ(EvaluateConditions(), GamePhase::Docked);
  EXPECT_EQ(coreState.game.shipEnergy, 2500);

  coreState.game.gamePhase = GamePhase::Green;  // moved away and back
  EXPECT_EQ(EvaluateConditions(), GamePhase::Docked);
  EXPECT_EQ(coreState.game.shipEnergy, FullEnergy);
}
}  // namespace
