// The frame trace of kestrav --trace: the actions' animations run on the bridge's own host
// and scan, on the virtual clock, and the trace holds one line for every frame the scan
// showed, at the time it was shown.

#include <QFile>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "core/core_state.h"
#include "core/game_state.h"
#include "sector/scan_effects.h"
#include "sector/scan_geometry.h"
#include "sector/warp_starfield.h"
#include "shell/frame_trace.h"
#include "shell/station_windows.h"
#include "tests/shell/bridge_fixture.h"

namespace {
constexpr std::uint32_t Start = 1000000;

class FrameTraceTest : public BridgeTest {
 protected:
  void SetUp() override {
    BridgeTest::SetUp();
    NewGameFromMenu(GreenSeed);
    qtHost.UseVirtualClock(Start);
    std::string problem;
    qtHost.TraceFrames(FrameTrace::Open(TracePath(), problem));
    ASSERT_TRUE(problem.empty()) << problem;
  }

  std::string TracePath() const { return folder.filePath(QStringLiteral("frames.trace")).toStdString(); }

  // The trace as written once it is closed, one string a line.
  std::vector<std::string> ClosedTrace() {
    qtHost.TraceFrames(nullptr);
    QFile file(QString::fromStdString(TracePath()));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    std::vector<std::string> lines;
    for (const QByteArray& line : file.readAll().split('\n'))
      if (!line.isEmpty()) lines.push_back(line.toStdString());
    return lines;
  }

  // The lines an animation of `frames` frames `periodMs` apart writes from `first` on.
  static std::vector<std::string> Expected(std::uint32_t at, const char* name, int first, int frames,
                                           std::uint32_t periodMs) {
    std::vector<std::string> lines;
    for (int i = 0; i < frames; ++i, at += periodMs)
      lines.push_back(std::to_string(at) + ".000 " + name + " " + std::to_string(first + i) + " " +
                      std::to_string(periodMs));
    lines.push_back(std::to_string(at) + ".000 " + name + " end");
    return lines;
  }

  QTemporaryDir folder;
};

TEST_F(FrameTraceTest, EachAnimationFrameShownIsALineAtTheTimeItWasShown) {
  WarpStarfield(1);
  const std::uint32_t hitStart = TickCount();
  const int x = coreState.game.shipSectorX, y = coreState.game.shipSectorY;
  PlayHitAnimation(x, y, false);
  const std::uint32_t beamStart = TickCount();
  DrawBeam(SectorCentre(x, y), SectorCentre((x + 4) % 8, y), 250, true);

  std::vector<std::string> expected = Expected(Start, "warp", 1, 44, 60);
  for (const std::string& line : Expected(hitStart, "hit", 0, 8, 120)) expected.push_back(line);
  for (const std::string& line : Expected(beamStart, "alien-beam", 0, 3, 100)) expected.push_back(line);
  EXPECT_EQ(ClosedTrace(), expected);
}

TEST_F(FrameTraceTest, FramesDrawnOnAScanThatIsNotShownAreNotTraced) {
  StationFrame(Station::ShortRangeScan)->showMinimized();
  QCoreApplication::processEvents();
  const int x = coreState.game.shipSectorX, y = coreState.game.shipSectorY;
  PlayHitAnimation(x, y, false);

  StationFrame(Station::ShortRangeScan)->showNormal();
  QCoreApplication::processEvents();
  const std::uint32_t beamStart = TickCount();
  DrawBeam(SectorCentre(x, y), SectorCentre((x + 4) % 8, y), 100, false);
  EXPECT_EQ(ClosedTrace(), Expected(beamStart, "phaser", 0, 1, 100));
}

TEST(FrameTraceFile, ThatCannotBeWrittenSaysWhy) {
  QTemporaryDir folder;
  std::string problem;
  EXPECT_EQ(FrameTrace::Open(folder.filePath(QStringLiteral("no/such/folder/frames.trace")).toStdString(), problem),
            nullptr);
  EXPECT_EQ(problem, "No such file or directory");
}
}  // namespace
