// Window > Cascade and Tile with the stations a game has up.

#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>

#include "core/options.h"
#include "shell/bridge_background.h"
#include "shell/station_windows.h"
#include "stations/station_handles.h"
#include "stations/station_window.h"
#include "tests/shell/bridge_fixture.h"

namespace {
namespace M = MenuCommand;

class StationArrangementTest : public BridgeTest, public ::testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    BridgeTest::SetUp();
    frame->resize(1920, 1080);
    NewGameFromMenu(GreenSeed);
    if (GetParam()) {  // every station up, not only the four of the default arrangement
      for (int s = 0; s < StationCount; ++s)
        if (QMdiSubWindow* station = StationFrame(static_cast<Station>(s))) station->showNormal();
      QCoreApplication::processEvents();
    }
  }

  QList<QMdiSubWindow*> StationsUp() const {
    QList<QMdiSubWindow*> up;
    for (QMdiSubWindow* station : frame->Backdrop().subWindowList(QMdiArea::StackingOrder))
      if (station->isVisible() && !station->isMinimized()) up.append(station);
    return up;
  }
  static QRect TitleBar(const QMdiSubWindow& station) {
    return QRect(station.geometry().topLeft(), QSize(station.width(), station.widget()->y()));
  }
  static bool FixedSize(const QMdiSubWindow& station) { return station.minimumSize() == station.maximumSize(); }
};

TEST_P(StationArrangementTest, CascadeLeavesEveryTitleBarInSight) {
  const QList<QMdiSubWindow*> before = StationsUp();
  ASSERT_GE(before.size(), 4);
  frame->Command(M::Cascade);
  QCoreApplication::processEvents();
  const QList<QMdiSubWindow*> stacked = StationsUp();  // back to front
  ASSERT_EQ(stacked.size(), before.size());
  const QRect bridge = frame->Backdrop().viewport()->rect();
  for (int i = 0; i < stacked.size(); ++i) {
    const QRect title = TitleBar(*stacked[i]);
    EXPECT_TRUE(bridge.contains(title.topLeft())) << stacked[i]->windowTitle().toStdString();
    for (int j = i + 1; j < stacked.size(); ++j)
      EXPECT_FALSE(stacked[j]->geometry().intersects(title))
          << stacked[j]->windowTitle().toStdString() << " covers the title bar of "
          << stacked[i]->windowTitle().toStdString();
    if (i > 0) {
      EXPECT_GT(stacked[i]->x(), stacked[i - 1]->x()) << "each one right of the one behind it";
      EXPECT_GT(stacked[i]->y(), stacked[i - 1]->y()) << "and below it";
    }
    if (FixedSize(*stacked[i])) {
      EXPECT_EQ(stacked[i]->size(), stacked[i]->maximumSize());
    }
  }
}

TEST_P(StationArrangementTest, TileLeavesNoTwoStationsOverlappingAndStretchesNoFixedOne) {
  frame->Command(M::Tile);
  QCoreApplication::processEvents();
  const QList<QMdiSubWindow*> tiled = StationsUp();
  ASSERT_GE(tiled.size(), 4);
  for (int i = 0; i < tiled.size(); ++i) {
    for (int j = i + 1; j < tiled.size(); ++j)
      EXPECT_FALSE(tiled[i]->geometry().intersects(tiled[j]->geometry()))
          << tiled[i]->windowTitle().toStdString() << " and " << tiled[j]->windowTitle().toStdString();
    if (FixedSize(*tiled[i])) {
      EXPECT_EQ(tiled[i]->size(), tiled[i]->maximumSize());
    }
  }
}

INSTANTIATE_TEST_SUITE_P(StationsUp, StationArrangementTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& each) {
                           return each.param ? "EveryStation" : "DefaultArrangement";
                         });

}  // namespace
