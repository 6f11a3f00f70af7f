// The soak's checks must catch each way a game can break, and must not cry wolf over the
// states the rules leave between actions on purpose.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "core/core_state.h"
#include "tests/support/core_fixture.h"
#include "tools/soak_invariants.h"

namespace {
class SoakInvariantsTest : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    StartQuietGame();  // ship in quadrant 27 at 3,4; one Klingon in quadrant 0
  }

  static std::string Broken() {
    const auto broken = FindBrokenRule(coreState.game);
    return broken ? broken->invariant : "";
  }
};

TEST_F(SoakInvariantsTest, AQuietGameAndItsLegitimateOddStatesPass) {
  EXPECT_EQ(Broken(), "");
  // A move attempted with too little energy leaves 0 for the next evaluation to end.
  coreState.game.shipEnergy = 0;
  EXPECT_EQ(Broken(), "");
  // The last clock step of an empty ship ends the game at -1.
  coreState.game.shipEnergy = -1;
  coreState.game.gamePhase = GamePhase::GameOver;
  coreState.game.gameOverReason = GameOverReason::EnergyExhausted;
  EXPECT_EQ(Broken(), "");
}

TEST_F(SoakInvariantsTest, RedAlertWithAliensPasses) {
  AddAlien(27, 6, 6, AlienKind::Borg);
  coreState.game.gamePhase = GamePhase::RedAlertAlt;
  EXPECT_EQ(Broken(), "");
}

TEST_F(SoakInvariantsTest, DockedDiagonallyBesideAStarbasePasses) {
  PutStarbase(27, 4, 5);
  coreState.game.gamePhase = GamePhase::Docked;
  EXPECT_EQ(Broken(), "");
}

struct Breakage {
  const char* name;
  std::function<void()> breakGame;
  const char* invariant;
};
void PrintTo(const Breakage& row, std::ostream* os) { *os << row.name; }

class SoakBreakageTest : public SoakInvariantsTest, public ::testing::WithParamInterface<Breakage> {};

TEST_P(SoakBreakageTest, IsCaught) {
  GetParam().breakGame();
  EXPECT_EQ(Broken(), GetParam().invariant);
}

const Breakage Breakages[] = {
    {"SecondShip", [] { coreState.game.galaxy[5].cells[1][1] = Cell::ShipLeft; }, "consistent game"},
    {"ShipAwayFromItsCell", [] { coreState.game.shipSectorX = 6; }, "consistent game"},
    {"AlienCellWithoutRecord", [] { coreState.game.alienTable[0].quadrant = -1; }, "consistent game"},
    {"AlienRecordWithoutCell", [] { coreState.game.galaxy[0].cells[5][5] = Cell::Empty; }, "consistent game"},
    {"QuadrantCountWrong", [] { ++coreState.game.galaxy[0].alienCount; }, "consistent game"},
    {"AliensRemainingWrong", [] { coreState.game.aliensRemaining = 2; }, "consistent game"},
    {"EnergyNegative", [] { coreState.game.shipEnergy = -1; }, "energy in range"},
    {"EnergyAboveFull", [] { coreState.game.shipEnergy = 3001; }, "energy in range"},
    {"EnergyFarBelowZeroAtTheEnd",
     [] {
       coreState.game.shipEnergy = -2;
       coreState.game.gamePhase = GamePhase::GameOver;
       coreState.game.gameOverReason = GameOverReason::EnergyExhausted;
     },
     "energy in range"},
    {"ShieldsNegative", [] { coreState.game.shieldEnergy = -1; }, "shields in range"},
    {"ShieldsAndEnergyAboveFull",
     [] {
       coreState.game.shipEnergy = 2000;
       coreState.game.shieldEnergy = 1001;
     },
     "shields in range"},
    {"TorpedoesEleven", [] { coreState.game.torpedoCount = 11; }, "torpedoes in range"},
    {"TorpedoesNegative", [] { coreState.game.torpedoCount = -1; }, "torpedoes in range"},
    {"StardateNaN", [] { coreState.game.stardateNow = std::numeric_limits<double>::quiet_NaN(); }, "stardate sane"},
    {"StardateBeforeTheStart", [] { coreState.game.stardateNow = coreState.game.stardateStart - 0.1; },
     "stardate sane"},
    {"StardateCenturiesAhead", [] { coreState.game.stardateNow = coreState.game.stardateStart + 500.0; },
     "stardate sane"},
    {"DamageHalfDestroyed", [] { coreState.game.Damage(ShipSystem::Warp) = -0.5; }, "damage values"},
    {"DamageNaN", [] { coreState.game.Damage(ShipSystem::LRS) = std::nan(""); }, "damage values"},
    {"RepairDateInfinite",
     [] { coreState.game.RepairDate(ShipSystem::Shield) = std::numeric_limits<double>::infinity(); }, "damage values"},
    {"RedAlertWithoutAliens", [] { coreState.game.gamePhase = GamePhase::RedAlert; }, "red alert with aliens"},
    {"AliensWithoutRedAlert", [] { AddAlien(27, 0, 0, AlienKind::Farengi); }, "red alert with aliens"},
    {"DockedWithNoStarbaseAlongside",
     [] {
       PutStarbase(27, 5, 4);  // two sectors off
       coreState.game.gamePhase = GamePhase::Docked;
     },
     "docked beside a starbase"},
    {"NoGameInPlay", [] { coreState.game.gamePhase = GamePhase::NoGame; }, "phase of a game in play"},
    {"LastAlienGoneButTheGameGoesOn",
     [] {
       coreState.game.galaxy[0].cells[5][5] = Cell::Empty;
       coreState.game.galaxy[0].alienCount = 0;
       coreState.game.alienTable[0].quadrant = -1;
       coreState.game.aliensRemaining = 0;
     },
     "phase of a game in play"},
    {"WonWithAliensLeft",
     [] {
       coreState.game.gamePhase = GamePhase::GameOver;
       coreState.game.gameOverReason = GameOverReason::AliensDestroyed;
     },
     "game over for its reason"},
    {"TimeUpTooEarly",
     [] {
       coreState.game.gamePhase = GamePhase::GameOver;
       coreState.game.gameOverReason = GameOverReason::TimeExpired;
     },
     "game over for its reason"},
    {"SystemsOutWithOneWorking",
     [] {
       coreState.game.damage.fill(-1.0);
       coreState.game.Damage(ShipSystem::Computer) = 0.0;
       coreState.game.gamePhase = GamePhase::GameOver;
       coreState.game.gameOverReason = GameOverReason::SystemsDisabled;
     },
     "game over for its reason"},
};
TEST(SoakInternalError, OnlyTheGamesInternalErrorTextCounts) {
  EXPECT_FALSE(FindInternalError({"Alien Destroyed.", "Internal", "Torpedo lost in space."}));
  const auto broken = FindInternalError({"Firing Photon Torpedo...", "Internal Error: srs954"});
  ASSERT_TRUE(broken);
  EXPECT_EQ(broken->invariant, "no internal error");
  EXPECT_EQ(broken->detail, "Internal Error: srs954");
}

INSTANTIATE_TEST_SUITE_P(EachWay, SoakBreakageTest, ::testing::ValuesIn(Breakages),
                         [](const auto& row) { return std::string(row.param.name); });

struct Change {
  const char* name;
  std::function<void(GameState&)> change;
  const char* invariant;  // "" when the change is a lawful one
};
void PrintTo(const Change& row, std::ostream* os) { *os << row.name; }

class SoakChangeTest : public SoakInvariantsTest, public ::testing::WithParamInterface<Change> {};

TEST_P(SoakChangeTest, IsJudged) {
  coreState.game.galaxy[0].cells[0][0] = Cell::StarA;
  ++coreState.game.galaxy[0].starCount;
  coreState.game.shipEnergy = 2000;
  coreState.game.torpedoCount = 5;
  GameState after = coreState.game;
  GetParam().change(after);
  const auto broken = FindBrokenChange(coreState.game, after);
  EXPECT_EQ(broken ? broken->invariant : "", GetParam().invariant);
}

const Change Changes[] = {
    {"Nothing", [](GameState&) {}, ""},
    {"AlienMovesWithinItsQuadrant", [](GameState& g) { g.alienTable[0].sectorX = 4; }, ""},
    {"AlienDestroyed",
     [](GameState& g) {
       g.alienTable[0].quadrant = -1;
       g.aliensRemaining = 0;
     },
     ""},
    {"AlienHitLosesEnergy", [](GameState& g) { g.alienTable[0].energy -= 50; }, ""},
    {"AlienChangesQuadrant", [](GameState& g) { g.alienTable[0].quadrant = 1; }, "aliens keep to their quadrants"},
    {"AlienTableShrinks", [](GameState& g) { g.alienTable.clear(); }, "aliens keep to their quadrants"},
    {"AlienRegainsEnergy", [](GameState& g) { g.alienTable[0].energy += 1; }, "aliens never regain energy"},
    {"StarbaseAppears", [](GameState& g) { ++g.galaxy[9].starbaseCount; }, "starbases never appear"},
    {"StarVanishes", [](GameState& g) { g.galaxy[0].cells[0][0] = Cell::Empty; }, "stars stay"},
    {"StarChangesClass", [](GameState& g) { g.galaxy[0].cells[0][0] = Cell::StarB; }, "stars stay"},
    {"StarTwinkles", [](GameState& g) { g.galaxy[0].cells[0][0] = Cell::StarA + 3 * 256; }, ""},
    {"TimeGoesBack", [](GameState& g) { g.stardateNow -= 0.1; }, "time runs forward"},
    {"TimeRoundedOnTheWayBack", [](GameState& g) { g.stardateNow = g.stardateNow + 1.0 - 1.0 - 1e-9; }, ""},
    {"AlienRevived", [](GameState& g) { ++g.aliensRemaining; }, "the destroyed stay destroyed"},
    {"TorpedoFromNowhere", [](GameState& g) { ++g.torpedoCount; }, "only docking refills"},
    {"EnergyFromNowhere", [](GameState& g) { g.shieldEnergy += 1; }, "only docking refills"},
    {"ShieldsCharged",
     [](GameState& g) {
       g.shipEnergy -= 500;
       g.shieldEnergy += 500;
     },
     ""},
    {"DockingRefills",
     [](GameState& g) {
       g.torpedoCount = 10;
       g.shipEnergy = 3000;
       g.gamePhase = GamePhase::Docked;
     },
     ""},
};
INSTANTIATE_TEST_SUITE_P(EachChange, SoakChangeTest, ::testing::ValuesIn(Changes),
                         [](const auto& row) { return std::string(row.param.name); });
}  // namespace
