#include "core/conditions.h"
#include "core/core_state.h"
#include "core/game_state.h"
#include "stations/panel_drawing.h"
#include "stations/resource_library.h"
#include "stations/shared_pictures.h"
#include "stations/station_state.h"
#include "stations/status_station.h"
#include "tests/stations/station_fixture.h"

namespace {

constexpr int ReadoutX = 110;
constexpr int Rows[] = {15, 42, 69, 96, 123, 150, 204};
constexpr QRect LightBox(121, 173, 40, 25);

class StatusStationTest : public StationTest {
 protected:
  void SetUp() override {
    StationTest::SetUp();
    status.show();
  }

  // The glyph cell `index` of the read-out at row y, as drawn on the face.
  static QImage DrawnCell(const QImage& face, int y, int index) {
    return face.copy(ReadoutX + index * GlyphWidth, y, GlyphWidth, GlyphHeight);
  }
  // The strip's glyph for c, with the point ORed in when `point` is set.
  static QImage Glyph(char c, bool point = false) {
    const QImage strip = stationState.digitStrip.convertToFormat(QImage::Format_RGB32);
    auto cell = [&strip](int top) { return strip.copy(0, top, GlyphWidth, GlyphHeight); };
    QImage glyph = cell(c == ' ' ? 18 : 198 - 18 * (c - '0'));
    if (point) {
      const QImage dot = cell(216);
      for (int y = 0; y < GlyphHeight; ++y)
        for (int x = 0; x < GlyphWidth; ++x) glyph.setPixel(x, y, glyph.pixel(x, y) | dot.pixel(x, y));
    }
    return glyph;
  }
  static QImage Minus() {
    return stationState.digitStrip.convertToFormat(QImage::Format_RGB32).copy(0, 0, GlyphWidth, GlyphHeight);
  }

  // What the face should show in its five cells for `text` (no point).
  static void ExpectReadout(const QImage& face, int y, const char* text) {
    for (int i = 0; i < 5; ++i) {
      const QImage expected = text[i] == '-' ? Minus() : Glyph(text[i]);
      EXPECT_EQ(DrawnCell(face, y, i), expected) << "row " << y << " cell " << i << " of \"" << text << "\"";
    }
  }

  static QImage Light(int top) {
    return resources::Picture(1).convertToFormat(QImage::Format_RGB32).copy(0, top, 40, 25);
  }
  static QImage PanelLightBox() { return resources::Picture(6).convertToFormat(QImage::Format_RGB32).copy(LightBox); }

  StatusStation status;
};

TEST_F(StatusStationTest, ShowsEveryReadout) {
  coreState.game.stardateNow = 1234.5;
  coreState.game.shipQuadrant = 4 * 8 + 2;  // column 3, row 5
  coreState.game.shipSectorX = 7;
  coreState.game.shipSectorY = 0;
  coreState.game.shipEnergy = 2987;
  coreState.game.shieldEnergy = 40;
  coreState.game.torpedoCount = 9;
  coreState.game.aliensRemaining = 17;
  const QImage face = Face(status);
  EXPECT_EQ(status.minimumSize(), QSize(189, 236));
  EXPECT_EQ(status.maximumSize(), QSize(189, 236));
  // The point shares the cell of the digit before it: six characters in five cells.
  EXPECT_EQ(DrawnCell(face, 15, 0), Glyph('1'));
  EXPECT_EQ(DrawnCell(face, 15, 3), Glyph('4', true));
  EXPECT_EQ(DrawnCell(face, 15, 4), Glyph('5'));
  ExpectReadout(face, 42, "  3-5");
  ExpectReadout(face, 69, "  8-1");
  ExpectReadout(face, 96, " 2987");
  ExpectReadout(face, 123, "   40");
  ExpectReadout(face, 150, "    9");
  ExpectReadout(face, 204, "   17");
}

TEST_F(StatusStationTest, TheLightShowsTheCondition) {
  const std::pair<GamePhase, int> lights[] = {{GamePhase::Green, 0},     {GamePhase::Docked, 25},
                                              {GamePhase::RedAlert, 50}, {GamePhase::RedAlertAlt, 75},
                                              {GamePhase::Yellow, 100},  {GamePhase::YellowAlt, 125}};
  for (const auto& [phase, top] : lights) {
    coreState.game.gamePhase = phase;
    status.Invalidate(false);
    EXPECT_EQ(Face(status).copy(LightBox), Light(top)) << "phase " << static_cast<int>(phase);
  }
  for (GamePhase over : {GamePhase::GameOver, GamePhase::NoGame}) {
    coreState.game.gamePhase = over;
    status.Invalidate(false);
    EXPECT_EQ(Face(status).copy(LightBox), PanelLightBox()) << "no light";
  }
}

TEST_F(StatusStationTest, FollowsTheRulesInvalidations) {
  Face(status);
  coreState.game.shipEnergy = 250;
  EvaluateConditions();  // condition yellow: the rules repaint the panel
  const QImage face = Face(status);
  ExpectReadout(face, 96, "  250");
  EXPECT_EQ(face.copy(LightBox), Light(100));
}

TEST_F(StatusStationTest, WhenThePanelIsOutTheBoxesAreEmptyAndTheLightDark) {
  coreState.game.gamePhase = GamePhase::RedAlertAlt;
  coreState.game.Damage(ShipSystem::StatusPanel) = 2.0;
  const QImage face = Face(status);
  for (int y : Rows) ExpectReadout(face, y, "     ");
  EXPECT_EQ(face.copy(LightBox), PanelLightBox());
}

}  // namespace
