#include <QCoreApplication>
#include <QTimerEvent>
#include <QTest>

#include "core/core_state.h"
#include "core/game_state.h"
#include "core/options.h"
#include "sector/movement.h"
#include "sector/scan_effects.h"
#include "sector/scan_geometry.h"
#include "sector/scan_requests.h"
#include "sector/sector_state.h"
#include "stations/resource_library.h"
#include "tests/stations/station_fixture.h"

namespace {

const std::vector<std::string> EveryKind = {"<.......", ".>......", "..B.....", "...*....",
                                            "....+...", ".....x..", "KR....FC", "........"};

class ShortRangeScanTest : public StationTest {
 protected:
  void SetUp() override {
    StationTest::SetUp();
    DrawQuadrant(27, EveryKind);
    scan.show();
  }

  // The 34 x 25 block at sector (x, y)'s picture position.
  QImage SectorBlock(const QImage& face, int x, int y) const {
    const ScanPoint at = PicturePosition(x, y);
    return face.copy(at.x, at.y, SpriteWidth, SpriteHeight);
  }

  static QImage Frame(int pictureId, int frame) {
    return resources::Picture(pictureId)
        .copy(0, SpriteHeight * frame, SpriteWidth, SpriteHeight)
        .convertToFormat(QImage::Format_RGB32);
  }

  static QImage Black(int width, int height) {
    QImage black(width, height, QImage::Format_RGB32);
    black.fill(Qt::black);
    return black;
  }

  static bool PicturesAvailable() { return !resources::Picture(ScanPicture::ShipLeft).isNull(); }

  ShortRangeScanWindow scan;
};

TEST_F(ShortRangeScanTest, HasTheFixedClientSize) {
  EXPECT_EQ(scan.size(), QSize(315, 235));
  EXPECT_EQ(scan.sizeHint(), QSize(315, 235));
  EXPECT_EQ(ScanStation(), &scan);
}

TEST_F(ShortRangeScanTest, ShowsEveryObjectsPictureAtItsSector) {
  ASSERT_TRUE(PicturesAvailable()) << "the picture bundle has no scan pictures";
  const QImage face = Face(scan);
  struct {
    int x, y, picture;
  } const expected[] = {{0, 0, 18}, {1, 1, 19}, {2, 2, 27}, {3, 3, 24}, {4, 4, 25},
                        {5, 5, 26}, {0, 6, 20}, {1, 6, 21}, {6, 6, 23}, {7, 6, 22}};
  for (const auto& e : expected) EXPECT_EQ(SectorBlock(face, e.x, e.y), Frame(e.picture, 0)) << e.picture;
  EXPECT_EQ(SectorBlock(face, 3, 7), Black(SpriteWidth, SpriteHeight)) << "an empty sector";
}

TEST_F(ShortRangeScanTest, DrawsTheRedGridFrameAndDigits) {
  const QImage face = Face(scan);
  const QRgb red = qRgb(255, 0, 0);
  EXPECT_EQ(face.pixel(27, 19), red);
  EXPECT_EQ(face.pixel(314, 19), red) << "top border to the right edge";
  EXPECT_EQ(face.pixel(27, 234), red) << "left border to the bottom";
  EXPECT_EQ(face.pixel(27 + 36, 22), red) << "tick below the top border";
  EXPECT_EQ(face.pixel(27 + 36, 23), qRgb(0, 0, 0)) << "ticks are 4 pixels long";
  EXPECT_EQ(face.pixel(312, 19 + 27), red) << "tick at the right edge";
  int digitPixels = 0;
  for (int y = 2; y < 17; ++y)
    for (int x = 29; x < 61; ++x) digitPixels += face.pixel(x, y) != qRgb(0, 0, 0);
  EXPECT_GT(digitPixels, 5) << "column number 1 above the first column";
}

TEST_F(ShortRangeScanTest, ADamagedScanShowsOnlyTheRedFrame) {
  coreState.game.Damage(ShipSystem::SRS) = 1.0;
  scan.Invalidate(true);
  const QImage face = Face(scan);
  for (int y = 0; y < face.height(); ++y)
    for (int x = 0; x < face.width(); ++x) {
      const QRgb p = face.pixel(x, y);
      ASSERT_TRUE(p == qRgb(0, 0, 0) || p == qRgb(255, 0, 0)) << x << "," << y;
      if (p != qRgb(0, 0, 0)) {
        ASSERT_TRUE(x == 27 || y == 19 || x <= 30 || x >= 311 || y <= 22 || y >= 231) << x << "," << y;
      }
    }
}

TEST_F(ShortRangeScanTest, WhileTheStarfieldRunsAPaintDrawsNothing) {
  Face(scan);
  scan.Surface().fill(Qt::darkBlue);
  sectorState.starfieldActive = true;
  scan.Invalidate(false);
  const QImage face = Face(scan);
  EXPECT_EQ(face.pixel(27, 19), QColor(Qt::darkBlue).rgb());
}

TEST_F(ShortRangeScanTest, StarsAndStarbasesStepThroughTheirFourFrames) {
  ASSERT_TRUE(PicturesAvailable()) << "the picture bundle has no scan pictures";
  Face(scan);
  for (int tick = 0; tick < 6; ++tick) {
    scan.AnimationTick();
    const QImage face = scan.Surface();
    EXPECT_EQ(SectorBlock(face, 3, 3), Frame(24, tick % 4)) << "star A, tick " << tick;
    EXPECT_EQ(SectorBlock(face, 2, 2), Frame(27, tick % 4)) << "starbase, tick " << tick;
    EXPECT_EQ(Cell::Frame(coreState.game.galaxy[27].cells[3][3]), (tick + 1) % 4);
    EXPECT_EQ(Cell::Object(coreState.game.galaxy[27].cells[3][3]), Cell::StarA);
  }
}

TEST_F(ShortRangeScanTest, EachTickOfItsTimerAdvancesTheFrames) {
  ASSERT_NE(scan.AnimationTimerId(), 0) << "the window runs its animation timer";
  for (int tick = 1; tick <= 2; ++tick) {
    QTimerEvent timeout(scan.AnimationTimerId());
    QCoreApplication::sendEvent(&scan, &timeout);
    EXPECT_EQ(Cell::Frame(coreState.game.Quadrant(27).cells[5][5]), tick);
  }
}

TEST_F(ShortRangeScanTest, DuringAnActionStarsTwinkleButTheStarbaseHoldsStill) {
  sectorState.actionInProgress = true;
  scan.AnimationTick();
  EXPECT_EQ(Cell::Frame(coreState.game.galaxy[27].cells[4][4]), 1);
  EXPECT_EQ(Cell::Frame(coreState.game.galaxy[27].cells[2][2]), 0);
}

TEST_F(ShortRangeScanTest, TheAnimationRestsWhileHeldPausedDamagedOrStarless) {
  auto ticksChangeNothing = [&] {
    scan.AnimationTick();
    return Cell::Frame(coreState.game.galaxy[27].cells[3][3]) == 0;
  };
  sectorState.scanAnimationHeld = true;
  EXPECT_TRUE(ticksChangeNothing()) << "quadrant change";
  sectorState.scanAnimationHeld = false;
  coreState.pausedFlag = 1;
  EXPECT_TRUE(ticksChangeNothing()) << "paused";
  coreState.pausedFlag = 0;
  coreState.game.Damage(ShipSystem::SRS) = 0.3;
  EXPECT_TRUE(ticksChangeNothing()) << "sensors damaged";
  coreState.game.Damage(ShipSystem::SRS) = 0;
  coreState.game.galaxy[27].starCount = coreState.game.galaxy[27].starbaseCount = 0;
  EXPECT_TRUE(ticksChangeNothing()) << "the counts say there is nothing to animate";
}

TEST_F(ShortRangeScanTest, AnExclusiveOrBeamLeavesTheFaceAsItWas) {
  const QImage before = Face(scan);
  scan.DrawXorLine(SectorCentre(0, 0), SectorCentre(7, 6), 0xFF0000);
  EXPECT_NE(scan.Surface(), before) << "the beam shows";
  scan.DrawXorLine(SectorCentre(0, 0), SectorCentre(7, 6), 0xFF0000);
  EXPECT_EQ(scan.Surface(), before);

  DrawBeam(SectorCentre(0, 0), SectorCentre(7, 6), 500, true);
  EXPECT_EQ(scan.Surface(), before) << "every flash of a whole beam erases itself";
  EXPECT_EQ(host.CallsNamed("ScanXorLine").size(), 20u);
}

TEST_F(ShortRangeScanTest, AHitShowsTheObjectAgainAndAnExplosionLeavesBlack) {
  ASSERT_TRUE(PicturesAvailable()) << "the picture bundle has no scan pictures";
  Face(scan);
  PlayHitAnimation(0, 6, false);
  EXPECT_EQ(SectorBlock(scan.Surface(), 0, 6), Frame(20, 0));
  PlayHitAnimation(1, 6, true);
  const ScanRect r = SectorRect(1, 6);
  EXPECT_EQ(scan.Surface().copy(r.left, r.top, r.right - r.left, r.bottom - r.top),
            Black(r.right - r.left, r.bottom - r.top));
}

TEST_F(ShortRangeScanTest, ARequestPostedWhileAMoveRunsIsLost) {
  DrawQuadrant(27, {"........", "........", "........", "........", ">.......", "........", "........", "........"});
  scan.Post([] { RequestRicochet(); });  // arrives during the move's first wait
  RequestMove(90, 2, 0);
  QApplication::processEvents();
  EXPECT_EQ(coreState.game.shipQuadrant, 27) << "no ricochet happened";
  EXPECT_EQ(coreState.game.shipSectorX, 2);
  EXPECT_EQ(coreState.game.changeCount, 1);
  EXPECT_EQ(coreState.game.shieldEnergy, 500 - 20);
}

TEST_F(ShortRangeScanTest, APostedRequestRunsOnceTheQueueReachesIt) {
  scan.Post([] { RequestRicochet(); });
  EXPECT_EQ(coreState.game.changeCount, 0) << "posted, not sent";
  QApplication::processEvents();
  EXPECT_EQ(coreState.game.changeCount, 1);
  EXPECT_EQ(coreState.game.shieldEnergy, 0);
}

TEST_F(ShortRangeScanTest, AWarpRepaintsTheNewQuadrant) {
  ASSERT_TRUE(PicturesAvailable()) << "the picture bundle has no scan pictures";
  DrawQuadrant(28, {"........", "........", "........", "...x....", "........", "........", "........", "........"});
  RequestMove(90, 0, 1);
  ASSERT_EQ(coreState.game.shipQuadrant, 28);
  const QImage face = Face(scan);
  EXPECT_EQ(SectorBlock(face, 3, 3), Frame(26, 0)) << "a paint shows frame 0";
  EXPECT_EQ(SectorBlock(face, coreState.game.shipSectorX, coreState.game.shipSectorY),
            Frame(coreState.game.shipSectorX >= 4 ? 18 : 19, 0));
}

}  // namespace
