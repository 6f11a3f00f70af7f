// A mission played from the keyboard alone, from File > New to the first shot and a warp:
// every step is a key the platform delivers to the frame, and the game is read after each.
// The station keys F2 to F9 and the Window menu's list show which key brings up which station.

#include <QMdiArea>
#include <QMdiSubWindow>
#include <cstdlib>

#include "core/core_state.h"
#include "core/options.h"
#include "core/ship_messages.h"
#include "sector/action_state.h"
#include "sector/course.h"
#include "sector/sector_state.h"
#include "sector/torpedoes.h"
#include "shell/station_windows.h"
#include "stations/photon_station.h"
#include "stations/station_handles.h"
#include "stations/station_state.h"
#include "stations/station_window.h"
#include "tests/shell/bridge_fixture.h"

namespace {
// A mission that starts among aliens, one of them in the open before the ship.
constexpr std::uint32_t AlienInSightSeed = 4;

class KeyboardPlay : public BridgeTest {
 protected:
  void SetUp() override {
    BridgeTest::SetUp();
    coreState.options.autoSrs = 0;
    coreState.options.singleControlWindow = 0;
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
  }

  // A key as the platform delivers it: to the frame's window, whatever has the focus.
  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}, int times = 1) {
    for (int i = 0; i < times; ++i) {
      QTest::keyClick(frame->windowHandle(), key, modifiers);
      QCoreApplication::processEvents();
    }
  }

  // True when station s is up, in its normal state, and has the keyboard.
  static ::testing::AssertionResult IsUpWithTheKeyboard(Station s) {
    QMdiSubWindow* shown = StationFrame(s);
    if (!shown) return ::testing::AssertionFailure() << "no such station";
    if (!shown->isVisible() || shown->isMinimized()) return ::testing::AssertionFailure() << "not shown normally";
    if (QApplication::focusWidget() != StationHandle(s))
      return ::testing::AssertionFailure() << "the keyboard is elsewhere";
    if (shown->mdiArea()->activeSubWindow() != shown) return ::testing::AssertionFailure() << "not the active station";
    return ::testing::AssertionSuccess();
  }

  // Turns a course dial to `course` with the compass-rose keys: the nearest of the eight
  // points, then + or - one degree at a time.
  void SetCourse(int course) {
    static constexpr Qt::Key Rose[8] = {Qt::Key_8, Qt::Key_9, Qt::Key_6, Qt::Key_3,
                                        Qt::Key_2, Qt::Key_1, Qt::Key_4, Qt::Key_7};
    const int point = ((course + 22) / 45) % 8;
    Press(Rose[point]);
    int off = course - point * 45;
    if (off < -180) off += 360;
    Press(off > 0 ? Qt::Key_Plus : Qt::Key_Minus, Qt::KeypadModifier, std::abs(off));
  }

  // Answers the mission's orders with a key once they are up (the key that starts the game
  // is still being delivered when a timer of no delay would run).
  static void DismissOrdersWhenUp() {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll] {
      if (QWidget* modal = WaitingWindow()) {
        QTest::keyClick(modal, Qt::Key_Space);
        poll->deleteLater();
      }
    });
    poll->start(10);
  }

  // True when the first thing a torpedo aimed at `alien` meets is that alien, as the player
  // sees on the scan.
  static bool InTheOpen(const AlienRecord& alien) {
    const int course =
        CourseBearing(alien.sectorX - coreState.game.shipSectorX, alien.sectorY - coreState.game.shipSectorY);
    bool reached = false;
    WalkCourse(coreState.game.shipSectorX, coreState.game.shipSectorY, course, [&](int x, int y) {
      const TorpedoFinds found = TorpedoFindsAt(coreState.game.ShipQuadrantRecord(), x, y);
      if (found == TorpedoFinds::Ship || found == TorpedoFinds::Nothing) return true;
      reached = x == alien.sectorX && y == alien.sectorY;
      return false;
    });
    return reached;
  }

  static int AlienEnergyTotal() {
    int total = 0;
    for (const AlienRecord& alien : coreState.game.alienTable)
      if (alien.quadrant == coreState.game.shipQuadrant) total += alien.energy;
    return total;
  }
};

TEST_F(KeyboardPlay, FromNewToTheFirstShotAndAWarp) {
  // File > New by its accelerator; the orders are dismissed with a key.
  lcg::Seed(AlienInSightSeed);
  DismissOrdersWhenUp();
  Press(Qt::Key_N, Qt::ControlModifier);
  ASSERT_NE(coreState.game.gamePhase, GamePhase::NoGame);
  ASSERT_TRUE(coreState.game.InRedAlert()) << "the mission starts among aliens";
  coreState.game.changeCount = 0;

  // Shields up: F5, a hundred units at a time with Up, then Tab round to EXECUTE and Space.
  Press(Qt::Key_F5);
  ASSERT_TRUE(IsUpWithTheKeyboard(Station::Shields));
  const int shields = coreState.game.shieldEnergy, energy = coreState.game.shipEnergy;
  Press(Qt::Key_Up, {}, 5);
  Press(Qt::Key_Tab, {}, 2);
  Press(Qt::Key_Space);
  EXPECT_EQ(coreState.game.shieldEnergy, shields + 500);
  EXPECT_EQ(coreState.game.shipEnergy, energy - 500);

  // A torpedo at an alien in the open: F6, the course from the compass keys, the DISTANCE
  // by D, and Enter.
  const AlienRecord* target = nullptr;
  for (const AlienRecord& alien : coreState.game.alienTable)
    if (alien.quadrant == coreState.game.shipQuadrant && !target && InTheOpen(alien)) target = &alien;
  ASSERT_NE(target, nullptr) << "an alien a torpedo can reach";
  const int dx = target->sectorX - coreState.game.shipSectorX, dy = target->sectorY - coreState.game.shipSectorY;
  Press(Qt::Key_F6);
  ASSERT_TRUE(IsUpWithTheKeyboard(Station::PhotonTorpedoes));
  SetCourse(CourseBearing(dx, dy));
  Press(Qt::Key_D, {}, std::max(std::abs(dx), std::abs(dy)));
  auto* photon = static_cast<PhotonStation*>(stationState.photonWindow);
  EXPECT_EQ(photon->TorpedoCourse(), CourseBearing(dx, dy));
  const int torpedoes = coreState.game.torpedoCount, aliens = AlienEnergyTotal();
  Press(Qt::Key_Return);
  EXPECT_FALSE(sectorState.actionInProgress) << "the flight is over";
  EXPECT_EQ(coreState.game.torpedoCount, torpedoes - 1);
  EXPECT_LT(AlienEnergyTotal(), aliens) << "the torpedo hit the alien"
                                        << ": " << coreState.messageLines.back().data();

  // A warp: F4, warp 1 by W, course 90 by 6, Enter.
  Press(Qt::Key_F4);
  ASSERT_TRUE(IsUpWithTheKeyboard(Station::Navigation));
  const int quadrant = coreState.game.shipQuadrant;
  Press(Qt::Key_W);
  Press(coreState.game.shipQuadrant % 8 < 7 ? Qt::Key_6 : Qt::Key_4);
  Press(Qt::Key_Return);
  EXPECT_FALSE(sectorState.actionInProgress);
  EXPECT_NE(coreState.game.shipQuadrant, quadrant) << "the ship warped into the next quadrant";
}

TEST_F(KeyboardPlay, EachStationKeyBringsItsStationUpAsItsControlsButtonDoes) {
  NewGameFromMenu(GreenSeed);
  const Station order[] = {Station::ShortRangeScan,  Station::LongRangeScan, Station::Navigation,   Station::Shields,
                           Station::PhotonTorpedoes, Station::Phasers,       Station::DamageReport, Station::Computer};
  for (int i = 0; i < 8; ++i) {
    Press(static_cast<Qt::Key>(Qt::Key_F2 + i));
    EXPECT_TRUE(IsUpWithTheKeyboard(order[i])) << "F" << i + 2;
  }

  StationFrame(Station::Navigation)->showMinimized();
  sectorState.actionInProgress = true;
  Press(Qt::Key_F4);
  EXPECT_TRUE(StationFrame(Station::Navigation)->isMinimized()) << "not while an action runs";
  sectorState.actionInProgress = false;
}

TEST_F(KeyboardPlay, TheWindowMenuShowsTheStationKeysAndReachesStatusAndMessages) {
  NewGameFromMenu(GreenSeed);
  Press(Qt::Key_F3);  // the Long Range Scan, hidden at the start, comes into the list
  QMenu* window = frame->Menus().WindowPopup();
  emit window->aboutToShow();
  QStringList texts;
  for (QAction* item : window->actions())
    if (item->data().toInt() >= 500) texts << item->text();
  EXPECT_TRUE(texts.contains(QStringLiteral("&1 Short Range Scan\tF2"))) << texts.join(u'|').toStdString();
  EXPECT_TRUE(texts.contains(QStringLiteral("&2 Long Range Scan\tF3")));
  EXPECT_TRUE(texts.contains(QStringLiteral("&8 Computer\tF9")));
  EXPECT_TRUE(texts.contains(QStringLiteral("&9 Status")));
  EXPECT_TRUE(texts.contains(QStringLiteral("1&0 Messages")));

  // Alt+W, then 0: the Messages panel comes up with the keyboard.
  Press(Qt::Key_W, Qt::AltModifier);
  QMenu* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_EQ(open, window);
  QTest::keyClick(open, Qt::Key_0);
  QCoreApplication::processEvents();
  EXPECT_TRUE(IsUpWithTheKeyboard(Station::Messages));
}
}  // namespace
