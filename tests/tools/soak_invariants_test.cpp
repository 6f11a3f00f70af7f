// The soak's checks must catch each way a game can break, and must not cry wolf over the
// states the rules leave between actions on purpose.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "core_fixture.h"
#include "soak_invariants.h"

namespace {
class SoakInvariantsTest : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    StartQuietGame();  // ship in quadrant 27 at 3,4; one Klingon in quadrant 0
  }

  static std::string Broken() {
    const auto broken = FindBrokenRule(game);
    return broken ? broken->invariant : "";
  }
};

TEST_F(SoakInvariantsTest, AQuietGameAndItsLegitimateOddStatesPass) {
  EXPECT_EQ(Broken(), "");
  // A move attempted with too little energy leaves 0 for the next evaluation to end.
  game.shipEnergy = 0;
  EXPECT_EQ(Broken(), "");
  // The last clock step of an empty ship ends the game at -1.
  game.shipEnergy = -1;
  game.gamePhase = GamePhase::GameOver;
  game.gameOverReason = GameOverReason::EnergyExhausted;
  EXPECT_EQ(Broken(), "");
}

TEST_F(SoakInvariantsTest, RedAlertWithAliensPasses) {
  AddAlien(27, 6, 6, AlienKind::Borg);
  game.gamePhase = GamePhase::RedAlertAlt;
  EXPECT_EQ(Broken(), "");
}

TEST_F(SoakInvariantsTest, DockedDiagonallyBesideAStarbasePasses) {
  PutStarbase(27, 4, 5);
  game.gamePhase = GamePhase::Docked;
  EXPECT_EQ(Broken(), "");
}

struct Breakage {
  const char* name;
  std::function<void()> breakGame;
  const char* invariant;
};

class SoakBreakageTest : public SoakInvariantsTest, public ::testing::WithParamInterface<Breakage> {};

TEST_P(SoakBreakageTest, IsCaught) {
  GetParam().breakGame();
  EXPECT_EQ(Broken(), GetParam().invariant);
}

const Breakage breakages[] = {
    {"SecondShip", [] { game.galaxy[5].cells[1][1] = Cell::ShipLeft; }, "consistent game"},
    {"ShipAwayFromItsCell", [] { game.shipSectorX = 6; }, "consistent game"},
    {"AlienCellWithoutRecord", [] { game.alienTable[0].quadrant = -1; }, "consistent game"},
    {"AlienRecordWithoutCell", [] { game.galaxy[0].cells[5][5] = Cell::Empty; }, "consistent game"},
    {"QuadrantCountWrong", [] { ++game.galaxy[0].alienCount; }, "consistent game"},
    {"AliensRemainingWrong", [] { game.aliensRemaining = 2; }, "consistent game"},
    {"EnergyNegative", [] { game.shipEnergy = -1; }, "energy in range"},
    {"EnergyAboveFull", [] { game.shipEnergy = 3001; }, "energy in range"},
    {"EnergyFarBelowZeroAtTheEnd",
     [] {
       game.shipEnergy = -2;
       game.gamePhase = GamePhase::GameOver;
       game.gameOverReason = GameOverReason::EnergyExhausted;
     },
     "energy in range"},
    {"ShieldsNegative", [] { game.shieldEnergy = -1; }, "shields in range"},
    {"ShieldsAndEnergyAboveFull",
     [] {
       game.shipEnergy = 2000;
       game.shieldEnergy = 1001;
     },
     "shields in range"},
    {"TorpedoesEleven", [] { game.torpedoCount = 11; }, "torpedoes in range"},
    {"TorpedoesNegative", [] { game.torpedoCount = -1; }, "torpedoes in range"},
    {"StardateNaN", [] { game.stardateNow = std::numeric_limits<double>::quiet_NaN(); }, "stardate sane"},
    {"StardateBeforeTheStart", [] { game.stardateNow = game.stardateStart - 0.1; }, "stardate sane"},
    {"StardateCenturiesAhead", [] { game.stardateNow = game.stardateStart + 500.0; }, "stardate sane"},
    {"DamageHalfDestroyed", [] { game.Damage(ShipSystem::Warp) = -0.5; }, "damage values"},
    {"DamageNaN", [] { game.Damage(ShipSystem::LRS) = std::nan(""); }, "damage values"},
    {"RepairDateInfinite",
     [] { game.RepairDate(ShipSystem::Shield) = std::numeric_limits<double>::infinity(); },
     "damage values"},
    {"RedAlertWithoutAliens", [] { game.gamePhase = GamePhase::RedAlert; }, "red alert with aliens"},
    {"AliensWithoutRedAlert", [] { AddAlien(27, 0, 0, AlienKind::Farengi); }, "red alert with aliens"},
    {"DockedWithNoStarbaseAlongside",
     [] {
       PutStarbase(27, 5, 4);  // two sectors off
       game.gamePhase = GamePhase::Docked;
     },
     "docked beside a starbase"},
    {"NoGameInPlay", [] { game.gamePhase = GamePhase::NoGame; }, "phase of a game in play"},
    {"LastAlienGoneButTheGameGoesOn",
     [] {
       game.galaxy[0].cells[5][5] = Cell::Empty;
       game.galaxy[0].alienCount = 0;
       game.alienTable[0].quadrant = -1;
       game.aliensRemaining = 0;
     },
     "phase of a game in play"},
    {"WonWithAliensLeft",
     [] {
       game.gamePhase = GamePhase::GameOver;
       game.gameOverReason = GameOverReason::AliensDestroyed;
     },
     "game over for its reason"},
    {"TimeUpTooEarly",
     [] {
       game.gamePhase = GamePhase::GameOver;
       game.gameOverReason = GameOverReason::TimeExpired;
     },
     "game over for its reason"},
    {"SystemsOutWithOneWorking",
     [] {
       game.damage.fill(-1.0);
       game.Damage(ShipSystem::Computer) = 0.0;
       game.gamePhase = GamePhase::GameOver;
       game.gameOverReason = GameOverReason::SystemsDisabled;
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

INSTANTIATE_TEST_SUITE_P(EachWay, SoakBreakageTest, ::testing::ValuesIn(breakages),
                         [](const auto& row) { return std::string(row.param.name); });
}  // namespace
