// The Messages panel as the player sees it: the last 30 lines at the bottom, in the colour
// of the condition, scrolling by lines and pages, black while the display is broken.

#include "stations/messages_station.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QKeySequence>
#include <QTest>
#include <vector>

#include "core/core_state.h"
#include "core/game_state.h"
#include "core/ship_messages.h"
#include "shell/qt_host.h"
#include "shell/shell_reset.h"

namespace {
constexpr QRgb GreenText = qRgb(0, 255, 0);
constexpr QRgb RedText = qRgb(255, 0, 0);

using Scroll = MessagesStation::ScrollRequest;

class MessagesStationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetShellState(qtHost);
    coreState.game.gamePhase = GamePhase::Green;
    panel = std::make_unique<MessagesStation>();
    panel->resize(320, 82);
    panel->show();
  }

  // Draws the panel's face as the screen would get it and returns it.
  const QImage& Face() {
    panel->Invalidate(true);
    panel->UpdateNow();
    return panel->Surface();
  }

  // How many pixels of `colour` the rows [top, bottom) of the text area hold.
  int CountPixels(QRgb colour, int top = 0, int bottom = -1) {
    const QImage& face = Face();
    if (bottom < 0) bottom = face.height();
    int count = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = 0; x < panel->TextWidth(); ++x) count += face.pixel(x, y) == colour;
    return count;
  }

  void PostNumbered(int count) {
    for (int i = 1; i <= count; ++i) PostShipMessage(Msg::TorpedoHit, i, i, i);
  }

  QtHost qtHost;
  std::unique_ptr<MessagesStation> panel;
};

TEST_F(MessagesStationTest, OpensEmptyAndScrolledToTheBottom) {
  const int visibleLines = 82 / panel->LineHeight();
  EXPECT_EQ(panel->ScrollMax(), 30 - visibleLines);
  EXPECT_EQ(panel->ScrollPos(), panel->ScrollMax());
  EXPECT_EQ(CountPixels(GreenText), 0) << "a new game's log is empty";
}

TEST_F(MessagesStationTest, TheNewestLineTouchesTheBottomEdgeInTheConditionColour) {
  PostShipMessage(Msg::Ready);
  const int height = panel->height();
  const int lastLineTop = height - panel->LineHeight();
  EXPECT_GT(CountPixels(GreenText, lastLineTop, height), 0) << "the newest line is at the bottom";
  EXPECT_EQ(CountPixels(GreenText, 0, lastLineTop), 0) << "nothing else has been posted";

  coreState.game.gamePhase = GamePhase::RedAlertAlt;
  EXPECT_EQ(CountPixels(GreenText), 0);
  EXPECT_GT(CountPixels(RedText), 0) << "a change of condition recolours the whole log";
  coreState.game.gamePhase = GamePhase::YellowAlt;
  EXPECT_GT(CountPixels(qRgb(255, 255, 0)), 0);
}

TEST_F(MessagesStationTest, TheThirtyFirstLinePushesTheOldestOut) {
  PostNumbered(31);
  EXPECT_STREQ(coreState.messageLines[0].data(), "Torpedo hit at 2,2  2 Units");
  EXPECT_STREQ(coreState.messageLines[29].data(), "Torpedo hit at 31,31  31 Units");
}

TEST_F(MessagesStationTest, ScrollingStopsAtBothEndsAndMovesByLinesAndPages) {
  PostNumbered(30);
  const int bottom = panel->ScrollMax();
  ASSERT_GT(bottom, 10) << "the default panel shows only a few of the 30 lines";

  struct Step {
    Scroll request;
    int thumb;
    int expectedPos;
  };
  const Step steps[] = {
      {Scroll::LineDown, 0, bottom},  // already at the bottom
      {Scroll::LineUp, 0, bottom - 1},
      {Scroll::PageUp, 0, bottom - 6},
      {Scroll::PageDown, 0, bottom - 1},
      {Scroll::PageDown, 0, bottom},  // stops at the end
      {Scroll::Top, 0, 0},
      {Scroll::LineUp, 0, 0},  // stops at the top
      {Scroll::PageUp, 0, 0},
      {Scroll::ThumbTrack, 7, 7},     // dragging scrolls as it goes
      {Scroll::ThumbPosition, 3, 7},  // letting go changes nothing more
      {Scroll::ThumbTrack, 99, bottom},
      {Scroll::Bottom, 0, bottom},
  };
  for (const Step& step : steps) {
    panel->Scroll(step.request, step.thumb);
    EXPECT_EQ(panel->ScrollPos(), step.expectedPos) << "request " << static_cast<int>(step.request);
  }
}

TEST_F(MessagesStationTest, ANewMessageBringsTheViewBackToTheBottom) {
  PostNumbered(30);
  panel->Scroll(Scroll::Top);
  PostShipMessage(Msg::Ready);
  EXPECT_EQ(panel->ScrollPos(), panel->ScrollMax());
}

TEST_F(MessagesStationTest, ResizingKeepsTheDistanceFromTheBottom) {
  PostNumbered(30);
  panel->Scroll(Scroll::LineUp);
  panel->Scroll(Scroll::LineUp);
  panel->resize(320, 82 + 3 * panel->LineHeight());
  EXPECT_EQ(panel->ScrollMax() - panel->ScrollPos(), 2);

  panel->resize(320, 82);
  panel->Scroll(Scroll::Top);
  panel->resize(320, 82 + 3 * panel->LineHeight());
  EXPECT_EQ(panel->ScrollPos(), 0) << "the distance is kept only as far as the new range allows";
}

TEST_F(MessagesStationTest, ShowsWholeLinesOnlyWithTheNewestAtTheBottomAtEveryHeight) {
  PostNumbered(30);
  const int line = panel->LineHeight();
  std::vector<int> heights;
  for (int h = 60; h <= 60 + 3 * line; ++h) heights.push_back(h);  // growing
  for (int h = 60 + 3 * line; h >= 40; --h) heights.push_back(h);  // and shrinking again
  for (const int h : heights) {
    panel->resize(320, h);
    const int spare = h % line;
    ASSERT_EQ(CountPixels(GreenText, 0, spare), 0) << "no part of a line above the whole ones at height " << h;
    ASSERT_GT(CountPixels(GreenText, h - line, h), 0) << "the newest line at the bottom at height " << h;
    ASSERT_EQ(panel->ScrollPos(), panel->ScrollMax());
  }
}

TEST_F(MessagesStationTest, TheArrowAndPageKeysScrollTheLogThatShowsItHasTheKeyboard) {
  PostNumbered(30);
  panel->activateWindow();
  panel->setFocus();
  ASSERT_TRUE(QTest::qWaitForWindowActive(panel.get()));
  const QImage screen = panel->grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(screen.pixel(0, 0), GreenText) << "a dotted ring in the log's colour";
  EXPECT_EQ(screen.pixel(0, 2), GreenText);
  EXPECT_NE(screen.pixel(0, 1), GreenText);
  EXPECT_NE(Face().pixel(0, 0), GreenText) << "on the screen only";

  const int bottom = panel->ScrollMax();
  const struct {
    Qt::Key key;
    int expectedPos;
  } steps[] = {{Qt::Key_Up, bottom - 1}, {Qt::Key_PageUp, bottom - 6}, {Qt::Key_Down, bottom - 5},
               {Qt::Key_Home, 0},        {Qt::Key_PageDown, 5},        {Qt::Key_End, bottom}};
  for (const auto& step : steps) {
    QTest::keyClick(panel.get(), step.key);
    EXPECT_EQ(panel->ScrollPos(), step.expectedPos) << QKeySequence(step.key).toString().toStdString();
  }
}

TEST_F(MessagesStationTest, APanelTallerThanTheLogHasNothingToScroll) {
  PostNumbered(30);
  const int height = 30 * panel->LineHeight() + 5;
  panel->resize(320, height);
  EXPECT_EQ(panel->ScrollMax(), 0);
  EXPECT_EQ(panel->TextWidth(), 320) << "the scroll bar goes away";
  panel->Scroll(Scroll::LineDown);
  EXPECT_EQ(panel->ScrollPos(), 0);
  EXPECT_EQ(CountPixels(GreenText, 0, 5), 0) << "the lines start below the spare pixels at the top";
  EXPECT_GT(CountPixels(GreenText, 5, 5 + panel->LineHeight()), 0) << "the oldest line is the first one";
}

TEST_F(MessagesStationTest, ABrokenDisplayIsBlackAndLosesWhatIsPostedMeanwhile) {
  PostShipMessage(Msg::Ready);
  coreState.game.Damage(ShipSystem::MessageDisplay) = 2.0;
  EXPECT_EQ(CountPixels(GreenText), 0);
  PostShipMessage(Msg::TorpedoHit, 1, 2, 3);
  coreState.game.Damage(ShipSystem::MessageDisplay) = 0.0;
  EXPECT_STREQ(coreState.messageLines[29].data(), "Ready") << "nothing posted while broken comes back after the repair";
}

TEST_F(MessagesStationTest, RerouteToTheComputerLeavesThePanelAlone) {
  PostShipMessage(Msg::Ready);
  const QImage before = Face().copy();
  coreState.game.messagesToComputer = 1;
  PostShipMessage(Msg::TorpedoHit, 1, 2, 3);
  EXPECT_EQ(Face(), before);
  EXPECT_STREQ(coreState.messageLines[29].data(), "Ready");
}
}  // namespace
