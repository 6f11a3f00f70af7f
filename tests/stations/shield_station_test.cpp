#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <QTimer>

#include "core/core_state.h"
#include "core/game_state.h"
#include "core/options.h"
#include "core/random.h"
#include "sector/sector_state.h"
#include "stations/panel_drawing.h"
#include "stations/resource_library.h"
#include "stations/shared_pictures.h"
#include "stations/shield_station.h"
#include "stations/station_state.h"
#include "tests/stations/station_fixture.h"

namespace {

constexpr QPoint More{184, 145}, Less{151, 145}, Execute{168, 195};
constexpr QPoint AvailableAt{28, 136}, SettingAt{259, 136};

class ShieldStationTest : public StationTest {
 protected:
  void SetUp() override {
    StationTest::SetUp();
    coreState.options.autoSrs = 0;
    coreState.game.shieldEnergy = 0;
    shields = std::make_unique<ShieldStation>();
    shields->show();
    // The station has the focus, as it has once the player clicks into it.
    QApplication::setActiveWindow(shields.get());
    shields->setFocus();
    QApplication::processEvents();
    Face(*shields);
  }

  void Click(QPoint at, Qt::KeyboardModifiers modifiers = {}) {
    QTimer::singleShot(0, shields.get(),
                       [=, this] { QTest::mouseRelease(shields.get(), Qt::LeftButton, modifiers, at); });
    QTest::mousePress(shields.get(), Qt::LeftButton, modifiers, at);
    QApplication::processEvents();
  }
  void Key(int key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(shields.get(), static_cast<Qt::Key>(key), modifiers);
  }

  // The four-glyph read-out at `at` as the player sees it, and `text` drawn alone.
  QImage Readout(QPoint at) { return shields->Surface().copy(at.x(), at.y(), 4 * GlyphWidth, GlyphHeight); }
  static QImage Expected(const std::string& text) {
    QImage image(4 * GlyphWidth, GlyphHeight, QImage::Format_RGB32);
    DrawDigits(image, text, 0, 0, stationState.digitStrip);
    return image;
  }
  QImage ShieldArea() { return shields->Surface().copy(ShieldStation::ShieldRect); }

  std::unique_ptr<ShieldStation> shields;
};

TEST_F(ShieldStationTest, MovingEnergyIntoTheShieldsAndCommittingWritesBothFigures) {
  for (int i = 0; i < 80; ++i) Click(More);
  Click(Less, Qt::ShiftModifier);
  EXPECT_EQ(shields->ShieldAvailable(), 2201);
  EXPECT_EQ(shields->ShieldSetting(), 799);
  EXPECT_EQ(coreState.game.shipEnergy, 3000) << "nothing is written before EXECUTE";
  EXPECT_EQ(Readout(AvailableAt), Expected("2201"));
  EXPECT_EQ(Readout(SettingAt), Expected(" 799"));
  EXPECT_EQ(shields->Surface().pixel(14 + 226, 105), qRgb(128, 0, 128)) << "trunc(310 * 2201 / 3000) = 227";
  EXPECT_EQ(shields->Surface().pixel(14 + 227, 105), qRgb(0, 128, 128)) << "the shields' share of the gauge";

  host.Clear();
  Click(Execute);
  EXPECT_EQ(coreState.game.shipEnergy, 2201);
  EXPECT_EQ(coreState.game.shieldEnergy, 799);
  EXPECT_EQ(coreState.game.changeCount, 1);
  ASSERT_FALSE(host.calls.empty());
  EXPECT_EQ(host.calls.front(), (HeadlessHost::Call{"PlaySoundNow", "3 once"}));
  EXPECT_EQ(host.CallsNamed("InvalidateStation").back(), "Status");

  // Leaving 300 or less to the ship turns the condition yellow.
  for (int i = 0; i < 19; ++i) Key(Qt::Key_Up);
  Key(Qt::Key_Return);
  EXPECT_EQ(coreState.game.shipEnergy, 301);
  EXPECT_EQ(coreState.game.gamePhase, GamePhase::Green);
  Key(Qt::Key_Left);
  Key(Qt::Key_Return);
  EXPECT_EQ(coreState.game.shipEnergy, 291);
  EXPECT_EQ(coreState.game.gamePhase, GamePhase::Yellow);
}

TEST_F(ShieldStationTest, TheGamesFiguresChangingMeanwhileAreNeverWrittenBack) {
  Key(Qt::Key_Up);  // 2900 and 100 on the panel
  // A clock step and an alien's hit on the shields before the next key: the 100 the player
  // moved now comes from the new figures.
  coreState.game.shipEnergy -= 1;
  coreState.game.shieldEnergy = 0;
  Key(Qt::Key_Left);
  EXPECT_EQ(shields->ShieldAvailable(), 2889);
  EXPECT_EQ(shields->ShieldSetting(), 110);
  EXPECT_EQ(Readout(AvailableAt), Expected("2889"));

  coreState.game.shipEnergy -= 1;  // another clock step, then EXECUTE at once
  const int before = coreState.game.shipEnergy + coreState.game.shieldEnergy;
  Click(Execute);
  EXPECT_EQ(coreState.game.shipEnergy + coreState.game.shieldEnergy, before)
      << "a commit neither makes nor loses energy";
  EXPECT_EQ(coreState.game.shieldEnergy, 110);

  // Refreshed by the rules (docking): the read-outs follow the game.
  coreState.game.shipEnergy = 3000;
  coreState.game.shieldEnergy = 0;
  host.InvalidateStation(Station::Shields, false);
  Face(*shields);
  EXPECT_EQ(Readout(AvailableAt), Expected("3000"));
  EXPECT_EQ(Readout(SettingAt), Expected("   0"));

  // A transfer that no longer fits the new figures is dropped.
  Key(Qt::Key_Up);
  coreState.game.shipEnergy = 80;
  Key(Qt::Key_Return);
  EXPECT_EQ(coreState.game.shipEnergy, 80);
  EXPECT_EQ(coreState.game.shieldEnergy, 0);
}

TEST_F(ShieldStationTest, GainingTheFocusDropsAnUncommittedTransfer) {
  Key(Qt::Key_Up);
  QFocusEvent focus(QEvent::FocusIn, Qt::MouseFocusReason);
  QApplication::sendEvent(shields.get(), &focus);
  Face(*shields);
  EXPECT_EQ(shields->ShieldSetting(), 0);
  EXPECT_EQ(Readout(SettingAt), Expected("   0"));
}

TEST_F(ShieldStationTest, TheShimmerDrawsARandomlyColouredDottedEllipseRoundTheShip) {
  EXPECT_FALSE(shields->Shimmering()) << "empty shields do not shimmer";
  const QImage plain = ShieldArea();
  Click(More);
  ASSERT_TRUE(shields->Shimmering());

  const QImage before = ShieldArea();
  lcg::Seed(77);
  const int red = lcg::rand() % 256, green = lcg::rand() % 256, blue = lcg::rand() % 256;
  const std::uint32_t afterThreeDraws = lcg::State();
  lcg::Seed(77);
  shields->ShimmerTick();
  EXPECT_EQ(lcg::State(), afterThreeDraws) << "three draws of the game's random source";
  const QImage drawn = ShieldArea();
  int changed = 0, leftEdge = 0;
  for (int y = 0; y < drawn.height(); ++y)
    for (int x = 0; x < drawn.width(); ++x)
      if (drawn.pixel(x, y) != before.pixel(x, y)) {
        ++changed;
        leftEdge += x == 0;
        ASSERT_EQ(drawn.pixel(x, y), before.pixel(x, y) ^ (qRgb(red, green, blue) & 0x00FFFFFFu)) << x << "," << y;
      }
  EXPECT_GT(changed, 150) << "an ellipse round the ship";
  EXPECT_LT(changed, 300) << "dotted, one pixel wide";
  EXPECT_GT(leftEdge, 0) << "it reaches the bounds' left edge";

  // A pause silences the ticks without stopping the timer.
  coreState.pausedFlag = 1;
  shields->ShimmerTick();
  EXPECT_EQ(ShieldArea(), drawn);
  EXPECT_EQ(lcg::State(), afterThreeDraws);
  EXPECT_TRUE(shields->Shimmering());
  coreState.pausedFlag = 0;

  // The ellipses pile up until the shields are emptied, which wipes them.
  shields->ShimmerTick();
  Click(Less);
  EXPECT_FALSE(shields->Shimmering());
  EXPECT_EQ(ShieldArea(), plain);
}

TEST_F(ShieldStationTest, KeysStartAndStopTheShimmerAsTheyFillAndEmptyTheShields) {
  Key(Qt::Key_Up);  // 100 in
  EXPECT_TRUE(shields->Shimmering());
  Key(Qt::Key_Right);  // 10 back, 90 left
  EXPECT_TRUE(shields->Shimmering());
  Key(Qt::Key_Down);  // the rest back
  EXPECT_FALSE(shields->Shimmering());

  Key(Qt::Key_Equal);  // 1 in
  EXPECT_TRUE(shields->Shimmering());
  Key(Qt::Key_Minus, Qt::KeypadModifier);  // and back: the timer runs on, drawing nothing
  EXPECT_EQ(shields->ShieldSetting(), 0);
  EXPECT_TRUE(shields->Shimmering());
  const QImage before = ShieldArea();
  shields->ShimmerTick();
  EXPECT_EQ(ShieldArea(), before);
}

TEST_F(ShieldStationTest, WithTheShieldsDamagedOnlyExecuteAnswersAndCommitsTheFiguresAsTheyStand) {
  Key(Qt::Key_Up);
  coreState.game.Damage(ShipSystem::Shield) = 1.5;
  coreState.game.RepairDate(ShipSystem::Shield) = 2100.0;
  shields->Invalidate(true);
  const QImage face = Face(*shields);
  QImage pictures(face.size(), QImage::Format_RGB32);
  pictures.fill(Qt::black);
  EnergyTransferPanel::PaintPictures(pictures, resources::Picture(35));
  EXPECT_EQ(face, pictures) << "no ship, no read-outs, no gauge";

  Key(Qt::Key_Left);
  Key(Qt::Key_Return);
  Click(More);
  EXPECT_EQ(shields->Surface(), face) << "no answer, not even a pressed button";
  EXPECT_EQ(coreState.game.changeCount, 0);

  QTest::mousePress(shields.get(), Qt::LeftButton, {}, Execute);
  const QRect button = EnergyTransferPanel::ExecuteButton;
  EXPECT_EQ(shields->Surface().pixel(button.topLeft()), face.pixel(button.topLeft()) ^ 0x00FFFFFFu) << "pressed";
  QTest::mouseRelease(shields.get(), Qt::LeftButton, {}, Execute);
  EXPECT_EQ(shields->Surface(), face);
  EXPECT_EQ(coreState.game.shipEnergy, 2900);
  EXPECT_EQ(coreState.game.shieldEnergy, 100);
}

TEST_F(ShieldStationTest, DuringAnActionKeysWorkAndAPressedExecuteStillCommits) {
  sectorState.actionInProgress = true;
  Key(Qt::Key_Up);
  EXPECT_EQ(shields->ShieldSetting(), 100) << "keys are not held back";
  Click(More);
  EXPECT_EQ(shields->ShieldSetting(), 100) << "a new press is";
  sectorState.actionInProgress = false;
  QTest::mousePress(shields.get(), Qt::LeftButton, {}, Execute);
  sectorState.actionInProgress = true;
  QTest::mouseRelease(shields.get(), Qt::LeftButton, {}, Execute);
  EXPECT_EQ(coreState.game.shieldEnergy, 100);
}

TEST_F(ShieldStationTest, ARepaintWhileAButtonIsHeldKeepsItPressed) {
  const QImage before = Face(*shields);
  QTest::mousePress(shields.get(), Qt::LeftButton, {}, Execute);
  shields->Invalidate(false);
  Face(*shields);
  QTest::mouseRelease(shields.get(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(shields->Surface(), before);
}

TEST_F(ShieldStationTest, MinimizingStopsTheShimmer) {
  QMdiArea area;
  area.resize(800, 600);
  auto* station = new ShieldStation;
  QMdiSubWindow* frame = area.addSubWindow(station);
  area.show();
  frame->show();
  QApplication::processEvents();
  QTest::keyClick(station, Qt::Key_Up);
  ASSERT_TRUE(station->Shimmering());
  frame->showMinimized();
  QApplication::processEvents();
  EXPECT_FALSE(station->Shimmering());
}

}  // namespace
