// On a screen of twice the density (Qt scaling at 2) the bridge is drawn at twice the size,
// pixel for pixel: every station's face, the pictures of the popups and the bridge's own
// background are doubled, never smoothed, and clicks still land where the player sees them.
// This program runs with QT_SCALE_FACTOR=2.

#include <QMdiSubWindow>
#include <QPainter>

#include "lifecycle/communique_window.h"
#include "lifecycle/modal_popup.h"
#include "shell/bridge_background.h"
#include "shell/station_windows.h"
#include "stations/navigation_station.h"
#include "stations/resource_library.h"
#include "tests/shell/bridge_fixture.h"

namespace {
constexpr int LetterheadPicture = 8;

QImage Doubled(const QImage& image) {
  return image.scaled(image.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation)
      .convertToFormat(QImage::Format_RGB32);
}

// The widget as the screen shows it, one image pixel per device pixel.
QImage Shot(QWidget& widget) {
  QImage shot = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
  shot.setDevicePixelRatio(1);
  return shot;
}

// The first 2 x 2 block of device pixels inside `area` that is not one colour, or (-1, -1):
// a picture enlarged crisply has none.
QPoint FirstBlurredBlock(const QImage& shot, const QRect& area) {
  for (int y = area.top() & ~1; y + 1 <= area.bottom(); y += 2)
    for (int x = area.left() & ~1; x + 1 <= area.right(); x += 2) {
      const QRgb c = shot.pixel(x, y);
      if (shot.pixel(x + 1, y) != c || shot.pixel(x, y + 1) != c || shot.pixel(x + 1, y + 1) != c) return {x, y};
    }
  return {-1, -1};
}

QRect DeviceRect(const QRect& logical) { return {logical.topLeft() * 2, logical.size() * 2}; }

class LargeScreen : public BridgeTest {
 protected:
  void SetUp() override {
    BridgeTest::SetUp();
    ASSERT_EQ(frame->devicePixelRatio(), 2.0) << "this program runs with QT_SCALE_FACTOR=2";
  }
};

TEST_F(LargeScreen, EveryStationShowsItsFacePixelDoubled) {
  NewGameFromMenu(GreenSeed);
  for (int s = 0; s < StationCount; ++s) {
    QMdiSubWindow* window = StationFrame(static_cast<Station>(s));
    ASSERT_NE(window, nullptr) << "station " << s;
    window->showNormal();
    auto* station = qobject_cast<StationWindow*>(window->widget());
    ASSERT_NE(station, nullptr) << "station " << s;
    station->UpdateNow();
    QImage shot = Shot(*station);
    ASSERT_EQ(shot.size(), station->size() * 2) << "station " << s;
    QImage face = Doubled(station->Surface());
    // Qt's own widgets on a station (the Messages scroll bar) draw themselves at the screen's
    // resolution; the face is the rest.
    for (const QWidget* child : station->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (!child->isVisible()) continue;
      const QRect covered = DeviceRect(child->geometry());
      QPainter(&shot).fillRect(covered, Qt::magenta);
      QPainter(&face).fillRect(covered, Qt::magenta);
    }
    EXPECT_TRUE(shot == face) << "station " << s << " is not its face doubled";
  }
}

TEST_F(LargeScreen, TheDefaultArrangementStillFitsTheBridge) {
  NewGameFromMenu(GreenSeed);
  const QRect bridge = frame->Backdrop().viewport()->rect();
  int shown = 0;
  for (int s = 0; s < StationCount; ++s) {
    const QMdiSubWindow* window = StationFrame(static_cast<Station>(s));
    if (!window->isVisible() || window->isMinimized()) continue;
    ++shown;
    EXPECT_TRUE(bridge.contains(window->geometry())) << "station " << s << " runs off the bridge";
  }
  EXPECT_GE(shown, 4) << "the scan, status, messages and controls are up";
}

TEST_F(LargeScreen, TheDialAndTheButtonsAnswerWhereThePlayerClicks) {
  NewGameFromMenu(GreenSeed);
  QMdiSubWindow* window = StationFrame(Station::Navigation);
  window->showNormal();
  auto* navigation = qobject_cast<NavigationStation*>(window->widget());
  ASSERT_NE(navigation, nullptr);
  // Logical points, as the player's clicks arrive: the dial's top, its west and a point
  // between north and east, then the course's + button.
  const std::pair<QPoint, int> clicks[] = {{{240, 30}, 0}, {{170, 84}, 270}, {{260, 54}, 34}, {{203, 175}, 39}};
  for (const auto& [at, course] : clicks) {
    // A player's short click: the release is already waiting when the press is handled.
    QTimer::singleShot(0, navigation,
                       [navigation, at = at] { QTest::mouseRelease(navigation, Qt::LeftButton, {}, at); });
    QTest::mousePress(navigation, Qt::LeftButton, {}, at);
    QApplication::processEvents();
    EXPECT_EQ(navigation->NavigationCourse(), course) << at.x() << "," << at.y();
  }
}

TEST_F(LargeScreen, TheIdleBridgeShowsItsStarsAndLogoInWholePixels) {
  frame->Backdrop().viewport()->update();
  const QImage shot = Shot(*frame->Backdrop().viewport());
  ASSERT_EQ(shot.size(), frame->Backdrop().viewport()->size() * 2);
  // The hint's text below the logo is drawn at the screen's own resolution; the stars and the
  // logo above it are pixel art.
  const QSize logical = frame->Backdrop().viewport()->size();
  const QRect starsAndLogo = DeviceRect(QRect(0, 0, logical.width(), logical.height() / 2 + 30));
  const QPoint blurred = FirstBlurredBlock(shot, starsAndLogo);
  EXPECT_EQ(blurred, QPoint(-1, -1)) << "at " << blurred.x() << "," << blurred.y();
  EXPECT_NE(shot, QImage(shot.size(), shot.format())) << "something is drawn";
}

TEST_F(LargeScreen, APopupsPictureIsDoubledWhole) {
  CommuniqueWindow popup(frame.get(), "Stardate 2000.0\nA test of the letterhead.");
  popup.show();
  const QImage letterhead = resources::Picture(LetterheadPicture);
  ASSERT_FALSE(letterhead.isNull());
  // The letterhead sits inside the border, 10 by 6 pixels into the client area.
  const QImage shot = Shot(popup);
  EXPECT_TRUE(shot.copy(DeviceRect(QRect(QPoint(11, 7), letterhead.size()))) == Doubled(letterhead));
}

}  // namespace
