#include <QKeyEvent>
#include <QTest>
#include <QTimer>

#include "core/core_state.h"
#include "core/game_state.h"
#include "core/options.h"
#include "sector/sector_state.h"
#include "stations/navigation_station.h"
#include "stations/panel_drawing.h"
#include "stations/shared_pictures.h"
#include "stations/station_state.h"
#include "tests/stations/station_fixture.h"

namespace {

constexpr QPoint WarpUp{48, 37}, WarpDown{100, 37}, ImpulseUp{48, 112}, ImpulseDown{100, 112};
constexpr QPoint CoursePlus{203, 175}, Execute{70, 180};

class NavigationTest : public StationTest {
 protected:
  void SetUp() override {
    StationTest::SetUp();
    coreState.options.autoSrs = 0;
    DrawQuadrant(27, {"........", "........", "........", "........", ">.......", "........", "........", "........"});
    nav.show();
    Face(nav);
  }

  // A short click: the release is already waiting when the press is handled, as it is when
  // a player clicks.
  void Click(QPoint at, Qt::KeyboardModifiers modifiers = {}) { ClickOn(nav, at, at, modifiers); }
  void Key(int key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(&nav, static_cast<Qt::Key>(key), modifiers);
  }

  // The digit glyph drawn at (x, y) as the player sees it.
  QImage Glyph(int x, int y) { return nav.Surface().copy(x, y, GlyphWidth, GlyphHeight); }
  static QImage StripGlyph(char digit) {
    return stationState.courseDigitStrip.copy(0, 198 - 18 * (digit - '0'), GlyphWidth, GlyphHeight)
        .convertToFormat(QImage::Format_RGB32);
  }

  NavigationStation nav;
};

TEST_F(NavigationTest, HasTheControlStationsFixedSize) {
  EXPECT_EQ(nav.size(), QSize(340, 225));
  EXPECT_EQ(nav.sizeHint(), QSize(340, 225));
}

TEST_F(NavigationTest, ASingleClickOnUpOrDownChangesTheFactorOnce) {
  Click(WarpUp);
  EXPECT_EQ(nav.WarpSetting(), 1);
  Click(WarpUp);
  Click(WarpDown);
  EXPECT_EQ(nav.WarpSetting(), 1);
  Click(ImpulseDown);
  EXPECT_EQ(nav.ImpulseSetting(), 0) << "nothing below 0";
  if (!stationState.courseDigitStrip.isNull()) {
    EXPECT_EQ(Glyph(69, 28), StripGlyph('1'));
  }
  EXPECT_EQ(nav.PressedButton(), -1);
}

TEST_F(NavigationTest, WarpAndImpulseExcludeEachOther) {
  for (int i = 0; i < 4; ++i) Click(WarpUp);
  Click(ImpulseUp);
  EXPECT_EQ(nav.WarpSetting(), 0) << "raising impulse clears warp first";
  EXPECT_EQ(nav.ImpulseSetting(), 1);
  Click(ImpulseUp);
  Click(ImpulseUp);
  Click(WarpUp);
  EXPECT_EQ(nav.ImpulseSetting(), 0) << "raising warp clears impulse first";
  EXPECT_EQ(nav.WarpSetting(), 1);
  if (!stationState.courseDigitStrip.isNull()) {
    EXPECT_EQ(Glyph(69, 103), StripGlyph('0'));
  }
}

TEST_F(NavigationTest, FactorsStopAtNine) {
  for (int i = 0; i < 12; ++i) Click(ImpulseUp);
  EXPECT_EQ(nav.ImpulseSetting(), 9);
}

TEST_F(NavigationTest, APressedButtonIsInvertedUntilReleased) {
  const QImage before = nav.Surface().copy();
  QTest::mousePress(&nav, Qt::LeftButton, {}, Execute);
  EXPECT_EQ(nav.PressedButton(), NavigationStation::Execute);
  const QRect button = CourseSelector::ExecuteButton;
  EXPECT_EQ(nav.Surface().pixel(button.topLeft()), before.pixel(button.topLeft()) ^ 0x00FFFFFFu);
  EXPECT_EQ(nav.Surface().pixel(button.bottomRight()), before.pixel(button.bottomRight()) ^ 0x00FFFFFFu);
  EXPECT_EQ(nav.Surface().pixel(button.right() + 1, button.top()), before.pixel(button.right() + 1, button.top()));
  QTest::mouseRelease(&nav, Qt::LeftButton, {}, Execute);
  EXPECT_EQ(nav.Surface(), before);
  EXPECT_EQ(nav.PressedButton(), -1);
}

TEST_F(NavigationTest, WithTheWarpDriveDownTheWarpSelectorIsGone) {
  for (int i = 0; i < 3; ++i) Click(WarpUp);
  coreState.game.Damage(ShipSystem::Warp) = 2.0;
  nav.Invalidate(true);
  const QImage face = Face(nav);
  for (int y = 16; y < 77; ++y)
    for (int x = 16; x < 133; ++x) ASSERT_EQ(face.pixel(x, y), qRgb(0, 0, 0)) << x << "," << y;
  Click(WarpDown);
  EXPECT_EQ(nav.Surface(), face) << "no feedback";
  EXPECT_EQ(nav.WarpSetting(), 3);
  Click(ImpulseUp);
  EXPECT_EQ(nav.ImpulseSetting(), 1);
  EXPECT_EQ(nav.WarpSetting(), 3) << "the stored warp factor stays";
}

TEST_F(NavigationTest, TheDialSetsTheCourseItIsClickedAt) {
  const std::pair<QPoint, int> clicks[] = {
      {{240, 30}, 0}, {{240, 150}, 180}, {{170, 84}, 270}, {{260, 54}, 34}, {{300, 84}, 90}};
  for (const auto& [at, course] : clicks) {
    Click(at);
    EXPECT_EQ(nav.NavigationCourse(), course) << at.x() << "," << at.y();
    EXPECT_EQ(nav.PressedButton(), -1) << "the dial is not a button";
  }
  // The needle points at the new course, in the grid pen's green.
  EXPECT_EQ(nav.Surface().pixel(260, 84), qRgb(0, 255, 0));
}

TEST_F(NavigationTest, KeysSetTheCourse) {
  const std::pair<int, int> keys[] = {{Qt::Key_9, 45}, {Qt::Key_Up, 0}, {Qt::Key_Right, 90}, {Qt::Key_End, 225}};
  for (const auto& [key, course] : keys) {
    Key(key);
    EXPECT_EQ(nav.NavigationCourse(), course) << key;
  }
  Key(Qt::Key_3, Qt::KeypadModifier);
  EXPECT_EQ(nav.NavigationCourse(), 135);
  Key(Qt::Key_Minus, Qt::KeypadModifier);
  EXPECT_EQ(nav.NavigationCourse(), 134);
  Key(Qt::Key_Up);
  Key(Qt::Key_Minus);
  EXPECT_EQ(nav.NavigationCourse(), 359);
  Key(Qt::Key_Equal);
  EXPECT_EQ(nav.NavigationCourse(), 0);
  if (!stationState.courseDigitStrip.isNull()) {
    EXPECT_EQ(Glyph(220 + 26, 166), StripGlyph('0'));
  }
}

TEST_F(NavigationTest, TheDigitRowSetsTheCourseWhateverTheLayoutTypesOnItAndWithShift) {
  // The window system's codes of the digit row's keys 1 and 7 and of the keypad's 3, with
  // what a French layout types on them: "&", "7" shifted from "è", and the keypad's 3.
  struct Press {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    quint32 place;
    const char* text;
    int course;
  };
  const Press presses[] = {{Qt::Key_Ampersand, Qt::NoModifier, 10, "&", 225},
                           {Qt::Key_7, Qt::ShiftModifier, 16, "7", 315},
                           {Qt::Key_Exclam, Qt::ShiftModifier, 10, "!", 225},
                           {Qt::Key_3, Qt::KeypadModifier, 89, "3", 135}};
  for (const Press& p : presses) {
    QKeyEvent press(QEvent::KeyPress, p.key, p.modifiers, p.place, 0, 0, QString::fromLatin1(p.text));
    QApplication::sendEvent(&nav, &press);
    EXPECT_EQ(nav.NavigationCourse(), p.course) << p.text;
  }
}

TEST_F(NavigationTest, CoursePlusStepsByFiveOrByOneWithShift) {
  Click(CoursePlus);
  EXPECT_EQ(nav.NavigationCourse(), 5);
  Click(CoursePlus, Qt::ShiftModifier);
  EXPECT_EQ(nav.NavigationCourse(), 6);
}

TEST_F(NavigationTest, ExecuteWithNoFactorDoesNothing) {
  Click(Execute);
  Key(Qt::Key_Return);
  EXPECT_TRUE(host.CallsNamed("PlaySoundNow").empty());
  EXPECT_EQ(coreState.game.changeCount, 0);
}

TEST_F(NavigationTest, ExecuteAcknowledgesAndMovesTheShip) {
  Key(Qt::Key_Right);
  Click(ImpulseUp);
  Click(ImpulseUp);
  Click(Execute);
  EXPECT_EQ(host.calls.front(), (HeadlessHost::Call{"PlaySoundNow", "3 once"}));
  EXPECT_EQ(coreState.game.shipSectorX, 2);
  EXPECT_EQ(coreState.game.changeCount, 1);
  Key(Qt::Key_Return);
  EXPECT_EQ(coreState.game.shipSectorX, 4) << "the settings stay: Enter repeats the move";
}

TEST_F(NavigationTest, AReleaseOutsideExecuteDoesNotEngage) {
  Click(ImpulseUp);
  QTest::mousePress(&nav, Qt::LeftButton, {}, Execute);
  QTest::mouseRelease(&nav, Qt::LeftButton, {}, QPoint(150, 200));
  EXPECT_EQ(coreState.game.changeCount, 0);
}

TEST_F(NavigationTest, InputIsIgnoredWhileAnActionRuns) {
  Click(ImpulseUp);
  sectorState.actionInProgress = true;
  Key(Qt::Key_Return);
  Key(Qt::Key_Down);
  Click(ImpulseUp);
  EXPECT_EQ(nav.ImpulseSetting(), 1);
  EXPECT_EQ(nav.NavigationCourse(), 0);
  EXPECT_EQ(coreState.game.changeCount, 0);
  EXPECT_TRUE(host.CallsNamed("PlaySoundNow").empty());
}

TEST_F(NavigationTest, HoldingWarpUpCountsEvery300Ms) {
  host.After(750, [this] { QTest::mouseRelease(&nav, Qt::LeftButton, {}, WarpUp); });
  QTest::mousePress(&nav, Qt::LeftButton, {}, WarpUp);
  EXPECT_EQ(nav.WarpSetting(), 3) << "1 on the press, 2 at 300 ms, 3 at 600 ms";
  EXPECT_EQ(nav.PressedButton(), -1);
}

}  // namespace
