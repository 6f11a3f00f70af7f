// The frame as the player uses it: the menus before, during and after a game, the stations
// a new game opens, and where commands go.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyleOptionTitleBar>
#include <QTest>
#include <QTimer>

#include "core/conditions.h"
#include "core/core_state.h"
#include "core/end_game.h"
#include "core/game_state.h"
#include "core/options.h"
#include "core/random.h"
#include "core/ship_messages.h"
#include "headless/headless_host.h"
#include "shell/bridge_background.h"
#include "shell/frame_window.h"
#include "shell/main_loop.h"
#include "shell/qt_host.h"
#include "shell/shell_reset.h"
#include "shell/station_windows.h"
#include "stations/phaser_station.h"
#include "stations/sound.h"
#include "stations/sound_output.h"
#include "stations/station_handles.h"
#include "stations/station_state.h"
#include "stations/station_window.h"
#include "tests/shell/bridge_fixture.h"
#include "tests/support/modal_answerer.h"

namespace {
namespace M = MenuCommand;

const Station CreationOrder[] = {Station::ShortRangeScan,  Station::LongRangeScan, Station::Navigation,
                                 Station::PhotonTorpedoes, Station::Phasers,       Station::Shields,
                                 Station::DamageReport,    Station::Computer,      Station::Status,
                                 Station::Messages,        Station::Controls};

QStringList Titles(const QList<QMenu*>& popups) {
  QStringList titles;
  for (const QMenu* popup : popups) titles << popup->title();
  return titles;
}

TEST_F(BridgeTest, TheIdleMenuOffersOnlyWhatNeedsNoGame) {
  EXPECT_EQ(Titles(MenuBarPopups()), QStringList({"&File", "&Skill", "&Help"}));
  struct Row {
    int id;
    const char* text;
    bool enabled;
  };
  for (const Row& row :
       {Row{M::New, "&New\tCtrl+N", true}, Row{M::Open, "&Open...\tCtrl+O", true}, Row{M::Save, "&Save\tCtrl+S", false},
        Row{M::SaveAs, "S&ave As...", false}, Row{M::EndGame, "End &Game", false}, Row{M::Exit, "E&xit", true},
        Row{M::Manual, "Player's Manual", true}, Row{M::About, "&About Kestrav...", true}}) {
    QAction* item = Item(MenuSet::Idle, row.id);
    ASSERT_NE(item, nullptr) << row.id;
    EXPECT_EQ(item->text(), QString::fromLatin1(row.text));
    EXPECT_EQ(item->isEnabled(), row.enabled) << row.text;
  }
  const QStringList skills = {"&Admiral", "&Captain", "&First Officer", "&Officer", "&Yeoman", "&Expendable Crewman"};
  for (int i = 0; i < 6; ++i) {
    QAction* item = Item(MenuSet::Idle, M::SkillBase + 5 - i);
    EXPECT_EQ(item->text(), skills[i]);
    EXPECT_EQ(item->isChecked(), 5 - i == 0) << "the current skill, Expendable Crewman, is checked";
  }
}

TEST_F(BridgeTest, ChoosingASkillMovesTheCheckAndTheCheckedOneChangesNothing) {
  Item(MenuSet::Idle, M::SkillBase + 3)->trigger();
  EXPECT_EQ(coreState.options.skillSetting, SkillLevel::FirstOfficer);
  EXPECT_EQ(coreState.game.skillLevel, SkillLevel::FirstOfficer);
  EXPECT_TRUE(Item(MenuSet::Idle, M::SkillBase + 3)->isChecked());
  EXPECT_FALSE(Item(MenuSet::Idle, M::SkillBase)->isChecked());

  Item(MenuSet::Idle, M::SkillBase + 3)->trigger();
  EXPECT_EQ(coreState.options.skillSetting, SkillLevel::FirstOfficer);
  EXPECT_TRUE(Item(MenuSet::Idle, M::SkillBase + 3)->isChecked()) << "choosing it again keeps the mark";
}

TEST_F(BridgeTest, NewGameOpensTheElevenStationsInOrderAndSwitchesToTheGameMenu) {
  NewGameFromMenu(GreenSeed, /*arrange=*/false);
  ASSERT_EQ(coreState.game.gamePhase, GamePhase::Green) << "creating the Status station set the first condition";

  const QList<QMdiSubWindow*> windows = frame->Backdrop().subWindowList(QMdiArea::CreationOrder);
  ASSERT_EQ(windows.size(), StationCount);
  for (int i = 0; i < StationCount; ++i) {
    const Station s = CreationOrder[i];
    EXPECT_EQ(windows[i]->windowTitle(), QString::fromLatin1(StationName(s)));
    EXPECT_EQ(windows[i]->widget(), StationHandle(s)) << "the handle points at the live station";
  }
  // As created: the Long Range Scan hidden, Controls up, the rest minimized.
  EXPECT_FALSE(StationFrame(Station::LongRangeScan)->isVisible());
  EXPECT_FALSE(StationFrame(Station::Controls)->isMinimized());
  EXPECT_TRUE(StationFrame(Station::ShortRangeScan)->isMinimized());
  EXPECT_TRUE(StationFrame(Station::Messages)->isMinimized());

  EXPECT_EQ(Titles(MenuBarPopups()), QStringList({"&File", "&Options", "&Window", "&Help"}));
  for (int id : {M::Save, M::SaveAs, M::EndGame, M::Pause}) EXPECT_TRUE(Item(MenuSet::Game, id)->isEnabled()) << id;
  EXPECT_TRUE(Item(MenuSet::Game, M::AutoSrs)->isChecked());
  EXPECT_TRUE(Item(MenuSet::Game, M::SingleControl)->isChecked());
  EXPECT_FALSE(Item(MenuSet::Game, M::PauseWhenIconic)->isChecked());
  EXPECT_FALSE(Item(MenuSet::Game, M::Sounds)->isChecked());
  EXPECT_FALSE(Item(MenuSet::Game, M::Sounds)->isEnabled()) << "no sound device: sounds off and grayed";

  EXPECT_STREQ(coreState.messageLines[28].data(), "MDS Diagnostics v734.3");
  EXPECT_STREQ(coreState.messageLines[29].data(), "Ready");
}

TEST_F(BridgeTest, WithSpeakersTheSoundsItemFollowsTheSetting) {
  CloseFrame();
  speakers.devices = 1;
  coreState.options.soundsEnabled = 1;  // as the settings start
  OpenFrame();
  NewGameFromMenu(GreenSeed);
  EXPECT_TRUE(Item(MenuSet::Game, M::Sounds)->isEnabled());
  EXPECT_TRUE(Item(MenuSet::Game, M::Sounds)->isChecked());
  Item(MenuSet::Game, M::Sounds)->trigger();
  EXPECT_FALSE(Item(MenuSet::Game, M::Sounds)->isChecked());
  EXPECT_EQ(coreState.options.soundsEnabled, 0);
}

TEST_F(BridgeTest, ABridgeSizeChosenIsCheckedKeptAndSaidToComeAtTheNextStart) {
  NewGameFromMenu(GreenSeed);
  EXPECT_TRUE(Item(MenuSet::Game, M::BridgeSizeBase + 0)->isChecked()) << "Automatic, as the settings start";
  ModalAnswerer answerer;
  Item(MenuSet::Game, M::BridgeSizeBase + 2)->trigger();
  EXPECT_EQ(coreState.options.bridgeSize, 2);
  for (int size = 0; size <= 3; ++size)
    EXPECT_EQ(Item(MenuSet::Game, M::BridgeSizeBase + size)->isChecked(), size == 2);
  EXPECT_EQ(answerer.seen, QStringList({"box"})) << "the player is told when it takes effect";
  Item(MenuSet::Game, M::BridgeSizeBase + 2)->trigger();
  EXPECT_TRUE(Item(MenuSet::Game, M::BridgeSizeBase + 2)->isChecked());
  EXPECT_EQ(answerer.seen.size(), 1) << "the size it already has: nothing to say";
}

TEST_F(BridgeTest, TheDefaultArrangementPutsTheFourMainStationsUpInTheirPlaces) {
  NewGameFromMenu(GreenSeed);
  struct Place {
    Station station;
    QPoint topLeft;
    QSize face;
  };
  for (const Place& p :
       {Place{Station::Status, {10, 5}, {189, 236}}, Place{Station::ShortRangeScan, {250, 5}, {315, 235}},
        Place{Station::Messages, {10, 266}, {320, 82}}, Place{Station::Controls, {350, 262}, {263, 90}}}) {
    QMdiSubWindow* window = StationFrame(p.station);
    EXPECT_FALSE(window->isMinimized()) << StationName(p.station);
    // Messages and Controls step down below faces that taller captions push down.
    EXPECT_EQ(window->x(), p.topLeft.x()) << StationName(p.station);
    EXPECT_GE(window->y(), p.topLeft.y()) << StationName(p.station);
    EXPECT_LE(window->y(), p.topLeft.y() + 20) << StationName(p.station);
    EXPECT_EQ(window->widget()->size(), p.face) << StationName(p.station);
  }
  for (Station s : {Station::LongRangeScan, Station::Navigation, Station::PhotonTorpedoes, Station::Phasers,
                    Station::Shields, Station::DamageReport, Station::Computer}) {
    EXPECT_TRUE(StationFrame(s)->isVisible()) << StationName(s);
    EXPECT_TRUE(StationFrame(s)->isMinimized()) << StationName(s);
  }
  EXPECT_EQ(frame->Backdrop().activeSubWindow(), StationFrame(Station::Controls)) << "Controls ends on top";
}

TEST_F(BridgeTest, StationsCannotBeClosedByThePlayer) {
  NewGameFromMenu(GreenSeed);
  QMdiSubWindow* scan = StationFrame(Station::ShortRangeScan);
  EXPECT_FALSE(scan->close());
  EXPECT_NE(stationState.srsWindow, nullptr) << "the scan stays as long as its game";
  for (Station s : CreationOrder) {
    const QMdiSubWindow* station = StationFrame(s);
    EXPECT_FALSE(station->windowFlags() & Qt::WindowCloseButtonHint) << StationName(s) << ": no close button";
    QStyleOptionTitleBar titleBar;
    titleBar.initFrom(station);
    titleBar.rect = QRect(0, 0, station->width(), 24);
    titleBar.titleBarFlags = station->windowFlags();
    titleBar.subControls = QStyle::SC_All;
    EXPECT_TRUE(station->style()
                    ->subControlRect(QStyle::CC_TitleBar, &titleBar, QStyle::SC_TitleBarCloseButton, station)
                    .isEmpty())
        << StationName(s) << ": no close button drawn in the title bar";
    for (const QAction* item : station->systemMenu()->actions()) {
      EXPECT_FALSE(item->text().contains("Close")) << StationName(s) << ": no Close item";
      EXPECT_NE(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_W)) << StationName(s);
      EXPECT_NE(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F4)) << StationName(s);
    }
  }
}

TEST_F(BridgeTest, RedAlertGraysPauseAndSaving) {
  NewGameFromMenu(RedAlertSeed);
  ASSERT_TRUE(coreState.game.InRedAlert());
  for (int id : {M::Save, M::SaveAs, M::Pause}) EXPECT_FALSE(Item(MenuSet::Game, id)->isEnabled()) << id;
  EXPECT_TRUE(Item(MenuSet::Game, M::EndGame)->isEnabled());
  EXPECT_FALSE(frame->Menus().AcceleratorAllowed(M::Pause)) << "the Pause key is grayed with its item";
}

TEST_F(BridgeTest, TheTargetLockLightGoesOutWhenTheQuadrantIsClearedOfAliens) {
  NewGameFromMenu(RedAlertSeed);
  auto* phasers = qobject_cast<PhaserStation*>(stationState.phaserWindow);
  ASSERT_NE(phasers, nullptr);
  phasers->StartTargetLock();
  ASSERT_TRUE(phasers->TargetLockBlinking());

  // The last alien of the quadrant goes: the referee turns the condition and the bridge stands
  // down.
  QuadrantRecord& quadrant = coreState.game.ShipQuadrantRecord();
  for (auto& row : quadrant.cells)
    for (SectorCell& cell : row)
      if (Cell::HoldsAlien(cell)) cell = Cell::Empty;
  quadrant.alienCount = 0;
  EvaluateConditions();
  EXPECT_FALSE(coreState.game.InRedAlert());
  EXPECT_FALSE(phasers->TargetLockBlinking());
}

TEST_F(BridgeTest, EndGameClosesTheStationsAndBringsBackTheIdleMenu) {
  NewGameFromMenu(GreenSeed);
  Item(MenuSet::Game, M::EndGame)->trigger();
  EXPECT_EQ(coreState.game.gamePhase, GamePhase::NoGame);
  EXPECT_TRUE(frame->Backdrop().subWindowList().isEmpty());
  for (Station s : CreationOrder) EXPECT_EQ(StationHandle(s), nullptr) << StationName(s);
  EXPECT_EQ(Titles(MenuBarPopups()), QStringList({"&File", "&Skill", "&Help"}));
  EXPECT_FALSE(Item(MenuSet::Idle, M::Save)->isEnabled());
}

TEST_F(BridgeTest, ASecondNewGameEndsTheFirstSoNoStationExistsTwice) {
  NewGameFromMenu(GreenSeed);
  const StationWindow* firstScan = stationState.srsWindow;
  NewGameFromMenu(RedAlertSeed);
  EXPECT_EQ(frame->Backdrop().subWindowList().size(), StationCount);
  EXPECT_NE(stationState.srsWindow, firstScan);
  EXPECT_TRUE(coreState.game.InRedAlert()) << "the second mission is the one running";
}

TEST_F(BridgeTest, CtrlNStartsAGameAndCtrlSIsIgnoredWhileSaveIsGrayed) {
  QApplication::setActiveWindow(frame.get());
  lcg::Seed(GreenSeed);
  DismissNextModal();
  QTest::keyClick(frame.get(), Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(coreState.game.gamePhase, GamePhase::Green);
  EXPECT_EQ(frame->Backdrop().subWindowList().size(), StationCount);

  EndGame();
  EXPECT_FALSE(frame->Menus().AcceleratorAllowed(M::Save));
  EXPECT_TRUE(frame->Menus().AcceleratorAllowed(M::New));
}

// A station that notes the commands that reach it.
class ListeningStation : public StationWindow {
 public:
  ListeningStation() : StationWindow(Station::Computer, Qt::black) {}
  std::vector<int> heard;
  void OnCommand(int command) override { heard.push_back(command); }

 protected:
  void Paint(QPainter&) override {}
};

TEST_F(BridgeTest, CommandsTheFrameDoesNotKnowGoToTheActiveStation) {
  auto* station = new ListeningStation;
  QMdiSubWindow* window = frame->Backdrop().addSubWindow(station);
  window->show();
  frame->Backdrop().setActiveSubWindow(window);
  frame->Command(17);
  frame->Command(M::SkillBase + 2);  // the frame's own: not passed on
  EXPECT_EQ(station->heard, std::vector<int>{17});
}

TEST_F(BridgeTest, MinimizingPausesWhenChosenButNeverUnderFire) {
  NewGameFromMenu(GreenSeed);
  Item(MenuSet::Game, M::PauseWhenIconic)->trigger();
  EXPECT_TRUE(Item(MenuSet::Game, M::PauseWhenIconic)->isChecked());
  frame->showMinimized();
  EXPECT_EQ(coreState.pausedFlag, 1);
  frame->showMaximized();
  EXPECT_EQ(coreState.pausedFlag, 0);

  coreState.game.gamePhase = GamePhase::RedAlert;
  frame->showMinimized();
  EXPECT_EQ(coreState.pausedFlag, 0);
  frame->showMaximized();
}

TEST_F(BridgeTest, TheWindowMenuListsTheStationsAndPicksOne) {
  NewGameFromMenu(GreenSeed);
  QMenu* windowMenu = frame->Menus().WindowPopup();
  emit windowMenu->aboutToShow();
  QStringList listed;
  QAction* navigation = nullptr;
  for (QAction* item : windowMenu->actions()) {
    if (!item->data().isValid() || item->isSeparator()) continue;
    listed << item->text();
    if (item->text().contains("Navigation")) navigation = item;
  }
  EXPECT_EQ(listed.size(), StationCount);
  EXPECT_EQ(listed.first(), "&1 Short Range Scan\tF2") << "with its key";
  ASSERT_NE(navigation, nullptr);
  navigation->trigger();
  EXPECT_EQ(frame->Backdrop().activeSubWindow(), StationFrame(Station::Navigation));
  EXPECT_FALSE(StationFrame(Station::Navigation)->isMinimized());
}
}  // namespace

namespace {
TEST_F(BridgeTest, AfterTheCommuniqueTheFrameHasTheKeyboardAgain) {
  QApplication::setActiveWindow(frame.get());
  NewGameFromMenu(GreenSeed);  // the mission's communiqué comes and goes
  EXPECT_EQ(QApplication::activeWindow(), frame.get()) << "keys reach the bridge without a click";
}
}  // namespace
