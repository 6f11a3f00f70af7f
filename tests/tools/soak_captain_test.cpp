// The soak's captain plays with purpose: it docks when supplies run low and aims its
// torpedoes so that they hit.

#include <gtest/gtest.h>

#include "core/conditions.h"
#include "core/core_state.h"
#include "sector/scan_requests.h"
#include "sector/sector_reset.h"
#include "tests/support/core_fixture.h"
#include "tools/soak_captain.h"

namespace {
class SoakCaptainTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSectorState(recorder);
    StartQuietGame();  // ship in quadrant 27 at 3,4; one Klingon in quadrant 0
  }

  // Asks the captain up to `decisions` times, carrying out only the commands of `kind`,
  // until `done` holds; false if it never does. The captain's choices are seeded, so each
  // run is the same.
  template <class Done>
  bool Play(SoakAction::Kind kind, int decisions, Done&& done) {
    Captain captain(5);
    for (int i = 0; i < decisions && !done(); ++i) {
      const SoakAction action = captain.Decide(coreState.game);
      if (action.kind != kind) continue;
      if (kind == SoakAction::Kind::Impulse) RequestMove(action.course, action.amount, 0);
      if (kind == SoakAction::Kind::Torpedo) RequestTorpedo(action.course, action.amount);
    }
    return done();
  }

  HeadlessHost recorder;
};

TEST_F(SoakCaptainTest, LowOnEnergyItDocksAtTheStarbaseOfItsQuadrant) {
  PutStarbase(27, 6, 0);
  coreState.game.shipEnergy = 700;
  EvaluateConditions();
  ASSERT_EQ(coreState.game.gamePhase, GamePhase::Green);
  EXPECT_TRUE(Play(SoakAction::Kind::Impulse, 30, [] { return coreState.game.gamePhase == GamePhase::Docked; }));
  EXPECT_EQ(coreState.game.shipEnergy, FullEnergy);
}

TEST_F(SoakCaptainTest, InRedAlertItsTorpedoesFindAnAlienOffTheCompassPoints) {
  AddAlien(27, 5, 7, AlienKind::Klingon);  // 2 columns right, 3 rows down
  EvaluateConditions();
  ASSERT_TRUE(coreState.game.InRedAlert());
  EXPECT_TRUE(Play(SoakAction::Kind::Torpedo, 30, [] { return coreState.game.galaxy[27].alienCount == 0; }));
  EXPECT_EQ(coreState.game.torpedoCount, FullTorpedoes - 1) << "a torpedo missed";
}

TEST_F(SoakCaptainTest, ItHoldsItsTorpedoesWhenAStarCoversTheAlien) {
  AddAlien(27, 7, 4, AlienKind::Klingon);
  coreState.game.galaxy[27].cells[4][5] = Cell::StarA;  // straight between, on the ship's row
  ++coreState.game.galaxy[27].starCount;
  EvaluateConditions();
  Play(SoakAction::Kind::Torpedo, 30, [] { return false; });
  for (const std::string& message : recorder.shipMessages)
    EXPECT_EQ(message.find("Torpedo consumed by Star at 6,5"), std::string::npos);
  EXPECT_EQ(coreState.game.galaxy[27].alienCount, 1);
}

}  // namespace
