#include <algorithm>

#include "core/core_state.h"
#include "core/ship_damage.h"
#include "tests/support/core_fixture.h"

namespace {
using Calls = std::vector<HeadlessHost::Call>;

class ShipDamage : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    StartQuietGame();
  }
  void Damage(ShipSystem s, double days, double backAt) {
    coreState.game.Damage(s) = days;
    coreState.game.RepairDate(s) = backAt;
  }
  // The calls about one station, in the order it received them.
  Calls CallsFor(const std::string& station) const {
    Calls mine;
    for (const auto& call : recorder.calls)
      if (call.detail == station || call.detail.rfind(station + " ", 0) == 0) mine.push_back(call);
    return mine;
  }
};

TEST_F(ShipDamage, EverySystemDueComesBackInTheFixedOrder) {
  coreState.game.messagesToComputer = 1;  // the console shows every message, the panel's own included
  for (int s = 0; s < SystemCount; ++s) Damage(static_cast<ShipSystem>(s), 1.0, 2000.0 - s * 0.1);
  ApplyRepairs();
  EXPECT_EQ(recorder.console,
            "Short Range Sensors repaired.\nLong Range Sensors repaired.\nWarp Drive back on line.\n"
            "Shields repaired.\nTorpedo Control restored.\nPhaser Banks repaired.\nComputer repaired.\n"
            "Damage Report Systems repaired.\nBridge Status Panel repaired.\nMessage Display back on line.\n");
  EXPECT_EQ(coreState.game.damage, decltype(coreState.game.damage){});
}

TEST_F(ShipDamage, OnlyDueDamagedSystemsAreRepaired) {
  Damage(ShipSystem::Warp, 0.7, 2000.0);    // due exactly now
  Damage(ShipSystem::Phaser, 0.7, 2000.1);  // not yet
  Damage(ShipSystem::Photon, -1.0, 0.0);    // destroyed: time never mends it
  coreState.game.stardateNow = 2000.0;
  ApplyRepairs();
  EXPECT_EQ(PanelLines(), std::vector<std::string>{"Warp Drive back on line."});
  EXPECT_EQ(coreState.game.Damage(ShipSystem::Phaser), 0.7);
  coreState.game.stardateNow = 9000.0;
  ApplyRepairs();
  EXPECT_EQ(coreState.game.Damage(ShipSystem::Photon), -1.0);
}

TEST_F(ShipDamage, RepairsRefreshEachStationTheWayItNeeds) {
  Damage(ShipSystem::Shield, 1.0, 1999.0);
  Damage(ShipSystem::StatusPanel, 1.0, 1999.0);
  Damage(ShipSystem::MessageDisplay, 1.0, 1999.0);
  ApplyRepairs();
  EXPECT_EQ(CallsFor("Shields"), (Calls{{"InvalidateStation", "Shields erase"}, {"UpdateStation", "Shields"}}));
  EXPECT_EQ(CallsFor("Status"),
            (Calls{{"ShowStationNormal", "Status"}, {"InvalidateStation", "Status"}, {"UpdateStation", "Status"}}));
  EXPECT_EQ(CallsFor("Messages"), (Calls{{"ShowStationNormal", "Messages"},
                                         {"InvalidateStation", "Messages erase"},
                                         {"UpdateStation", "Messages"}}));
  EXPECT_EQ(CallsFor("Damage Report"), (Calls{{"InvalidateStation", "Damage Report"}}));
  EXPECT_EQ(recorder.calls.size(), 2u + 3u + 3u + 1u + 1u) << "and the one message, nothing else";
  // Messages posted while the display is still down are lost; its own lands once it is back.
  const auto shown =
      std::find(recorder.calls.begin(), recorder.calls.end(), HeadlessHost::Call{"UpdateStation", "Messages"});
  EXPECT_NE(std::find(shown, recorder.calls.end(), HeadlessHost::Call{"MessagesChanged", ""}), recorder.calls.end());
  EXPECT_EQ(PanelLines(), std::vector<std::string>{"Message Display back on line."});
}

TEST_F(ShipDamage, TheDamageReportIsRefreshedOnlyWhenItCanShowTheRepairs) {
  auto reportRefreshes = [&] {
    recorder.Clear();
    ApplyRepairs();
    int refreshes = 0;
    for (const auto& call : recorder.calls)
      refreshes += call == HeadlessHost::Call{"InvalidateStation", "Damage Report"};
    return refreshes;
  };
  Damage(ShipSystem::Warp, 1.0, 1999.0);
  Damage(ShipSystem::DamageControl, 1.0, 2005.0);
  EXPECT_EQ(reportRefreshes(), 0);  // the report itself is out

  Damage(ShipSystem::Warp, 1.0, 1999.0);
  Damage(ShipSystem::DamageControl, 1.0, 1999.0);
  EXPECT_EQ(reportRefreshes(), 2);  // its own repair, then the final refresh

  Damage(ShipSystem::Warp, 1.0, 1999.0);
  recorder.minimized[static_cast<int>(Station::DamageReport)] = true;
  EXPECT_EQ(reportRefreshes(), 0);
}

struct Hit {
  int hit;
  ShipSystem system;
  const char* station;
};
void PrintTo(const Hit& row, std::ostream* os) { *os << "hit " << row.hit << " on " << row.station; }

class EveryHit : public ShipDamage, public ::testing::WithParamInterface<Hit> {};

TEST_P(EveryHit, WorkingThenDamagedThenDestroyed) {
  const Hit h = GetParam();
  const std::string stationErase = std::string(h.station) + (h.system == ShipSystem::StatusPanel ? "" : " erase");
  ASSERT_EQ(SystemForHit(h.hit), h.system);

  DamageSystemByHit(h.hit, 250, false);  // (250 / 12) / 10 = 2.0 days
  EXPECT_EQ(coreState.game.Damage(h.system), 2.0);
  EXPECT_EQ(coreState.game.RepairDate(h.system), 2002.0);
  EXPECT_EQ(recorder.CallsNamed("InvalidateStation").front(), stationErase);
  EXPECT_EQ(recorder.CallsNamed("TakeFocusFrom"), std::vector<std::string>{h.station});

  coreState.game.messagesToComputer = 1;
  DamageSystemByHit(h.hit, 130, false);  // 1.0 day more pushes the repair back
  EXPECT_EQ(coreState.game.Damage(h.system), 3.0);
  EXPECT_EQ(coreState.game.RepairDate(h.system), 2003.0);
  coreState.game.stardateNow = 2002.0;
  ApplyRepairs();
  EXPECT_EQ(coreState.game.Damage(h.system), 3.0);

  DamageSystemByHit(h.hit, 10, true);
  EXPECT_EQ(coreState.game.Damage(h.system), -1.0);
  EXPECT_EQ(coreState.game.RepairDate(h.system), 0.0);

  const std::string before = recorder.console;
  DamageSystemByHit(h.hit, 999, true);
  DamageSystemByHit(h.hit, 999, false);
  EXPECT_EQ(recorder.console, before);
  EXPECT_EQ(coreState.game.Damage(h.system), -1.0);
}

INSTANTIATE_TEST_SUITE_P(
    Systems, EveryHit,
    ::testing::Values(Hit{0, ShipSystem::Warp, "Navigation"}, Hit{1, ShipSystem::SRS, "Short Range Scan"},
                      Hit{2, ShipSystem::LRS, "Long Range Scan"}, Hit{3, ShipSystem::Shield, "Shields"},
                      Hit{4, ShipSystem::Phaser, "Phasers"}, Hit{5, ShipSystem::Photon, "Photon Torpedoes"},
                      Hit{6, ShipSystem::Computer, "Computer"}, Hit{7, ShipSystem::DamageControl, "Damage Report"},
                      Hit{8, ShipSystem::StatusPanel, "Status"}, Hit{9, ShipSystem::MessageDisplay, "Messages"}),
    [](const auto& row) { return "Hit" + std::to_string(row.param.hit); });

TEST_F(ShipDamage, HitsAreAnnouncedWithTheirSystemsMessages) {
  coreState.game.messagesToComputer = 1;
  DamageSystemByHit(0, 240, false);
  DamageSystemByHit(0, 240, false);
  DamageSystemByHit(0, 240, true);
  DamageSystemByHit(9, 240, true);
  EXPECT_EQ(recorder.console,
            "Warp Drive Seriously Damaged\nAnother direct hit on Warp Engines\nWarp Engines have been destroyed\n"
            "Message Display System destroyed\n");
}

TEST_F(ShipDamage, AGrazeTooSmallToChargeTimeLeavesTheSystemWorking) {
  DamageSystemByHit(4, 11, false);
  EXPECT_EQ(PanelLines(), std::vector<std::string>{"Phasers Are Now Inoperative"});
  EXPECT_TRUE(coreState.game.Working(ShipSystem::Phaser));
}
}  // namespace
