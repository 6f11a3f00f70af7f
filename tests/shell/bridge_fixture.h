#pragma once
// The frame as the window tests drive it: program start, speakers the test controls, a frame
// of 1024 x 768 on the screen, and a new game started from the File menu.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <memory>

#include "core/core_state.h"
#include "core/end_game.h"
#include "core/game_state.h"
#include "core/random.h"
#include "shell/frame_window.h"
#include "shell/main_loop.h"
#include "shell/qt_host.h"
#include "shell/shell_reset.h"
#include "stations/sound.h"
#include "stations/sound_output.h"
#include "tests/support/modal_answerer.h"

// A mission that starts in condition green, and one that starts among aliens.
inline constexpr std::uint32_t GreenSeed = 1;
inline constexpr std::uint32_t RedAlertSeed = 2;

// Dismisses the next modal window (the mission's communiqué) with a key as soon as it is up.
inline void DismissNextModal() {
  QTimer::singleShot(0, [] {
    if (QWidget* modal = WaitingWindow()) QTest::keyClick(modal, Qt::Key_Space);
  });
}

// A machine's speakers as far as the frame asks about them: how many there are.
class Speakers : public SoundOutput {
 public:
  int devices = 0;
  int DeviceCount() override { return devices; }
  bool Play(const QByteArray&, bool) override { return true; }
  bool IsPlaying() override { return false; }
  void Stop() override {}
};

class BridgeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetShellState(qtHost);
    UseSoundOutput(&speakers);
    OpenFrame();
  }

  void OpenFrame() {
    frame = std::make_unique<FrameWindow>();
    qtHost.AttachFrame(frame.get());
    frame->resize(1024, 768);
    frame->show();
  }

  void TearDown() override { CloseFrame(); }

  void CloseFrame() {
    if (coreState.game.gamePhase != GamePhase::NoGame) EndGame();
    qtHost.AttachFrame(nullptr);
    frame.reset();
  }

  // File > New with the communiqué answered; `arrange` lets the default arrangement run.
  void NewGameFromMenu(std::uint32_t seed, bool arrange = true) {
    lcg::Seed(seed);
    DismissNextModal();
    Item(MenuSet::Idle, MenuCommand::New)->trigger();
    coreState.game.changeCount = 0;  // nothing to save, so later commands ask no question
    if (arrange) QCoreApplication::processEvents();
  }

  QAction* Item(MenuSet set, int id) { return frame->Menus().Item(set, id); }
  QList<QMenu*> MenuBarPopups() {
    QList<QMenu*> popups;
    for (QAction* action : frame->menuBar()->actions()) popups << action->menu();
    return popups;
  }

  Speakers speakers;
  QtHost qtHost;
  std::unique_ptr<FrameWindow> frame;
};
