// The Photon Torpedoes and Phasers stations, driven by clicks and keys and read back from
// their faces: settings, EXECUTE and what reaches the scan, damaged faces, the charge's
// cost and the TARGET LOCK light.

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <QTimer>

#include "core/core_state.h"
#include "core/game_state.h"
#include "core/options.h"
#include "sector/sector_state.h"
#include "stations/panel_drawing.h"
#include "stations/phaser_station.h"
#include "stations/photon_station.h"
#include "stations/resource_library.h"
#include "stations/shared_pictures.h"
#include "stations/station_state.h"
#include "tests/stations/station_fixture.h"

namespace {

using Lines = std::vector<std::string>;

class WeaponStationTest : public StationTest {
 protected:
  void SetUp() override {
    StationTest::SetUp();
    coreState.options.autoSrs = 0;
    DrawQuadrant(27, {"........", "........", "........", "........", ">...K...", "........", "........", "........"});
    coreState.game.alienTable.push_back({27, 4, 4, 0x20, {}, 150, 20000, 30000, 0, 0});
    coreState.game.alienTotal = coreState.game.aliensRemaining = 2;
    coreState.game.gamePhase = GamePhase::RedAlert;
  }

  static void Click(QWidget& station, QPoint at, QPoint releaseAt) { ClickOn(station, at, releaseAt); }
  static void Click(QWidget& station, QPoint at) { ClickOn(station, at, at); }
  static void Key(QWidget& station, int key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(&station, static_cast<Qt::Key>(key), modifiers);
    QApplication::processEvents();
  }

  static QImage Part(const QImage& face, QPoint at, QSize size) { return face.copy(QRect(at, size)); }
  static QImage PictureAsShown(int id) { return resources::Picture(id).convertToFormat(QImage::Format_RGB32); }
  static bool AllBlack(const QImage& face, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x)
        if (face.pixel(x, y) != qRgb(0, 0, 0)) return false;
    return true;
  }

  ShortRangeScanWindow scan;
};

// ---- Photon Torpedoes ----

constexpr QPoint DistanceUp{48, 67}, DistanceDown{100, 67}, PhotonExecute{70, 180};

class PhotonStationTest : public WeaponStationTest {
 protected:
  void SetUp() override {
    WeaponStationTest::SetUp();
    photon.show();
    Face(photon);
  }
  PhotonStation photon;
};

TEST_F(PhotonStationTest, DistanceStepsOncePerClickBetweenZeroAndNine) {
  Click(photon, DistanceDown);
  EXPECT_EQ(photon.TorpedoDistance(), 0);
  for (int i = 0; i < 12; ++i) Click(photon, DistanceUp);
  EXPECT_EQ(photon.TorpedoDistance(), 9);
  Click(photon, DistanceDown);
  EXPECT_EQ(photon.TorpedoDistance(), 8);
  const QImage glyph =
      stationState.courseDigitStrip.copy(0, 54, GlyphWidth, GlyphHeight).convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(Part(photon.Surface(), {69, 58}, {GlyphWidth, GlyphHeight}), glyph) << "the 8 in the DISTANCE box";
  EXPECT_EQ(photon.PressedButton(), -1);
}

TEST_F(PhotonStationTest, HoldingDistanceUpFromSevenShowsEightThenNineAndStops) {
  for (int i = 0; i < 7; ++i) Click(photon, DistanceUp);
  host.After(1000, [this] { QTest::mouseRelease(&photon, Qt::LeftButton, {}, DistanceUp); });
  QTest::mousePress(&photon, Qt::LeftButton, {}, DistanceUp);
  EXPECT_EQ(photon.TorpedoDistance(), 9);
}

TEST_F(PhotonStationTest, KeysSetTheCourseOnTheCompassRose) {
  Key(photon, Qt::Key_7, Qt::KeypadModifier);
  EXPECT_EQ(photon.TorpedoCourse(), 315);
  Key(photon, Qt::Key_Up);
  Key(photon, Qt::Key_Minus);
  EXPECT_EQ(photon.TorpedoCourse(), 359);
  Click(photon, {300, 84});
  EXPECT_EQ(photon.TorpedoCourse(), 90) << "the dial";
}

TEST_F(PhotonStationTest, ExecuteAcknowledgesThenTheScanLaunches) {
  Key(photon, Qt::Key_Right);
  Click(photon, PhotonExecute);
  EXPECT_EQ(host.calls.front(), (HeadlessHost::Call{"PlaySoundNow", "3 once"}));
  EXPECT_EQ(host.CallsNamed("PlaySoundAfterCurrent"), Lines{"9 once"}) << "DISTANCE 0 still launches";
  EXPECT_EQ(coreState.game.torpedoCount, 9);
  EXPECT_EQ(coreState.game.aliensRemaining, 1) << "the Klingon three sectors east is gone";
  EXPECT_EQ(photon.TorpedoCourse(), 90) << "the settings stay";
}

TEST_F(PhotonStationTest, EnterSendsTheLaunchAndReturnsAfterTheFlight) {
  Key(photon, Qt::Key_Right);
  QTest::keyClick(&photon, Qt::Key_Return);
  EXPECT_EQ(coreState.game.torpedoCount, 9);
  EXPECT_FALSE(sectorState.actionInProgress);
}

TEST_F(PhotonStationTest, DamagedTubesShowEmptyPanelsAndSendNothing) {
  coreState.game.Damage(ShipSystem::Photon) = 1.0;
  photon.Invalidate(true);
  const QImage face = Face(photon);
  EXPECT_EQ(Part(face, {16, 46}, {117, 61}), PictureAsShown(37)) << "DISTANCE without its digit";
  EXPECT_EQ(Part(face, {150, 6}, {175, 203}), stationState.compassPicture.convertToFormat(QImage::Format_RGB32))
      << "the dial without needle or read-out";

  Click(photon, {300, 84});
  Click(photon, DistanceUp);
  Key(photon, Qt::Key_Right);
  Key(photon, Qt::Key_Return);
  EXPECT_EQ(photon.Surface(), face);
  EXPECT_EQ(photon.TorpedoCourse(), 0);
  EXPECT_EQ(photon.TorpedoDistance(), 0);

  QTest::mousePress(&photon, Qt::LeftButton, {}, PhotonExecute);
  EXPECT_NE(photon.Surface(), face) << "EXECUTE shows pressed while held";
  QTest::mouseRelease(&photon, Qt::LeftButton, {}, PhotonExecute);
  QApplication::processEvents();
  EXPECT_EQ(photon.Surface(), face);
  EXPECT_TRUE(host.CallsNamed("PlaySoundNow").empty());
  EXPECT_EQ(coreState.game.torpedoCount, 10);
}

// ---- Phasers ----

constexpr QPoint More{184, 145}, Less{151, 145}, Single{60, 35}, Wide{60, 55}, PhaserExecute{160, 195};

class PhaserStationTest : public WeaponStationTest {
 protected:
  void SetUp() override {
    WeaponStationTest::SetUp();
    phasers = std::make_unique<PhaserStation>();
    phasers->show();
    Face(*phasers);
  }
  // Charges the shot 100 units at a time with the Up key.
  void ChargeHundreds(int n) {
    for (int i = 0; i < n; ++i) Key(*phasers, Qt::Key_Up);
  }
  std::unique_ptr<PhaserStation> phasers;
};

TEST_F(PhaserStationTest, ExecutePaysTheChargeAndFiresIt) {
  ChargeHundreds(5);
  EXPECT_EQ(phasers->PhaserAvailable(), 2500);
  EXPECT_EQ(phasers->PhaserCharge(), 500);
  Click(*phasers, PhaserExecute);
  EXPECT_EQ(coreState.game.shipEnergy, 2500);
  EXPECT_EQ(host.calls.front(), (HeadlessHost::Call{"PlaySoundNow", "3 once"}));
  EXPECT_EQ(coreState.game.aliensRemaining, 1) << "500 units at four sectors' distance destroy the Klingon";
  EXPECT_EQ(phasers->PhaserCharge(), 500) << "the charge stays set";
}

TEST_F(PhaserStationTest, EachExecuteCostsItsChargeAnew) {
  ChargeHundreds(5);
  Key(*phasers, Qt::Key_Return);
  coreState.game.shipEnergy += 7;  // the clock adds energy meanwhile
  Key(*phasers, Qt::Key_Return);
  EXPECT_EQ(coreState.game.shipEnergy, 3000 - 500 + 7 - 500);
  EXPECT_EQ(phasers->PhaserAvailable(), coreState.game.shipEnergy - 500);
}

TEST_F(PhaserStationTest, AChargeTheShipCanNoLongerAffordGoesBack) {
  ChargeHundreds(5);
  coreState.game.shipEnergy = 520;
  Key(*phasers, Qt::Key_Return);
  EXPECT_EQ(coreState.game.shipEnergy, 520);
  EXPECT_EQ(phasers->PhaserCharge(), 0);
  EXPECT_EQ(phasers->PhaserAvailable(), 520);
  EXPECT_EQ(coreState.game.aliensRemaining, 2) << "nothing fired";
}

TEST_F(PhaserStationTest, ExecuteWithNoChargeAcknowledgesAndFiresNothing) {
  Click(*phasers, PhaserExecute);
  EXPECT_EQ(host.CallsNamed("PlaySoundNow"), Lines{"3 once"});
  EXPECT_EQ(coreState.game.changeCount, 1) << "the request ran its frame";
  EXPECT_EQ(coreState.game.shipEnergy, 3000);
}

TEST_F(PhaserStationTest, MoreAndLessMoveTenOrOneWithShift) {
  Click(*phasers, More);
  EXPECT_EQ(phasers->PhaserCharge(), 10);
  ClickOn(*phasers, Less, Less, Qt::ShiftModifier);
  EXPECT_EQ(phasers->PhaserCharge(), 9);
  EXPECT_EQ(phasers->PhaserAvailable(), 2991);
}

TEST_F(PhaserStationTest, TheModeButtonsActOnReleaseWhereverThePointerIs) {
  EXPECT_TRUE(phasers->PhaserSingleTarget());
  Click(*phasers, Wide, {300, 10});
  EXPECT_FALSE(phasers->PhaserSingleTarget());
  EXPECT_EQ(Part(phasers->Surface(), {55, 50}, {11, 11}), PictureAsShown(53));
  EXPECT_EQ(Part(phasers->Surface(), {55, 30}, {11, 11}), PictureAsShown(54));
  Click(*phasers, Single);
  EXPECT_TRUE(phasers->PhaserSingleTarget());
}

TEST_F(PhaserStationTest, ActivationReturnsAChargeThatWouldLeaveTooLittle) {
  ChargeHundreds(5);
  coreState.game.shipEnergy = 550;
  phasers->ActivationChanged();
  EXPECT_EQ(phasers->PhaserCharge(), 0);
  EXPECT_EQ(phasers->PhaserAvailable(), 550);
  ChargeHundreds(2);
  coreState.game.shipEnergy = 300;
  phasers->ActivationChanged();
  EXPECT_EQ(phasers->PhaserAvailable(), 100) << "51 or more keeps the charge";
}

TEST_F(PhaserStationTest, DamagedPhasersShowNoModeNoReadOutsNoGaugeAndDoNothing) {
  ChargeHundreds(1);
  coreState.game.Damage(ShipSystem::Phaser) = 1.0;
  phasers->Invalidate(true);
  const QImage face = Face(*phasers);
  EXPECT_EQ(Part(face, {55, 30}, {11, 11}), PictureAsShown(54));
  EXPECT_EQ(Part(face, {55, 50}, {11, 11}), PictureAsShown(54));
  EXPECT_EQ(Part(face, {10, 125}, {88, 53}), stationState.dilithiumPanelPicture.convertToFormat(QImage::Format_RGB32));
  EXPECT_TRUE(AllBlack(face, EnergyTransferPanel::GaugeFrame));

  Key(*phasers, Qt::Key_Up);
  Key(*phasers, Qt::Key_Return);
  Click(*phasers, More);
  Click(*phasers, Wide);
  EXPECT_EQ(phasers->Surface(), face);
  QTest::mousePress(phasers.get(), Qt::LeftButton, {}, PhaserExecute);
  EXPECT_NE(phasers->Surface(), face) << "EXECUTE shows pressed while held";
  QTest::mouseRelease(phasers.get(), Qt::LeftButton, {}, PhaserExecute);
  QApplication::processEvents();
  EXPECT_TRUE(host.CallsNamed("PlaySoundNow").empty());
  EXPECT_EQ(coreState.game.shipEnergy, 3000);
  EXPECT_EQ(coreState.game.changeCount, 0);
  EXPECT_TRUE(phasers->PhaserSingleTarget());
}

TEST_F(PhaserStationTest, TargetLockBlinksOffThenOnWhileAliensAreNear) {
  ASSERT_TRUE(phasers->TargetLockBlinking());
  const QRect light(224, 35, 53, 23);
  phasers->TargetLockTick();
  EXPECT_TRUE(AllBlack(phasers->Surface(), light)) << "the first tick is off";
  phasers->TargetLockTick();
  EXPECT_EQ(Part(phasers->Surface(), light.topLeft(), light.size()), PictureAsShown(51));
  coreState.pausedFlag = 1;
  phasers->TargetLockTick();
  EXPECT_EQ(Part(phasers->Surface(), light.topLeft(), light.size()), PictureAsShown(51)) << "paused: held";
  coreState.pausedFlag = 0;

  phasers->StopTargetLock();
  EXPECT_FALSE(phasers->TargetLockBlinking());
  const QImage face = Face(*phasers);
  EXPECT_EQ(Part(face, {210, 20}, {82, 53}), PictureAsShown(50)) << "the frame without the light";
}

TEST_F(PhaserStationTest, TargetLockStartsOnlyWithAliensAndWorkingPhasers) {
  phasers->StopTargetLock();
  coreState.game.Damage(ShipSystem::Phaser) = 1.0;
  phasers->StartTargetLock();
  EXPECT_FALSE(phasers->TargetLockBlinking());
  coreState.game.Damage(ShipSystem::Phaser) = 0.0;
  coreState.game.ShipQuadrantRecord().alienCount = 0;
  phasers->StartTargetLock();
  EXPECT_FALSE(phasers->TargetLockBlinking());
  coreState.game.ShipQuadrantRecord().alienCount = 1;
  Click(*phasers, More);
  EXPECT_TRUE(phasers->TargetLockBlinking()) << "a More step starts it";
}

TEST_F(WeaponStationTest, OnTheBridgeActivationSetsThePanelAgainAndMinimizingStopsTheLight) {
  QMdiArea bridge;
  auto* phasers = new PhaserStation;
  QMdiSubWindow* frame = bridge.addSubWindow(phasers);
  QMdiSubWindow* other = bridge.addSubWindow(new QWidget);
  bridge.show();
  bridge.setActiveSubWindow(frame);
  for (int i = 0; i < 5; ++i) Key(*phasers, Qt::Key_Up);
  ASSERT_EQ(phasers->PhaserCharge(), 500);

  coreState.game.shipEnergy = 550;  // 50 would be left after the shot
  bridge.setActiveSubWindow(other);
  EXPECT_EQ(phasers->PhaserCharge(), 0);
  EXPECT_EQ(phasers->PhaserAvailable(), 550);

  ASSERT_TRUE(phasers->TargetLockBlinking());
  frame->showMinimized();
  EXPECT_FALSE(phasers->TargetLockBlinking());
}
}  // namespace
