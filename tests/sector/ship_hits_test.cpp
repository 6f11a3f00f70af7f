// What a shot that gets past the shields does: the draws in their order, the weight that
// decides between a minor report, damage and destruction, and the system that is hit.

#include "sector/ship_hits.h"

#include "core/core_state.h"
#include "core/message_catalogue.h"
#include "core/random.h"
#include "tests/sector/sector_fixture.h"

namespace {

// The random state after `draws` draws from `seed`.
std::uint32_t StateAfter(std::uint32_t seed, int draws) {
  lcg::Seed(seed);
  for (int i = 0; i < draws; ++i) lcg::rand();
  return lcg::State();
}

struct HitCase {
  const char* name;
  std::uint32_t seed;
  SkillLevel skill;
  int units;
  int draws;           // random numbers the hit takes
  MessageId message;   // the one message it posts
  ShipSystem system;   // the system it reaches (when `message` is 600 and up)
  double damageAfter;  // that system's damage afterwards
};
void PrintTo(const HitCase& row, std::ostream* os) { *os << row.name; }

class ShipHits : public SectorTest, public ::testing::WithParamInterface<HitCase> {
 protected:
  void SetUp() override {
    SectorTest::SetUp();
    StartGame();
  }
};

TEST_P(ShipHits, TakeTheirDrawsAndPostOneMessage) {
  const HitCase c = GetParam();
  coreState.game.skillLevel = c.skill;
  lcg::Seed(c.seed);
  DamageShipSystems(c.units);
  EXPECT_EQ(lcg::State(), StateAfter(c.seed, c.draws)) << "draws taken";
  EXPECT_EQ(recorder.shipMessages, std::vector<std::string>{MessageText(c.message)});
  if (c.message >= Msg::SystemDamagedFirst) {
    EXPECT_EQ(coreState.game.Damage(c.system), c.damageAfter);
  } else {
    EXPECT_EQ(coreState.game.damage, decltype(coreState.game.damage){}) << "a minor report changes nothing";
  }
}

// The expected draws were worked out by hand from the generator: v = units + skill x (R mod
// 15); below 75, or R mod 20 < 2, a minor report 500 + (R mod 23); then the destroying
// chance for v's band; then the hit number, with its redraws for 7.
INSTANTIATE_TEST_SUITE_P(
    Weights, ShipHits,
    ::testing::Values(
        HitCase{"Below75IsAlwaysMinor", 1, SkillLevel::Crewman, 74, 2, 521, {}, 0.0},
        HitCase{"At75ItCanDamage", 1, SkillLevel::Crewman, 75, 4, 600, ShipSystem::Warp, 0.6},
        HitCase{"OneHeavyHitInTenEscapes", 21, SkillLevel::Crewman, 500, 3, 518, {}, 0.0},
        HitCase{"Below150OneInElevenDestroys", 5, SkillLevel::Crewman, 149, 4, 629, ShipSystem::MessageDisplay, -1.0},
        HitCase{"At150ThreeInTwenty", 5, SkillLevel::Crewman, 150, 4, 609, ShipSystem::MessageDisplay, 1.2},
        HitCase{"Below250ThreeInTwenty", 54, SkillLevel::Crewman, 249, 4, 604, ShipSystem::Phaser, 2.0},
        HitCase{"At250FourInTwenty", 54, SkillLevel::Crewman, 250, 4, 624, ShipSystem::Phaser, -1.0},
        HitCase{"Below350FourInTwenty", 1, SkillLevel::Crewman, 349, 4, 600, ShipSystem::Warp, 2.9},
        HitCase{"At350OneInThree", 1, SkillLevel::Crewman, 350, 4, 620, ShipSystem::Warp, -1.0},
        HitCase{"Below450OneInThree", 3, SkillLevel::Crewman, 449, 4, 601, ShipSystem::SRS, 3.7},
        HitCase{"At450AlwaysWithoutADraw", 3, SkillLevel::Crewman, 450, 3, 624, ShipSystem::Phaser, -1.0},
        HitCase{"SevenRedrawnWhenTheSecondDrawIsAboveFour", 224, SkillLevel::Crewman, 200, 6, 608,
                ShipSystem::StatusPanel, 1.6},
        HitCase{"SevenStandsOtherwise", 17, SkillLevel::Crewman, 200, 5, 607, ShipSystem::DamageControl, 1.6},
        HitCase{"SkillMakesASmallHitCountButTheRepairTimeIsTheUnits", 11, SkillLevel::Admiral, 130, 4, 609,
                ShipSystem::MessageDisplay, 1.0},
        HitCase{"ATinyHitAtAdmiralDamagesForNoTimeAndTheSystemStillWorks", 11, SkillLevel::Admiral, 10, 4, 609,
                ShipSystem::MessageDisplay, 0.0}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ShotStrength, IsHalfTheEnergyPlusARandomShareOfTheOtherHalf) {
  HeadlessHost headless;
  ResetSectorState(headless);
  lcg::Seed(1);  // draws 41, 18467, 6334
  EXPECT_EQ(ShotStrength(300), 20 + 150);
  EXPECT_EQ(ShotStrength(300), 83 + 150);
  EXPECT_EQ(ShotStrength(7), 3 + 3) << "integer halves";
  for (int i = 0; i < 2000; ++i) {
    const int units = ShotStrength(300);
    ASSERT_GE(units, 150);
    ASSERT_LE(units, 299);
  }
}

TEST(ShotStrength, HalvesTheRemainderAndTheEnergyEachOnItsOwn) {
  // Both odd: halving each rounds down twice, one unit below half their sum.
  HeadlessHost headless;
  ResetSectorState(headless);
  lcg::Seed(1);                                    // draws 41, 18467
  EXPECT_EQ(ShotStrength(301), 41 / 2 + 301 / 2);  // 20 + 150
  EXPECT_EQ(ShotStrength(7), 1 / 2 + 7 / 2);       // 18467 mod 7 = 1: 0 + 3
}
}  // namespace
