// A station brought back on the bridge shows the game as it stands: whatever changed while it
// was hidden or minimized, its face is what its paint draws from the game at that moment.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMdiSubWindow>
#include <functional>
#include <ostream>

#include "core/core_state.h"
#include "core/game_state.h"
#include "core/options.h"
#include "sector/scan_requests.h"
#include "shell/station_windows.h"
#include "stations/panel_drawing.h"
#include "stations/station_handles.h"
#include "stations/station_state.h"
#include "stations/station_window.h"
#include "tests/shell/bridge_fixture.h"

namespace {

class StationFacesTest : public BridgeTest {
 protected:
  void SetUp() override {
    BridgeTest::SetUp();
    qtHost.UseVirtualClock(1000000);
    NewGameFromMenu(GreenSeed);
  }

  // The face as the screen shows it, and as a fresh paint from the game draws it.
  static QImage OnScreen(Station s) { return StationHandle(s)->grab().toImage().convertToFormat(QImage::Format_RGB32); }
  static QImage FreshlyPainted(Station s) {
    StationHandle(s)->Invalidate(true);
    return OnScreen(s);
  }
  static void BringUp(Station s) {
    ShowStation(s);
    QApplication::processEvents();
  }
};

TEST_F(StationFacesTest, TheLongRangeScanShowsEveryQuadrantChartedOnTheWay) {
  BringUp(Station::LongRangeScan);
  const QImage atStart = OnScreen(Station::LongRangeScan);
  BringUp(Station::ShortRangeScan);  // the scan goes down again: one station at a time
  ASSERT_TRUE(StationFrame(Station::LongRangeScan)->isMinimized());

  for (int warp = 0; warp < 2; ++warp) RequestMove(90, 0, 1);
  int charted = 0;
  for (const QuadrantRecord& q : coreState.game.galaxy) charted += (q.flags & QuadrantFlag::Charted) != 0;
  ASSERT_EQ(charted, 15) << "two warps east chart two more columns of three";

  BringUp(Station::LongRangeScan);
  const QImage shown = OnScreen(Station::LongRangeScan);
  EXPECT_NE(shown, atStart);
  EXPECT_EQ(shown, FreshlyPainted(Station::LongRangeScan));
}

// A change to the game that station s paints, made with no word to the station.
struct HiddenChange {
  Station station;
  const char* name;
  std::function<void()> change;
  bool showsOnTheFace = true;
};

void PrintTo(const HiddenChange& c, std::ostream* out) { *out << c.name; }

void PutKlingonInFirstEmptySector() {
  for (auto& row : coreState.game.ShipQuadrantRecord().cells)
    for (SectorCell& cell : row)
      if (cell == Cell::Empty) {
        cell = static_cast<SectorCell>(AlienKind::Klingon);
        return;
      }
}

const HiddenChange Changes[] = {
    {Station::ShortRangeScan, "ShortRangeScan", PutKlingonInFirstEmptySector},
    {Station::LongRangeScan, "LongRangeScan",
     [] {
       for (QuadrantRecord& q : coreState.game.galaxy) q.flags |= QuadrantFlag::Charted;
     }},
    {Station::Navigation, "Navigation", [] { coreState.game.Damage(ShipSystem::Warp) = 1.5; }},
    {Station::PhotonTorpedoes, "PhotonTorpedoes", [] { coreState.game.Damage(ShipSystem::Photon) = 1.5; }},
    {Station::Phasers, "Phasers", [] { coreState.game.Damage(ShipSystem::Phaser) = 1.5; }},
    {Station::Shields, "Shields",
     [] {
       coreState.game.shipEnergy -= 700;
       coreState.game.shieldEnergy += 700;
     }},
    {Station::DamageReport, "DamageReport",
     [] {
       coreState.game.Damage(ShipSystem::LRS) = 1.5;
       coreState.game.RepairDate(ShipSystem::LRS) = coreState.game.stardateNow + 1.5;
     }},
    {Station::Computer, "Computer", [] { coreState.game.Damage(ShipSystem::Computer) = 1.5; }},
    {Station::Status, "Status", [] { coreState.game.stardateNow += 7.3; }},
    {Station::Messages, "Messages", [] { coreState.game.Damage(ShipSystem::MessageDisplay) = 1.5; }},
    // The Controls window paints no figures of the game: what it drew while down stands in
    // for anything that went stale meanwhile.
    {Station::Controls, "Controls", [] { stationState.controlsWindow->Surface().fill(Qt::magenta); }, false},
};

class StationComesBack : public StationFacesTest, public ::testing::WithParamInterface<HiddenChange> {
 protected:
  void SetUp() override {
    StationFacesTest::SetUp();
    coreState.pausedFlag = 1;  // no animation moves while the faces are compared
  }

  static void ExpectFaceAsTheGameStands(const HiddenChange& c, const QImage& before) {
    const QImage shown = OnScreen(c.station);
    if (c.showsOnTheFace) {
      EXPECT_NE(shown, before) << "the change shows on the face";
    }
    EXPECT_EQ(shown, FreshlyPainted(c.station));
  }
};

TEST_P(StationComesBack, FromMinimizedShowingTheGameAsItStands) {
  const HiddenChange& c = GetParam();
  BringUp(c.station);
  const QImage before = OnScreen(c.station);
  StationFrame(c.station)->showMinimized();
  QApplication::processEvents();
  c.change();
  BringUp(c.station);
  ExpectFaceAsTheGameStands(c, before);
}

TEST_P(StationComesBack, FromHiddenShowingTheGameAsItStands) {
  const HiddenChange& c = GetParam();
  BringUp(c.station);
  const QImage before = OnScreen(c.station);
  StationFrame(c.station)->hide();
  QApplication::processEvents();
  c.change();
  BringUp(c.station);
  ExpectFaceAsTheGameStands(c, before);
}

INSTANTIATE_TEST_SUITE_P(EveryStation, StationComesBack, ::testing::ValuesIn(Changes),
                         [](const ::testing::TestParamInfo<HiddenChange>& each) { return each.param.name; });

}  // namespace
