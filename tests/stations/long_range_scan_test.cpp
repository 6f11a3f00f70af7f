#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

#include "core/core_state.h"
#include "core/game_state.h"
#include "core/long_range_chart.h"
#include "core/options.h"
#include "stations/long_range_scan.h"
#include "tests/stations/station_fixture.h"

namespace {

constexpr QRgb Blue = qRgb(0, 0, 255), Red = qRgb(255, 0, 0), DarkRed = qRgb(128, 0, 0);

class LongRangeScanTest : public StationTest {
 protected:
  void SetUp() override {
    StationTest::SetUp();
    lrs.resize(360, 230);
    lrs.show();
  }

  // Gives quadrant q the counts (aliens, starbases, stars) and charts it.
  static void Chart(int q, int aliens, int starbases, int stars) {
    QuadrantRecord& record = coreState.game.galaxy[static_cast<std::size_t>(q)];
    record.alienCount = aliens;
    record.starbaseCount = starbases;
    record.starCount = stars;
    record.flags |= QuadrantFlag::Charted;
  }

  QImage Cell(const QImage& face, int q) const { return face.copy(lrs.QuadrantTextRect(q)); }
  static int Count(const QImage& image, QRgb colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour;
    return n;
  }
  static int NotBlack(const QImage& image) { return image.width() * image.height() - Count(image, qRgb(0, 0, 0)); }

  LongRangeScanWindow lrs;
};

TEST_F(LongRangeScanTest, TheGridFillsTheBottomRightEightByEightCells) {
  const QImage face = Face(lrs);
  EXPECT_EQ(lrs.ChartCellWidth(), 40);
  EXPECT_EQ(lrs.ChartCellHeight(), 25);
  EXPECT_EQ(face.pixel(41, 30), Blue) << "top line";
  EXPECT_EQ(face.pixel(359, 55), Blue) << "the line under the first row";
  EXPECT_EQ(face.pixel(40, 229), Blue) << "left line";
  EXPECT_EQ(face.pixel(320, 100), Blue);
  EXPECT_EQ(face.pixel(40, 30), qRgb(0, 0, 0)) << "both lines stop short of their end point";
  EXPECT_EQ(face.pixel(39, 100), qRgb(0, 0, 0));
  EXPECT_EQ(face.pixel(100, 29), qRgb(0, 0, 0));
  // The column numbers over the chart and the row numbers beside it, in blue.
  EXPECT_GT(Count(face.copy(40, 0, 320, 25), Blue), 40);
  EXPECT_GT(Count(face.copy(0, 30, 40, 200), Blue), 40);
}

TEST_F(LongRangeScanTest, ChartedQuadrantsShowTheirCurrentCounts) {
  Chart(5, 2, 1, 3);
  Chart(6, 1, 1, 3);
  Chart(63, 1, 1, 3);
  const QImage before = Face(lrs);
  EXPECT_GT(Count(Cell(before, 6), Red), 20);
  EXPECT_EQ(Cell(before, 6), Cell(before, 63)) << "same counts, same digits";
  EXPECT_NE(Cell(before, 5), Cell(before, 6));
  EXPECT_EQ(NotBlack(Cell(before, 4)), 0) << "an uncharted quadrant is blank";
  coreState.game.galaxy[5].alienCount = 1;  // an alien destroyed there, far from the ship
  lrs.Invalidate(false);
  EXPECT_EQ(Cell(Face(lrs), 5), Cell(before, 6)) << "its first digit is one lower";
}

TEST_F(LongRangeScanTest, ArrivingChartsTheNeighbourhoodAndTheScanShowsIt) {
  Face(lrs);
  ChartNeighbourhood(0);  // wraps round to row 7 and column 7
  const QImage face = Face(lrs);
  for (int q : {0, 1, 7, 8, 9, 15, 56, 57, 63}) EXPECT_GT(Count(Cell(face, q), Red), 0) << q;
  for (int q : {2, 16, 27, 55, 62}) EXPECT_EQ(NotBlack(Cell(face, q)), 0) << q;

  coreState.game.Damage(ShipSystem::LRS) = 1.0;
  ChartNeighbourhood(27);
  coreState.game.Damage(ShipSystem::LRS) = 0.0;
  lrs.Invalidate(true);
  EXPECT_EQ(NotBlack(Cell(Face(lrs), 27)), 0) << "damaged sensors chart nothing";
}

TEST_F(LongRangeScanTest, TheShipsQuadrantBlinksBetweenTwoRedsUnlessPausedOrDamaged) {
  Chart(27, 0, 1, 4);
  const QImage face = Face(lrs);
  auto shows = [this](QRgb colour) { return Count(Cell(lrs.Surface(), 27), colour) > 0; };
  coreState.pausedFlag = 1;
  lrs.BlinkTick();
  EXPECT_EQ(lrs.Surface(), face);
  coreState.pausedFlag = 0;
  lrs.BlinkTick();
  EXPECT_TRUE(shows(Red) && !shows(DarkRed)) << "the paused tick was not counted";
  lrs.BlinkTick();
  EXPECT_TRUE(shows(DarkRed) && !shows(Red));
  lrs.BlinkTick();
  EXPECT_TRUE(shows(Red) && !shows(DarkRed));

  // Uncharted, the ship's quadrant still blinks its digits.
  coreState.game.galaxy[27].flags = 0;
  lrs.Invalidate(true);
  Face(lrs);
  lrs.BlinkTick();
  EXPECT_TRUE(shows(DarkRed));

  coreState.game.Damage(ShipSystem::LRS) = 0.5;
  lrs.Invalidate(true);
  const QImage damaged = Face(lrs);
  EXPECT_EQ(Count(damaged, Blue) + Count(damaged, qRgb(0, 0, 0)), damaged.width() * damaged.height())
      << "the empty grid only, no numbers";
  EXPECT_EQ(Count(damaged.copy(0, 0, 360, 25), Blue), 0);
  lrs.BlinkTick();
  EXPECT_EQ(lrs.Surface(), damaged);
}

TEST_F(LongRangeScanTest, ResizingScalesTheCellsAndTheirLettering) {
  Chart(0, 1, 0, 2);
  const int smallDigits = Count(Cell(Face(lrs), 0), Red);
  lrs.resize(720, 460);
  const QImage face = Face(lrs);
  EXPECT_EQ(lrs.ChartCellWidth(), 80);
  EXPECT_EQ(lrs.ChartCellHeight(), 51);
  EXPECT_EQ(lrs.ChartFont().pixelSize(), 43) << "characters are the cell's height less 8";
  EXPECT_EQ(face.pixel(81, 52), Blue) << "top line at 460 - 8 x 51";
  EXPECT_GT(Count(Cell(face, 0), Red), 3 * smallDigits);
}

TEST_F(LongRangeScanTest, TheWindowCannotShrinkBelowItsMinimumAndEscapeLeavesForTheShortRangeScan) {
  lrs.hide();
  QMdiArea area;
  area.resize(800, 600);
  ShortRangeScanWindow* scan = new ShortRangeScanWindow;
  QMdiSubWindow* scanFrame = area.addSubWindow(scan);
  QMdiSubWindow* frame = area.addSubWindow(new LongRangeScanWindow);
  area.show();
  scanFrame->show();
  frame->show();
  frame->resize(10, 10);
  EXPECT_GE(frame->widget()->width(), 88);
  EXPECT_GE(frame->widget()->height(), 60);

  coreState.options.singleControlWindow = 0;
  coreState.options.autoSrs = 1;
  scanFrame->showMinimized();
  frame->widget()->setFocus();
  QTest::keyClick(frame->widget(), Qt::Key_Escape);
  EXPECT_FALSE(scanFrame->isMinimized()) << "the Short Range Scan comes forward";
}

}  // namespace
