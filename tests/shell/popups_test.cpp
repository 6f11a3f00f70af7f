// The shell's popups and the start-up flight: the pause that holds the game until a typed
// character or a click, the About box, and the fly-by that leaves the screen as it found it.

#include <QElapsedTimer>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>

#include "core/core_state.h"
#include "core/message_catalogue.h"
#include "core/options.h"
#include "core/random.h"
#include "lifecycle/modal_popup.h"
#include "sector/idle_pass.h"
#include "shell/bridge_background.h"
#include "shell/intro_fly_by.h"
#include "shell/main_loop.h"
#include "shell/station_windows.h"
#include "stations/damage_report.h"
#include "stations/resource_library.h"
#include "stations/station_handles.h"
#include "stations/station_state.h"
#include "tests/shell/bridge_fixture.h"

namespace {
namespace M = MenuCommand;

// A screen with something on every pixel, so that any pixel left changed shows.
QImage BusyScreen(QSize size) {
  QImage screen(size, QImage::Format_RGB32);
  for (int y = 0; y < size.height(); ++y)
    for (int x = 0; x < size.width(); ++x) screen.setPixel(x, y, qRgb(x * 7 % 256, y * 5 % 256, (x ^ y) % 256));
  return screen;
}

QImage Sprite(QSize size) {
  QImage sprite(size, QImage::Format_RGB32);
  sprite.fill(qRgb(255, 255, 0));
  sprite.setPixel(0, 0, qRgb(0, 0, 0));  // the sprite's own black leaves the screen alone
  return sprite;
}

struct FlightRow {
  const char* name;
  QSize screen, sprite;
};
void PrintTo(const FlightRow& row, std::ostream* os) { *os << row.name; }

class FlyByFlightTest : public ::testing::TestWithParam<FlightRow> {};

TEST_P(FlyByFlightTest, CrossesAThirdOfTheWayDownAndLeavesTheScreenAsItWas) {
  const FlightRow& row = GetParam();
  const QImage before = BusyScreen(row.screen);
  QImage screen = before;
  const QImage sprite = Sprite(row.sprite);
  FlyByFlight flight(screen, sprite);
  int steps = 0;
  bool sawItMidway = false;
  while (flight.Step()) {
    ++steps;
    const QPoint at = flight.SpriteAt();
    EXPECT_EQ(at, QPoint(row.screen.width() + 3 - 3 * steps, row.screen.height() / 3));
    const QPoint inside = at + QPoint(row.sprite.width() / 2, row.sprite.height() / 2);
    if (screen.rect().contains(inside)) {
      EXPECT_EQ(screen.pixel(inside), before.pixel(inside) ^ 0x00FFFF00u) << "drawn by exclusive-or";
      sawItMidway = true;
      if (screen.rect().contains(at)) {
        EXPECT_EQ(screen.pixel(at), before.pixel(at)) << "black changes nothing";
      }
    }
  }
  EXPECT_TRUE(sawItMidway);
  EXPECT_LT(flight.SpriteAt().x(), -row.sprite.width());
  EXPECT_GE(flight.SpriteAt().x(), -row.sprite.width() - 3) << "it stops as soon as it is gone";
  EXPECT_EQ(screen, before);
}

INSTANTIATE_TEST_SUITE_P(Flights, FlyByFlightTest,
                         ::testing::Values(FlightRow{"Ship", {320, 200}, {34, 25}},
                                           FlightRow{"SpriteWiderThanTheScreen", {60, 40}, {100, 20}},
                                           FlightRow{"OddWidths", {101, 77}, {35, 9}}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(FlyByOverTheFrameTest, TheFrameLooksTheSameAfterTheFlight) {
  ASSERT_FALSE(resources::Picture(58).isNull()) << "the picture bundle is loaded";
  QLabel frame;
  frame.setPixmap(QPixmap::fromImage(BusyScreen({150, 90})));
  frame.resize(150, 90);
  frame.show();
  const QImage before = frame.grab().toImage();
  PlayIntroFlyByOver(frame);
  EXPECT_EQ(frame.grab().toImage(), before);
  EXPECT_TRUE(frame.findChildren<QWidget*>().isEmpty()) << "the flight's surface is gone";
}

// The whole flight over a frame this wide takes seconds; a key or a click ends it at once.
class FlyBySkipTest : public ::testing::TestWithParam<const char*> {};

TEST_P(FlyBySkipTest, EndsTheFlightAtOnceAndLeavesTheFrameAsItWas) {
  QLabel frame;
  frame.setPixmap(QPixmap::fromImage(BusyScreen({1200, 200})));
  frame.resize(1200, 200);
  frame.show();
  const QImage before = frame.grab().toImage();
  const bool byKey = std::string(GetParam()) == "Key";
  QTimer::singleShot(100, [&frame, byKey] {
    if (byKey)
      QTest::keyClick(&frame, Qt::Key_Space);
    else
      QTest::mouseClick(&frame, Qt::LeftButton, {}, QPoint(600, 100));
  });
  QElapsedTimer clock;
  clock.start();
  PlayIntroFlyByOver(frame);
  EXPECT_LT(clock.elapsed(), 1000) << "the flight went on after the " << GetParam();
  EXPECT_EQ(frame.grab().toImage(), before) << "the ship is gone with it";
  EXPECT_TRUE(frame.findChildren<QWidget*>().isEmpty()) << "and so is the flight's surface";
}

INSTANTIATE_TEST_SUITE_P(KeyOrClick, FlyBySkipTest, ::testing::Values("Key", "Click"),
                         [](const auto& row) { return std::string(row.param); });

void Nothing() {}

class PopupTest : public BridgeTest {
 protected:
  void SetUp() override {
    BridgeTest::SetUp();
    SetIdleDuties({Nothing, Nothing});  // only the clock and the aliens run
  }
  void TearDown() override {
    BridgeTest::TearDown();
    ResetShellState(qtHost);
  }

  // The Damage Report in plain view at the top left of the bridge, where a click reaches it.
  static QWidget& ReportInView() {
    QMdiSubWindow* station = StationFrame(Station::DamageReport);
    station->showNormal();
    station->move(0, 0);
    station->raise();
    return *StationHandle(Station::DamageReport);
  }

  // Runs `whileUp` as soon as a modal popup is up; `whileUp` ends it.
  static void WhenPopupIsUp(const std::function<void(QWidget&)>& whileUp) {
    auto* watch = new QTimer;
    QObject::connect(watch, &QTimer::timeout, [watch, whileUp] {
      QWidget* popup = WaitingWindow();
      if (!popup || !popup->isVisible()) return;
      watch->stop();
      watch->deleteLater();
      whileUp(*popup);
    });
    watch->start(5);
  }
};

TEST_F(PopupTest, APauseHoldsTheClockUntilALetterAndAFunctionKeyDoesNotEndIt) {
  NewGameFromMenu(GreenSeed);
  const double stardate = coreState.game.stardateNow;
  coreState.game.nextClockTick = TickCount();  // a clock step is due
  bool sawFunctionKeyKeepIt = false;
  WhenPopupIsUp([&](QWidget& popup) {
    EXPECT_EQ(coreState.pausedFlag, 1);
    EXPECT_FALSE(frame->isEnabled()) << "the frame waits behind the popup";
    EXPECT_EQ(popup.size(), QSize(200, 100));
    EXPECT_EQ(popup.geometry(), CenterRect(QRect(0, 0, 200, 100), frame->frameGeometry()));
    QTest::keyClick(&popup, Qt::Key_F5);
    QTest::keyClick(&popup, Qt::Key_Shift);
    // Looked at on the next turn of the popup's own loop: a key that ended the pause would
    // have let it close by then.
    QTimer::singleShot(0, [&, stillUp = QPointer<QWidget>(&popup)] {
      sawFunctionKeyKeepIt = stillUp && WaitingWindow() == stillUp;
      EXPECT_DOUBLE_EQ(coreState.game.stardateNow, stardate) << "no clock step while paused";
      if (stillUp) QTest::keyClick(stillUp, Qt::Key_A);
    });
  });
  QTimer::singleShot(0, [&] {
    frame->Command(M::Pause);
    RequestQuit(0);
  });
  RunMainLoop();
  EXPECT_TRUE(sawFunctionKeyKeepIt);
  EXPECT_EQ(coreState.pausedFlag, 0);
  EXPECT_TRUE(frame->isEnabled());
  EXPECT_TRUE(Item(MenuSet::Game, M::Pause)->isEnabled());
}

TEST_F(PopupTest, TheClockPicksUpAgainAfterAClickEndsThePause) {
  qtHost.UseVirtualClock(1000000);
  NewGameFromMenu(GreenSeed);
  const double stardate = coreState.game.stardateNow;
  WhenPopupIsUp([](QWidget& popup) {
    coreState.game.nextClockTick = TickCount();
    QTest::mouseClick(&popup, Qt::LeftButton, {}, QPoint(100, 50));
  });
  frame->Command(M::Pause);
  // The main loop's next pass, a moment after the click.
  RunIdlePass({Nothing, Nothing}, TickCount() + 1);
  EXPECT_DOUBLE_EQ(coreState.game.stardateNow, stardate + 0.1);
}

TEST_F(PopupTest, ThePauseAndTheAboutBoxLeaveTheDesktopsKeyboardAndMouseAlone) {
  NewGameFromMenu(GreenSeed);
  for (int command : {M::Pause, M::About}) {
    bool sawNoGrab = false;
    WhenPopupIsUp([&](QWidget& popup) {
      sawNoGrab = QWidget::mouseGrabber() == nullptr && QWidget::keyboardGrabber() == nullptr;
      QTest::mouseClick(&popup, Qt::LeftButton, {}, QPoint(20, 20));
    });
    frame->Command(command);
    EXPECT_TRUE(sawNoGrab) << command;
    EXPECT_TRUE(frame->isEnabled());
  }
}

// Clicks and keys as the platform delivers them: to the game's top-level window under the
// pointer or with the keyboard, past whatever the game lets through while a popup is up.
QPoint InFrame(const QWidget& frame, const QWidget& widget, QPoint at) {
  return frame.mapFromGlobal(widget.mapToGlobal(at));
}

TEST_F(PopupTest, ALeftClickOnAStationOrTheFrameEndsThePauseOrTheAboutBoxAndGoesNoFurther) {
  NewGameFromMenu(GreenSeed);
  QWidget& report = ReportInView();
  QMenuBar* bar = frame->menuBar();
  const QPoint onReport = InFrame(*frame, report, report.rect().center());
  const QPoint onFileMenu = InFrame(*frame, *bar, bar->actionGeometry(bar->actions().first()).center());
  ASSERT_EQ(frame->childAt(onReport), &report);
  const int showsRemaining = stationState.repairShowRemaining;
  for (int command : {M::Pause, M::About}) {
    for (QPoint at : {onReport, onFileMenu}) {
      bool endedByTheClick = false;
      WhenPopupIsUp([&](QWidget& popup) {
        // The press ends it; the release comes once it has gone, as a player's click does.
        QTest::mousePress(frame->windowHandle(), Qt::LeftButton, {}, at);
        QTimer::singleShot(0, [&, stillUp = QPointer<QWidget>(&popup)] {
          endedByTheClick = !stillUp || !stillUp->isVisible();
          if (!endedByTheClick) QTest::keyClick(stillUp, Qt::Key_Space);
        });
      });
      frame->Command(command);
      QTest::mouseRelease(frame->windowHandle(), Qt::LeftButton, {}, at);
      QCoreApplication::processEvents();
      EXPECT_TRUE(endedByTheClick) << command << " at " << at.x() << "," << at.y();
      EXPECT_EQ(coreState.pausedFlag, 0);
      EXPECT_TRUE(frame->isEnabled());
      EXPECT_EQ(stationState.repairShowRemaining, showsRemaining) << "the station did not take the click";
      EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "no menu opened";
    }
  }
}

TEST_F(PopupTest, ARightClickOrAKeyThatTypesNothingKeepsThePauseAndALetterTypedToTheFrameEndsIt) {
  NewGameFromMenu(GreenSeed);
  QWidget& report = ReportInView();
  const QPoint onReport = InFrame(*frame, report, report.rect().center());
  const QPoint onTitleBar = InFrame(*frame, *StationFrame(Station::DamageReport), QPoint(40, 8));
  bool keptUp = false, endedByTheLetter = false;
  WhenPopupIsUp([&](QWidget& popup) {
    QTest::mouseClick(frame->windowHandle(), Qt::RightButton, {}, onReport);
    QTest::mouseClick(frame->windowHandle(), Qt::RightButton, {}, onTitleBar);
    QTest::mouseClick(popup.windowHandle(), Qt::RightButton, {}, QPoint(20, 20));
    QTest::keyClick(frame->windowHandle(), Qt::Key_F10);
    QTest::keyClick(frame->windowHandle(), Qt::Key_Shift);
    QTimer::singleShot(0, [&, stillUp = QPointer<QWidget>(&popup)] {
      keptUp = stillUp && stillUp->isVisible() && coreState.pausedFlag == 1;
      EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "no menu opened";
      if (!stillUp) return;
      QTest::keyClick(frame->windowHandle(), Qt::Key_A);
      QTimer::singleShot(0, [&, stillUp] {
        endedByTheLetter = !stillUp || !stillUp->isVisible();
        if (!endedByTheLetter) QTest::keyClick(stillUp, Qt::Key_Space);
      });
    });
  });
  frame->Command(M::Pause);
  QCoreApplication::processEvents();  // the last look comes once the pause has returned
  EXPECT_TRUE(keptUp);
  EXPECT_TRUE(endedByTheLetter);
  EXPECT_EQ(coreState.pausedFlag, 0);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(PopupTest, ABoxThatComesUpOverThePauseTakesItsKeysAndThePauseStaysUp) {
  NewGameFromMenu(GreenSeed);
  int answer = -1;
  bool pauseStillUp = false;
  WhenPopupIsUp([&](QWidget& popup) {
    // What a saved game handed over while paused brings up: a box over the pause.
    QTimer::singleShot(0, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) QTest::keyClick(box, Qt::Key_N);
    });
    answer = QMessageBox::question(frame.get(), QStringLiteral("Kestrav"), QStringLiteral("Save?"));
    pauseStillUp = popup.isVisible() && coreState.pausedFlag == 1;
    QTest::keyClick(&popup, Qt::Key_Space);
  });
  frame->Command(M::Pause);
  EXPECT_EQ(answer, QMessageBox::No) << "the box answered the player's key";
  EXPECT_TRUE(pauseStillUp);
  EXPECT_EQ(coreState.pausedFlag, 0);
}

TEST_F(PopupTest, TheOrdersOfANewMissionEndOnALeftClickOnTheFrame) {
  lcg::Seed(GreenSeed);
  bool endedByTheClick = false;
  WhenPopupIsUp([&](QWidget& popup) {
    const QPoint onBackdrop = InFrame(*frame, *frame->Backdrop().viewport(), QPoint(30, 30));
    QTest::mouseClick(frame->windowHandle(), Qt::LeftButton, {}, onBackdrop);
    QTimer::singleShot(0, [&, stillUp = QPointer<QWidget>(&popup)] {
      endedByTheClick = !stillUp || !stillUp->isVisible();
      if (!endedByTheClick) QTest::keyClick(stillUp, Qt::Key_Space);
    });
  });
  frame->Command(M::New);
  QCoreApplication::processEvents();
  EXPECT_TRUE(endedByTheClick);
  EXPECT_NE(coreState.game.gamePhase, GamePhase::NoGame);
}

TEST_F(PopupTest, ThePauseWindowSaysSoInRedFrames) {
  NewGameFromMenu(GreenSeed);
  QImage face;
  WhenPopupIsUp([&face](QWidget& popup) {
    face = popup.grab().toImage();
    QTest::keyClick(&popup, Qt::Key_Space);
  });
  frame->Command(M::Pause);
  ASSERT_EQ(face.size(), QSize(200, 100));
  const QRgb red = qRgb(255, 0, 0), white = qRgb(255, 255, 255);
  // The border, then three red frames two pixels apart inside the client area.
  for (int x : {1, 3, 5}) EXPECT_EQ(face.pixel(x, 50), red) << x;
  for (int x : {2, 4, 6}) EXPECT_EQ(face.pixel(x, 50), white) << x;
  int redInside = 0;
  for (int y = 40; y < 60; ++y)
    for (int x = 50; x < 150; ++x) redInside += face.pixel(x, y) == red;
  EXPECT_GT(redInside, 50) << "the words in the middle";
}

TEST_F(PopupTest, TheAboutBoxShowsThePortraitAndTheCredits) {
  QImage face;
  QRect geometry;
  WhenPopupIsUp([&](QWidget& popup) {
    face = popup.grab().toImage();
    geometry = popup.geometry();
    EXPECT_FALSE(frame->isEnabled());
    QTest::mouseClick(&popup, Qt::LeftButton, {}, QPoint(5, 5));
  });
  frame->Command(M::About);
  EXPECT_TRUE(frame->isEnabled());
  const QImage portrait = resources::Picture(5).convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(portrait.size(), QSize(358, 87));
  EXPECT_EQ(geometry.size(), QSize(378, 187));
  EXPECT_EQ(geometry.topLeft(), CenterRect(QRect(0, 0, 378, 187), frame->frameGeometry()).topLeft());
  EXPECT_EQ(face.convertToFormat(QImage::Format_RGB32).copy(QRect(QPoint(11, 7), portrait.size())), portrait)
      << "inside the border, at (10, 6) of the client area";
  int redCredits = 0;
  for (int y = 187 - 1 - 80; y < 187 - 1 - 20; ++y)
    for (int x = 11; x < 378 - 11; ++x) redCredits += face.pixel(x, y) == qRgb(255, 0, 0);
  EXPECT_GT(redCredits, 300) << "three lines of credits in red on black";
  EXPECT_EQ(std::string(MessageText(Msg::AboutText)).rfind("KESTRAV Version 2.0\n", 0), 0u);
}
}  // namespace
