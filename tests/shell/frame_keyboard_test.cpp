// The frame's keyboard: after every popup, message box and dialog, and after the stations
// close, the frame takes the shortcuts and the menu keys again; F10 opens the menus as Alt
// and a mnemonic do; and while a menu is open the game stands still.

#include <QFileDialog>
#include <QMessageBox>
#include <QWindow>
#include <algorithm>
#include <functional>

#include "core/core_state.h"
#include "lifecycle/game_file_commands.h"
#include "sector/action_state.h"
#include "sector/idle_pass.h"
#include "sector/sector_state.h"
#include "tests/shell/bridge_fixture.h"
#include "tests/support/modal_answerer.h"

namespace {
namespace M = MenuCommand;

void Nothing() {}

class FrameKeyboard : public BridgeTest {
 protected:
  void SetUp() override {
    BridgeTest::SetUp();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
  }

  // A key as the platform delivers it: to the frame's window, whatever has the focus.
  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(frame->windowHandle(), key, modifiers);
  }

  static QMenu* OpenMenu() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }

  // True when the frame answers Ctrl+O with its Open dialog and Alt+F with its File menu.
  void ExpectTheFrameHasTheKeyboard() {
    EXPECT_TRUE(QTest::qWaitForWindowActive(frame.get(), 500)) << "the frame is the active window";
    coreState.game.changeCount = 0;  // no save question in the way
    {
      ModalAnswerer answerer;
      Press(Qt::Key_O, Qt::ControlModifier);
      EXPECT_TRUE(answerer.seen.contains(QStringLiteral("file dialog"))) << "Ctrl+O opened nothing";
    }
    EXPECT_TRUE(QTest::qWaitForWindowActive(frame.get(), 500)) << "and is again after the Open dialog";
    Press(Qt::Key_F, Qt::AltModifier);
    QMenu* menu = OpenMenu();
    EXPECT_EQ(menu, MenuBarPopups().value(0)) << "Alt+F opened the File menu";
    if (menu) menu->close();
  }
};

struct PopupCase {
  const char* name;
  std::function<void(FrameWindow&)> show;  // shows it; a ModalAnswerer answers
};
void PrintTo(const PopupCase& row, std::ostream* os) { *os << row.name; }

class KeyboardAfterPopup : public FrameKeyboard, public ::testing::WithParamInterface<PopupCase> {};

TEST_P(KeyboardAfterPopup, GoesBackToTheFrame) {
  NewGameFromMenu(GreenSeed);
  ExpectTheFrameHasTheKeyboard();
  coreState.game.changeCount = 1;  // New, Open and End Game ask to save first
  {
    ModalAnswerer answerer;
    GetParam().show(*frame);
    EXPECT_FALSE(answerer.seen.isEmpty()) << "something came up";
  }
  ExpectTheFrameHasTheKeyboard();
}

INSTANTIATE_TEST_SUITE_P(EveryPopup, KeyboardAfterPopup,
                         ::testing::Values(PopupCase{"EndGameAnsweredNo",
                                                     [](FrameWindow& f) { f.Command(M::EndGame); }},
                                           PopupCase{"NewGameAndItsOrders", [](FrameWindow& f) { f.Command(M::New); }},
                                           PopupCase{"OpenCancelled", [](FrameWindow& f) { f.Command(M::Open); }},
                                           PopupCase{"SaveAsCancelled", [](FrameWindow& f) { f.Command(M::SaveAs); }},
                                           PopupCase{"Pause", [](FrameWindow& f) { f.Command(M::Pause); }},
                                           PopupCase{"About", [](FrameWindow& f) { f.Command(M::About); }},
                                           PopupCase{"MessageBox",
                                                     [](FrameWindow& f) {
                                                       ShowGameMessageBox(&f, "Sensors report", "Kestrav",
                                                                          MessageStyle::ExclamationOk);
                                                     }}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(FrameKeyboard, F10OpensTheMenusUnlessAnActionRuns) {
  Press(Qt::Key_F10);
  QMenu* menu = OpenMenu();
  EXPECT_EQ(menu, MenuBarPopups().value(0)) << "F10 opened the File menu with no game";
  if (menu) menu->close();

  NewGameFromMenu(GreenSeed);
  sectorState.actionInProgress = true;  // as during a move or a shot
  Press(Qt::Key_F10);
  EXPECT_EQ(OpenMenu(), nullptr) << "the menus stay shut during an action";
  sectorState.actionInProgress = false;
  Press(Qt::Key_F10);
  menu = OpenMenu();
  EXPECT_EQ(menu, MenuBarPopups().value(0)) << "F10 opened the File menu once the action was over";
  if (menu) menu->close();
}

class GameUnderAMenu : public FrameKeyboard {
 protected:
  static constexpr IdleDuties Duties{Nothing, Nothing, AnyMenuOpen};

  void OpenTheFileMenu() {
    QMenuBar* bar = frame->menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(bar->actions().first()).center());
    ASSERT_NE(OpenMenu(), nullptr);
  }
};

TEST_F(GameUnderAMenu, TheClockStandsStillWhileAMenuIsOpenAndStepsWhenItCloses) {
  qtHost.UseVirtualClock(1000000);
  NewGameFromMenu(GreenSeed);
  const double stardate = coreState.game.stardateNow;
  coreState.game.nextClockTick = TickCount();  // a step is due
  OpenTheFileMenu();
  qtHost.AdvanceVirtualClock(90000);  // two periods pass while the player reads the menu
  EXPECT_EQ(RunIdlePass(Duties, TickCount()).kind, NextIdlePass::AfterNextMessage);
  EXPECT_DOUBLE_EQ(coreState.game.stardateNow, stardate) << "no clock step under an open menu";

  OpenMenu()->close();
  RunIdlePass(Duties, TickCount());
  EXPECT_DOUBLE_EQ(coreState.game.stardateNow, stardate + 0.1) << "one step when the menu closes, none piled up";
  EXPECT_EQ(coreState.game.nextClockTick, TickCount() + ClockStepPeriod);
}

TEST_F(GameUnderAMenu, TheAliensWaitWhileAMenuIsOpen) {
  qtHost.UseVirtualClock(1000000);
  NewGameFromMenu(RedAlertSeed);
  ASSERT_TRUE(coreState.game.InRedAlert());
  ASSERT_EQ(coreState.game.resetAlienClocks, 1) << "the aliens' clocks are yet to be set";
  OpenTheFileMenu();
  RunIdlePass(Duties, TickCount());
  EXPECT_EQ(coreState.game.resetAlienClocks, 1) << "no alien pass under an open menu";
  OpenMenu()->close();
  RunIdlePass(Duties, TickCount());
  EXPECT_EQ(coreState.game.resetAlienClocks, 0) << "the aliens' pass ran once the menu closed";
}
TEST_F(GameUnderAMenu, AShotThatFellDueUnderTheMenuMoreThan15SecondsAgoIsDropped) {
  qtHost.UseVirtualClock(1000000);
  NewGameFromMenu(RedAlertSeed);
  RunIdlePass(Duties, TickCount());  // the pass that sets the aliens' clocks
  ASSERT_EQ(coreState.game.resetAlienClocks, 0);
  sectorState.firstCombatPass = false;  // and no chance of acting at once
  int longest = 0;
  for (const AlienRecord& alien : coreState.game.alienTable)
    if (alien.quadrant == coreState.game.shipQuadrant) longest = std::max(longest, alien.attackInterval);
  ASSERT_GT(longest, 0) << "aliens share the ship's quadrant";

  const int shields = coreState.game.shieldEnergy;
  const auto damage = coreState.game.damage;
  OpenTheFileMenu();
  // The loop wakes every second under the menu (the stations' timers see to that).
  for (int ms = 0; ms < longest + 16000; ms += 1000) {
    qtHost.AdvanceVirtualClock(1000);
    RunIdlePass(Duties, TickCount());
  }
  OpenMenu()->close();
  RunIdlePass(Duties, TickCount());
  EXPECT_EQ(coreState.game.shieldEnergy, shields) << "no shot hit the ship";
  EXPECT_EQ(coreState.game.damage, damage);
  for (const AlienRecord& alien : coreState.game.alienTable) {
    if (alien.quadrant == coreState.game.shipQuadrant) {
      EXPECT_EQ(alien.lastAttackTick, TickCount()) << "its clock began again";
    }
  }
}
}  // namespace
