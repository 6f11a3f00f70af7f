// A save the player asked for before the game is discarded fails: the command that asked is
// called off and the game stays on the bridge as it was.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <functional>
#include <tuple>

#include "core/core_state.h"
#include "tests/shell/bridge_fixture.h"

namespace {
namespace M = MenuCommand;

// Says Yes to the save question and OK to whatever box follows, remembering that box's text;
// closes any other window that comes up.
class SaysYesToSaving {
 public:
  SaysYesToSaving() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QWidget* modal = WaitingWindow();
      if (!modal) return;
      auto* box = qobject_cast<QMessageBox*>(modal);
      if (!box) {  // what a command that went on would show: a file dialog, a communiqué
        others << modal->metaObject()->className();
        if (auto* dialog = qobject_cast<QDialog*>(modal)) return dialog->reject();
        return QTest::keyClick(modal, Qt::Key_Space);
      }
      if (QAbstractButton* yes = box->button(QMessageBox::Yes)) return yes->click();
      errors << box->text();
      box->button(QMessageBox::Ok)->click();
    });
    timer_.start(5);
  }
  QStringList errors;
  QStringList others;

 private:
  QTimer timer_;
};

struct Discarding {
  const char* name;
  std::function<void(FrameWindow&)> act;
};
void PrintTo(const Discarding& row, std::ostream* os) { *os << row.name; }

class FailedSave : public BridgeTest, public ::testing::WithParamInterface<Discarding> {};

TEST_P(FailedSave, CallsOffTheCommandAndKeepsTheGame) {
  qtHost.UseVirtualClock(1000000);  // no clock step changes the game meanwhile
  NewGameFromMenu(GreenSeed);
  QTemporaryDir folder;
  const std::string path = folder.filePath(QStringLiteral("gone/voyage.gam")).toStdString();
  coreState.game.gameFilePath = path;
  coreState.game.gameFileTitle = "voyage.gam";
  coreState.game.changeCount = 1;
  // The scan's timer animates the stars in the cells, so the game is compared by its figures.
  const auto figures = [] {
    return std::make_tuple(coreState.game.stardateNow, coreState.game.shipEnergy, coreState.game.shieldEnergy,
                           coreState.game.torpedoCount, coreState.game.aliensRemaining, coreState.game.shipQuadrant,
                           coreState.game.shipSectorX, coreState.game.shipSectorY);
  };
  const auto before = figures();

  SaysYesToSaving player;
  GetParam().act(*frame);
  RunHeldCommands();

  EXPECT_EQ(player.errors, QStringList{QString::fromStdString("Errors trying to write the game file " + path +
                                                              "\nNo such file or directory")});
  EXPECT_TRUE(player.others.isEmpty()) << player.others.join(',').toStdString();
  EXPECT_FALSE(QuitRequested());
  EXPECT_TRUE(frame->isVisible());
  EXPECT_EQ(figures(), before);
  EXPECT_EQ(coreState.game.gamePhase, GamePhase::Green);
  EXPECT_EQ(coreState.game.gameFileTitle, "voyage.gam");
  EXPECT_EQ(coreState.game.changeCount, 1);
}

INSTANTIATE_TEST_SUITE_P(
    EveryCommandThatDiscardsTheGame, FailedSave,
    ::testing::Values(
        Discarding{"New", [](FrameWindow& f) { f.Menus().Item(MenuSet::Game, M::New)->trigger(); }},
        Discarding{"Open", [](FrameWindow& f) { f.Menus().Item(MenuSet::Game, M::Open)->trigger(); }},
        Discarding{"OpenedFromOutside", [](FrameWindow& f) { f.OpenFromOutside(QStringLiteral("/nonexistent.gam")); }},
        Discarding{"EndGame", [](FrameWindow& f) { f.Menus().Item(MenuSet::Game, M::EndGame)->trigger(); }},
        Discarding{"Exit", [](FrameWindow& f) { f.Menus().Item(MenuSet::Game, M::Exit)->trigger(); }},
        Discarding{"ClosingTheFrame", [](FrameWindow& f) { f.close(); }}),
    [](const auto& row) { return std::string(row.param.name); });
}  // namespace
