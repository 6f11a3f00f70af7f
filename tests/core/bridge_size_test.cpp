// How large the bridge is drawn on the screens players have.

#include <gtest/gtest.h>

#include "core/bridge_size.h"

namespace {

constexpr int MenuBar = 19;  // the frame's menu bar in the game's own font

TEST(BridgeSize, AutomaticTakesTheLargestWholeFactorAtWhichTheBridgeFits) {
  struct Screen {
    int width, height, scale;
  };
  for (const Screen screen : {Screen{640, 480, 1}, Screen{1024, 768, 1}, Screen{1280, 1024, 1}, Screen{1366, 768, 1},
                              Screen{1920, 1080, 2}, Screen{1920, 1040, 2}, Screen{2560, 1440, 2},
                              Screen{3840, 2160, 3}, Screen{7680, 4320, 3}, Screen{800, 600, 1}})
    EXPECT_EQ(AutomaticBridgeScale(screen.width, screen.height, MenuBar), screen.scale)
        << screen.width << " x " << screen.height;
  // A desktop that scales by 2 already offers half as many logical pixels.
  EXPECT_EQ(AutomaticBridgeScale(3840 / 2, 2160 / 2, MenuBar), 2);
  // A screen smaller than the bridge still shows it, at its own size.
  EXPECT_EQ(AutomaticBridgeScale(320, 200, MenuBar), 1);
}

TEST(BridgeSize, ThePlayersChoiceWinsOverTheAutomaticOne) {
  EXPECT_EQ(BridgeScale(BridgeSizeAutomatic, 2), 2);
  for (int size = 1; size <= LargestBridgeScale; ++size) EXPECT_EQ(BridgeScale(size, 2), size);
  EXPECT_EQ(BridgeScale(9, 2), 2) << "a size that is no choice is Automatic";
}

}  // namespace
