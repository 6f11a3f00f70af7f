// The stations from the keyboard alone: the letters of the factor, DISTANCE and mode buttons,
// the Damage Report's column, Tab and Shift+Tab moving the focus ring among a station's
// buttons and Space clicking the one inside it, the ring drawn on the screen only.

#include <QKeyEvent>

#include "core/core_state.h"
#include "core/game_state.h"
#include "core/options.h"
#include "stations/controls_window.h"
#include "stations/damage_report.h"
#include "stations/navigation_station.h"
#include "stations/phaser_station.h"
#include "stations/photon_station.h"
#include "stations/shield_station.h"
#include "stations/station_state.h"
#include "stations/surface_drawing.h"
#include "tests/stations/station_fixture.h"

namespace {
constexpr QRgb RingGreen = qRgb(0, 255, 0);

class StationKeys : public StationTest {
 protected:
  void SetUp() override {
    StationTest::SetUp();
    coreState.options.autoSrs = 0;
    DrawQuadrant(27, {"........", "........", "........", "....K...", ">.......", "........", "........", "........"});
  }

  static void Press(QWidget& station, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(&station, key, modifiers);
    QApplication::processEvents();  // what a click posts
  }

  // Shows the station with the keyboard, as bringing it up does.
  static void GiveKeyboard(QWidget& station) {
    station.show();
    station.activateWindow();
    station.setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&station));
    ASSERT_TRUE(station.hasFocus());
  }

  // The dots of the ring round `rect` that are in `colour` on `image`, of all its dots.
  static std::pair<int, int> RingDots(const QImage& image, const QRect& ring, QRgb colour) {
    int lit = 0, dots = 0;
    for (int x = ring.left(); x <= ring.right(); ++x)
      for (int y = ring.top(); y <= ring.bottom(); ++y) {
        const bool edge = x == ring.left() || x == ring.right() || y == ring.top() || y == ring.bottom();
        if (!edge || (x + y) % 2 != 0) continue;
        ++dots;
        lit += image.pixel(x, y) == colour;
      }
    return {lit, dots};
  }
  static QImage OnScreen(QWidget& station) { return station.grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

TEST_F(StationKeys, NavigationCountsWarpAndImpulseByTheirLettersUnderTheButtonsRules) {
  NavigationStation nav;
  GiveKeyboard(nav);
  Press(nav, Qt::Key_W);
  Press(nav, Qt::Key_W);
  Press(nav, Qt::Key_W);
  Press(nav, Qt::Key_W, Qt::ShiftModifier);
  EXPECT_EQ(nav.WarpSetting(), 2);
  Press(nav, Qt::Key_I);
  EXPECT_EQ(nav.ImpulseSetting(), 1);
  EXPECT_EQ(nav.WarpSetting(), 0) << "raising impulse clears warp, as the button does";
  Press(nav, Qt::Key_I, Qt::ShiftModifier);
  EXPECT_EQ(nav.ImpulseSetting(), 0);
  EXPECT_EQ(nav.FocusedButton(), NavigationStation::ImpulseDown) << "the ring follows the key";
  EXPECT_EQ(nav.PressedButton(), -1) << "and the button is up again";

  coreState.game.Damage(ShipSystem::Warp) = 1.5;
  Press(nav, Qt::Key_W);
  EXPECT_EQ(nav.WarpSetting(), 0) << "a damaged warp drive refuses the key as it refuses the button";
}

TEST_F(StationKeys, PhotonTorpedoesCountTheDistanceByD) {
  PhotonStation photon;
  GiveKeyboard(photon);
  for (int i = 0; i < 4; ++i) Press(photon, Qt::Key_D);
  Press(photon, Qt::Key_D, Qt::ShiftModifier);
  EXPECT_EQ(photon.TorpedoDistance(), 3);
  coreState.game.Damage(ShipSystem::Photon) = 2.0;
  Press(photon, Qt::Key_D);
  EXPECT_EQ(photon.TorpedoDistance(), 3) << "nothing while the tubes are damaged";
}

TEST_F(StationKeys, PhasersChooseWideDispersalByWAndASingleTargetByS) {
  PhaserStation phasers;
  GiveKeyboard(phasers);
  Press(phasers, Qt::Key_W);
  EXPECT_FALSE(phasers.PhaserSingleTarget());
  Press(phasers, Qt::Key_S);
  EXPECT_TRUE(phasers.PhaserSingleTarget());
}

TEST_F(StationKeys, TabMovesTheRingRoundTheButtonsAndSpaceClicksTheOneInside) {
  NavigationStation nav;
  GiveKeyboard(nav);
  EXPECT_EQ(nav.FocusedButton(), NavigationStation::WarpUp);
  QTest::keyClick(&nav, Qt::Key_Backtab);
  EXPECT_EQ(nav.FocusedButton(), NavigationStation::Execute) << "Shift+Tab goes round backwards";
  QTest::keyClick(&nav, Qt::Key_Tab);
  QTest::keyClick(&nav, Qt::Key_Tab);
  QTest::keyClick(&nav, Qt::Key_Tab);
  EXPECT_EQ(nav.FocusedButton(), NavigationStation::ImpulseUp);
  EXPECT_TRUE(nav.hasFocus()) << "Tab stays within the station";
  Press(nav, Qt::Key_Space);
  Press(nav, Qt::Key_Space);
  EXPECT_EQ(nav.ImpulseSetting(), 2);

  ShieldStation shields;
  GiveKeyboard(shields);
  const int energy = coreState.game.shipEnergy + coreState.game.shieldEnergy,
            shieldsBefore = coreState.game.shieldEnergy;
  Press(shields, Qt::Key_Space);                     // More, by 10
  Press(shields, Qt::Key_Space, Qt::ShiftModifier);  // and by 1
  QTest::keyClick(&shields, Qt::Key_Tab);
  QTest::keyClick(&shields, Qt::Key_Tab);
  ASSERT_EQ(shields.FocusedButton(), ShieldStation::Execute);
  Press(shields, Qt::Key_Space);
  EXPECT_EQ(coreState.game.shieldEnergy, shieldsBefore + 11) << "EXECUTE inside the ring commits";
  EXPECT_EQ(coreState.game.shipEnergy + coreState.game.shieldEnergy, energy);
}

TEST_F(StationKeys, TheRingIsDottedInThePanelsGreenOnTheScreenOnlyAndOnlyWithTheKeyboard) {
  PhotonStation photon;
  GiveKeyboard(photon);
  const QRect distanceUp = FocusRingRect(EdgeRect(41, 59, 56, 75));
  const QRect distanceDown = FocusRingRect(EdgeRect(94, 59, 108, 75));
  auto [lit, dots] = RingDots(OnScreen(photon), distanceUp, RingGreen);
  EXPECT_EQ(lit, dots) << "every other pixel round DISTANCE up";
  EXPECT_LT(RingDots(Face(photon), distanceUp, RingGreen).first, dots) << "the face itself holds no ring";

  QTest::keyClick(&photon, Qt::Key_Tab);
  EXPECT_LT(RingDots(OnScreen(photon), distanceUp, RingGreen).first, dots) << "the ring left DISTANCE up";
  std::tie(lit, dots) = RingDots(OnScreen(photon), distanceDown, RingGreen);
  EXPECT_EQ(lit, dots) << "for DISTANCE down";

  photon.clearFocus();
  EXPECT_LT(RingDots(OnScreen(photon), distanceDown, RingGreen).first, dots) << "no ring without the keyboard";
}

TEST_F(StationKeys, TheDamageReportSwitchesItsColumnByREnterAndSpace) {
  stationState.repairShowRemaining = 0;
  DamageReportStation report;
  GiveKeyboard(report);
  for (const Qt::Key key : {Qt::Key_R, Qt::Key_Return, Qt::Key_Space}) {
    const int before = stationState.repairShowRemaining;
    Press(report, key);
    EXPECT_NE(stationState.repairShowRemaining, before) << QKeySequence(key).toString().toStdString();
  }
  coreState.game.Damage(ShipSystem::DamageControl) = 1.0;
  const int before = stationState.repairShowRemaining;
  Press(report, Qt::Key_R);
  EXPECT_EQ(stationState.repairShowRemaining, before) << "not while damage control is out";
  stationState.repairShowRemaining = 0;
}

TEST_F(StationKeys, TheControlsWindowShowsItsRingInsideTheButtonAndEnterBringsTheStationUp) {
  ControlsWindow controls;
  controls.resize(ControlsMinimumFace);
  GiveKeyboard(controls);
  QTest::keyClick(&controls, Qt::Key_Tab);
  ASSERT_EQ(controls.FocusedButton(), 1);
  const QRect ring = controls.ButtonRect(1).adjusted(3, 3, -3, -3);
  auto [lit, dots] = RingDots(OnScreen(controls), ring, qRgb(0, 0, 0));
  EXPECT_EQ(lit, dots) << "a black dotted ring inside LRS";
  Press(controls, Qt::Key_Return);  // no station exists here: nothing to show, nothing breaks
  EXPECT_EQ(controls.FocusedButton(), 1);
}
}  // namespace
