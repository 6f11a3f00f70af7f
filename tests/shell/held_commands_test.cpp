// Nothing changes the game under a running action: the menus stay shut, and a command that
// changes, saves or ends the game is held until the action is over, then carried out.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "core/core_state.h"
#include "core/end_game.h"
#include "core/game_files.h"
#include "core/game_state.h"
#include "core/random.h"
#include "sector/action_state.h"
#include "sector/console_commands.h"
#include "sector/scan_requests.h"
#include "shell/frame_window.h"
#include "shell/main_loop.h"
#include "shell/qt_host.h"
#include "shell/shell_reset.h"
#include "stations/damage_report.h"
#include "stations/sound.h"
#include "stations/station_handles.h"
#include "stations/station_state.h"
#include "stations/station_window.h"
#include "tests/support/modal_answerer.h"

namespace {
namespace M = MenuCommand;

// What the player does while the ship moves, and how to tell that it was carried out.
struct HeldCase {
  const char* name;
  std::function<void(FrameWindow&)> act;
  std::function<bool(const ModalAnswerer&)> carriedOut;
};
void PrintTo(const HeldCase& row, std::ostream* os) { *os << row.name; }

bool SawFileDialog(const ModalAnswerer& a) { return a.seen.contains(QStringLiteral("file dialog")); }

class ActionUnderway : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetShellState(qtHost);
    qtHost.UseVirtualClock(1000000);
    frame = std::make_unique<FrameWindow>();
    qtHost.AttachFrame(frame.get());
    frame->resize(1024, 768);
    frame->show();
    QApplication::setActiveWindow(frame.get());  // accelerators reach the active window only
    StartGameInAnEmptyQuadrant();
  }
  void TearDown() override {
    if (coreState.game.gamePhase != GamePhase::NoGame) EndGame();
    qtHost.AttachFrame(nullptr);
    frame.reset();
    ResetShellState(qtHost);
  }

  void StartGameInAnEmptyQuadrant() {
    ModalAnswerer communique;
    lcg::Seed(1);
    frame->Command(M::New);
    QCoreApplication::processEvents();  // the frame takes the keyboard back from the communiqué
    QuadrantRecord& quadrant = coreState.game.ShipQuadrantRecord();
    for (auto& row : quadrant.cells)
      for (SectorCell& cell : row) cell = Cell::Empty;
    quadrant.starCount = quadrant.starbaseCount = 0;
    coreState.game.shipSectorX = 0;
    coreState.game.shipSectorY = 3;
    quadrant.cells[3][0] = Cell::ShipRight;
    coreState.game.changeCount = 0;
  }

  // Leaves one Klingon in the whole galaxy, at sector x,y of the ship's quadrant. The referee
  // sees it only when the next action ends.
  static void OnlyAlienAt(int x, int y) {
    for (int q = 0; q < 64; ++q) {
      for (auto& row : coreState.game.Quadrant(q).cells)
        for (SectorCell& cell : row)
          if (Cell::HoldsAlien(cell)) cell = Cell::Empty;
      coreState.game.Quadrant(q).alienCount = 0;
    }
    constexpr auto Klingon = static_cast<std::uint8_t>(AlienKind::Klingon);
    coreState.game.ShipQuadrantRecord().cells[y][x] = Klingon;
    coreState.game.ShipQuadrantRecord().alienCount = 1;
    coreState.game.alienTable = {AlienRecord{coreState.game.shipQuadrant, x, y, Klingon, {}, 100, 20000, 30000, 0, 0}};
    coreState.game.alienTotal = coreState.game.aliensRemaining = 1;
  }

  // Runs `playerActs` from inside the waits of an impulse move of four sectors east.
  void DuringAMove(const std::function<void()>& playerActs) {
    bool acted = false;
    QTimer::singleShot(0, [&] {
      ASSERT_TRUE(ActionRunning());
      playerActs();
      acted = true;
    });
    RequestMove(90, 4, 0);
    ASSERT_TRUE(acted) << "the move's waits delivered the player's input";
  }

  // Runs `playerActs` from inside the waits of a torpedo's flight across the quadrant.
  void DuringAShot(const std::function<void()>& playerActs) {
    bool acted = false;
    QTimer::singleShot(0, [&] {
      ASSERT_TRUE(ActionRunning());
      playerActs();
      acted = true;
    });
    const int torpedoes = coreState.game.torpedoCount;
    RequestTorpedo(90, 0);
    ASSERT_EQ(coreState.game.torpedoCount, torpedoes - 1) << "the torpedo flew";
    ASSERT_TRUE(acted) << "the flight's waits delivered the player's input";
  }

  QtHost qtHost;
  std::unique_ptr<FrameWindow> frame;
};

class HeldCommands : public ActionUnderway, public ::testing::WithParamInterface<HeldCase> {};

TEST_P(HeldCommands, WaitForTheMoveToEndThenRun) {
  const HeldCase& c = GetParam();
  ModalAnswerer answerer;
  DuringAMove([&] { c.act(*frame); });

  EXPECT_EQ(coreState.game.gamePhase, GamePhase::Green) << "the move finished on the game it started in";
  EXPECT_EQ(coreState.game.shipSectorX, 4);
  EXPECT_TRUE(answerer.seen.isEmpty()) << "nothing asked during the move: " << answerer.seen.join(',').toStdString();
  EXPECT_FALSE(QuitRequested());
  EXPECT_FALSE(c.carriedOut(answerer)) << "held, not carried out";

  RunHeldCommands();  // the main loop does this as soon as it is back at its own level
  EXPECT_TRUE(c.carriedOut(answerer)) << "carried out once the move was over; seen: "
                                      << answerer.seen.join(',').toStdString();
}

TEST_P(HeldCommands, WaitForTheShotToEndThenRun) {
  const HeldCase& c = GetParam();
  ModalAnswerer answerer;
  DuringAShot([&] { c.act(*frame); });

  EXPECT_EQ(coreState.game.gamePhase, GamePhase::Green) << "the shot finished on the game it started in";
  EXPECT_TRUE(answerer.seen.isEmpty()) << "nothing asked during the shot: " << answerer.seen.join(',').toStdString();
  EXPECT_FALSE(QuitRequested());
  EXPECT_FALSE(c.carriedOut(answerer)) << "held, not carried out";

  RunHeldCommands();
  EXPECT_TRUE(c.carriedOut(answerer)) << "carried out once the shot was over; seen: "
                                      << answerer.seen.join(',').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    EveryGameCommand, HeldCommands,
    ::testing::Values(
        HeldCase{"NewByAccelerator", [](FrameWindow& f) { QTest::keyClick(&f, Qt::Key_N, Qt::ControlModifier); },
                 [](const ModalAnswerer& a) {
                   return a.seen == QStringList({"box", "popup"});
                 }},
        HeldCase{"OpenByAccelerator", [](FrameWindow& f) { QTest::keyClick(&f, Qt::Key_O, Qt::ControlModifier); },
                 SawFileDialog},
        HeldCase{"SaveByAccelerator", [](FrameWindow& f) { QTest::keyClick(&f, Qt::Key_S, Qt::ControlModifier); },
                 SawFileDialog},
        HeldCase{"SaveAs", [](FrameWindow& f) { f.Menus().Item(MenuSet::Game, M::SaveAs)->trigger(); }, SawFileDialog},
        HeldCase{"EndGame", [](FrameWindow& f) { f.Menus().Item(MenuSet::Game, M::EndGame)->trigger(); },
                 [](const ModalAnswerer&) { return coreState.game.gamePhase == GamePhase::NoGame; }},
        HeldCase{"Exit", [](FrameWindow& f) { f.Menus().Item(MenuSet::Game, M::Exit)->trigger(); },
                 [](const ModalAnswerer&) { return QuitRequested(); }},
        HeldCase{"ClosingTheFrame", [](FrameWindow& f) { f.close(); },
                 [](const ModalAnswerer&) { return QuitRequested(); }}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(ActionUnderway, EndGameDuringTheRicochetCountdownWaitsForIt) {
  // A class X star makes the quadrant's ricochet possible; RIC counts down 5.5 s first.
  QuadrantRecord& quadrant = coreState.game.ShipQuadrantRecord();
  quadrant.cells[6][6] = Cell::StarX;
  quadrant.starCount = 1;
  quadrant.flags |= QuadrantFlag::RicochetStar;
  ModalAnswerer answerer;
  bool acted = false;
  QTimer::singleShot(0, [&] {
    ASSERT_TRUE(ActionRunning()) << "the countdown counts as an action";
    frame->Menus().Item(MenuSet::Game, M::EndGame)->trigger();
    acted = true;
  });
  std::string row = ">RIC";
  row.resize(39, ' ');  // the console row as typed, to its last cell
  ExecuteConsoleLine(WholeConsoleWorld(coreState.game, host()), row);
  ASSERT_TRUE(acted);
  EXPECT_EQ(coreState.game.gamePhase, GamePhase::Green) << "the game outlived its countdown";
  EXPECT_TRUE(answerer.seen.isEmpty());
  RunHeldCommands();
  EXPECT_EQ(coreState.game.gamePhase, GamePhase::NoGame) << "then it ended";
}

TEST_F(ActionUnderway, ACommandGivenTwiceDuringOneMoveRunsOnce) {
  ModalAnswerer answerer;
  DuringAMove([&] {
    frame->Menus().Item(MenuSet::Game, M::SaveAs)->trigger();
    frame->Menus().Item(MenuSet::Game, M::SaveAs)->trigger();
  });
  RunHeldCommands();
  EXPECT_EQ(answerer.seen.count(QStringLiteral("file dialog")), 1);
}

TEST_F(ActionUnderway, TheMenusDoNotOpenDuringAMove) {
  QMenuBar* bar = frame->menuBar();
  const QPoint file = bar->actionGeometry(bar->actions().first()).center();
  DuringAMove([&] {
    QTest::mouseClick(bar, Qt::LeftButton, {}, file);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "a click on File opened nothing";
    QTest::keyClick(bar, Qt::Key_F, Qt::AltModifier);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "Alt+F opened nothing";
  });
  QTest::mouseClick(bar, Qt::LeftButton, {}, file);
  QWidget* popup = QApplication::activePopupWidget();
  EXPECT_NE(popup, nullptr) << "after the move the same click opens the menu";
  if (popup) popup->close();
}

TEST_F(ActionUnderway, AClickOnAStationDuringAMoveGoesNowhere) {
  qtHost.ShowStationNormal(Station::DamageReport);
  StationWindow* report = StationHandle(Station::DamageReport);
  ASSERT_NE(report, nullptr);
  // Clicked as the platform delivers a click: to the frame's window, at the report's place.
  const auto clickOnTheReport = [&] {
    QTest::mouseClick(frame->windowHandle(), Qt::LeftButton, {}, report->mapTo(frame.get(), QPoint(100, 100)));
  };
  DuringAMove([&] {
    EXPECT_EQ(QWidget::mouseGrabber(), frame.get()) << "the frame holds the mouse";
    clickOnTheReport();
  });
  EXPECT_EQ(stationState.repairShowRemaining, 0) << "the report kept its mode";
  EXPECT_EQ(QWidget::mouseGrabber(), nullptr) << "the mouse is free again";
  clickOnTheReport();
  EXPECT_EQ(stationState.repairShowRemaining, 1) << "after the move the same click switches it";
}

// A held command is judged again when its turn comes, by the rules a fresh press meets then.
TEST_F(ActionUnderway, ASaveHeldThroughAMoveThatEndsInRedAlertIsDropped) {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("voyage.gam"));
  coreState.game.gameFilePath = path.toStdString();
  coreState.game.gameFileTitle = "voyage.gam";  // Save writes without a dialog
  OnlyAlienAt(7, 7);
  ModalAnswerer answerer;
  DuringAMove([&] { QTest::keyClick(frame.get(), Qt::Key_S, Qt::ControlModifier); });
  ASSERT_TRUE(coreState.game.InRedAlert()) << "the move began in green and ended under fire";
  const int changes = coreState.game.changeCount;

  RunHeldCommands();
  EXPECT_FALSE(QFile::exists(path)) << "no game is saved in red alert";
  EXPECT_EQ(coreState.game.changeCount, changes);
  EXPECT_TRUE(answerer.seen.isEmpty()) << answerer.seen.join(',').toStdString();
}

// The end of a mission that an action won, run as the main loop would run it: the sequence
// itself is stood in for by a record of it.
int endSequencesShown = 0;
void ShowTheEnd() {
  ++endSequencesShown;
  EndGame();
  QTimer::singleShot(100, [] { RequestQuit(0); });  // leaves the loop a few rounds to run
}
void Nothing() {}

// Ends the main loop with code 1 unless the test is over first.
class QuitAfterFiveSeconds {
 public:
  QuitAfterFiveSeconds() {
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [] { RequestQuit(1); });
    timer_.start(5000);
  }

 private:
  QTimer timer_;
};

TEST_F(ActionUnderway, CommandsHeldThroughTheWinningShotWaitForTheEndAndTheGameChangingOnesAreDropped) {
  OnlyAlienAt(5, 3);
  ModalAnswerer answerer;
  DuringAShot([&] {
    QTest::keyClick(frame.get(), Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(frame.get(), Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(frame.get(), Qt::Key_S, Qt::ControlModifier);
    frame->Menus().Item(MenuSet::Game, M::EndGame)->trigger();
  });
  ASSERT_EQ(coreState.game.gamePhase, GamePhase::GameOver) << "the shot destroyed the last alien";

  endSequencesShown = 0;
  SetIdleDuties({Nothing, ShowTheEnd});
  QuitAfterFiveSeconds safety;  // a loop that never gets to the end fails, not hangs
  RunMainLoop();
  EXPECT_EQ(endSequencesShown, 1) << "the mission's end was shown";
  EXPECT_TRUE(answerer.seen.isEmpty()) << "no save question, dialog or new mission: "
                                       << answerer.seen.join(',').toStdString();
  EXPECT_EQ(coreState.game.gamePhase, GamePhase::NoGame) << "the New meant for the finished game was dropped";
}

TEST_F(ActionUnderway, AnExitHeldThroughTheWinningShotComesAfterTheEnd) {
  OnlyAlienAt(5, 3);
  ModalAnswerer answerer;
  DuringAShot([&] { frame->close(); });
  ASSERT_EQ(coreState.game.gamePhase, GamePhase::GameOver);

  endSequencesShown = 0;
  SetIdleDuties({Nothing, [] {
                   ++endSequencesShown;
                   EXPECT_FALSE(QuitRequested()) << "the program was still there for the end";
                   EndGame();
                 }});
  QuitAfterFiveSeconds safety;
  EXPECT_EQ(RunMainLoop(), 0) << "the held Exit ended the program";
  EXPECT_EQ(endSequencesShown, 1);
  EXPECT_TRUE(answerer.seen.isEmpty()) << "no question to save a finished game: "
                                       << answerer.seen.join(',').toStdString();
}

// A saved game handed in from outside (the command line, a second start of the program) waits
// like File > Open, asks to save the running game, then loads through the same path.
TEST_F(ActionUnderway, AGameOpenedFromOutsideWaitsForTheMoveThenAsksToSaveFirst) {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("Sector Voyage.gam"));
  coreState.game.gameFilePath = path.toStdString();
  ASSERT_TRUE(SaveGame());
  coreState.game.gameFilePath.clear();
  coreState.game.gameFileTitle.clear();

  ModalAnswerer answerer;
  DuringAMove([&] { frame->OpenFromOutside(path); });
  EXPECT_EQ(coreState.game.shipSectorX, 4) << "the move ran to its end on the running game";
  EXPECT_TRUE(answerer.seen.isEmpty()) << "nothing asked during the move";
  EXPECT_GT(coreState.game.changeCount, 0);

  RunHeldCommands();
  ASSERT_FALSE(answerer.seen.isEmpty());
  EXPECT_EQ(answerer.seen.constFirst(), QStringLiteral("box")) << "the save question came first";
  EXPECT_EQ(coreState.game.shipSectorX, 0) << "the saved game was loaded";
  EXPECT_EQ(coreState.game.gameFilePath, path.toStdString());
  EXPECT_EQ(coreState.game.gameFileTitle, "Sector Voyage.gam");
  EXPECT_EQ(coreState.game.changeCount, 0);
}

TEST_F(ActionUnderway, AFileFromOutsideThatIsNoGameIsReportedAndTheGameGoesOn) {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("notes.gam"));
  QFile notes(path);
  ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
  notes.write("Captain's notes, not a game");
  notes.close();
  coreState.game.gameFilePath = folder.filePath(QStringLiteral("mine.gam")).toStdString();
  coreState.game.gameFileTitle = "mine.gam";

  ModalAnswerer answerer;
  frame->OpenFromOutside(path);
  EXPECT_TRUE(answerer.seen.isEmpty()) << "held until the main loop runs it";
  RunHeldCommands();
  EXPECT_EQ(answerer.seen, QStringList{QStringLiteral("box")}) << "the file's error, and no save question";
  EXPECT_EQ(coreState.game.gamePhase, GamePhase::Green);
  EXPECT_EQ(coreState.game.shipSectorY, 3);
  EXPECT_EQ(coreState.game.gameFileTitle, "mine.gam") << "a rejected file does not become the game's name";
}

}  // namespace
