// The File menu's saved-game commands with their dialogs answered the way a player would.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>

#include "core/core_state.h"
#include "core/end_game.h"
#include "core/game_commands.h"
#include "core/game_files.h"
#include "core/new_game.h"
#include "lifecycle/game_file_commands.h"
#include "tests/lifecycle/lifecycle_fixture.h"

namespace {
class FileCommands : public LifecycleTest {
 protected:
  void SetUp() override {
    LifecycleTest::SetUp();
    NewGame();
    coreState.game.changeCount = 1;
  }
  // Answers the next file dialog with `name` (relative to the test's directory), or cancels it.
  void AnswerFileDialog(const QString& name) {
    QTimer::singleShot(0, [this, name] {
      auto* dialog = dynamic_cast<QFileDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      if (name.isEmpty()) return dialog->reject();
      dialog->setDirectory(QString::fromStdString(directory.string()));
      dialog->selectFile(name);
      QMetaObject::invokeMethod(dialog, "accept");  // as the dialog's own Save/Open button does
    });
  }
  QWidget frame;
};

TEST_F(FileCommands, SaveAsAddsTheDefaultExtensionAndNamesTheGame) {
  AnswerFileDialog(QStringLiteral("voyage"));
  SaveGameAsCommand(&frame);
  EXPECT_TRUE(std::filesystem::exists(directory / "voyage.GAM"));
  EXPECT_EQ(coreState.game.gameFileTitle, "voyage.GAM");
  EXPECT_EQ(coreState.game.changeCount, 0);

  // Save now writes to that file without asking.
  coreState.game.changeCount = 1;
  SaveGameCommand(&frame);
  EXPECT_EQ(coreState.game.changeCount, 0);
}

TEST_F(FileCommands, SaveWithoutANameAsksForOneAndACancelledDialogChangesNothing) {
  AnswerFileDialog(QString());
  SaveGameCommand(&frame);
  EXPECT_EQ(coreState.game.gameFileTitle, "");
  EXPECT_EQ(coreState.game.changeCount, 1);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory), {}), 0);
}

TEST_F(FileCommands, ARejectedFileDoesNotBecomeTheGamesName) {
  coreState.game.gameFilePath = (directory / "mine.gam").string();
  coreState.game.gameFileTitle = "mine.gam";
  WriteText(directory / "notes.txt", "not a game");
  AnswerFileDialog(QStringLiteral("notes.txt"));
  recorder.answers = {Answer::Ok};
  OpenGameCommand(&frame);
  ASSERT_EQ(recorder.CallsNamed("ShowMessageBox").size(), 1u);
  EXPECT_EQ(coreState.game.gameFileTitle, "mine.gam");
  SaveGameCommand(&frame);
  EXPECT_EQ(ReadText(directory / "notes.txt"), "not a game");
}

TEST_F(FileCommands, OpenLoadsTheChosenGame) {
  AnswerFileDialog(QStringLiteral("saved.gam"));
  SaveGameAsCommand(&frame);
  const int aliens = coreState.game.alienTotal;
  lcg::Seed(1234);
  NewGame();
  AnswerFileDialog(QStringLiteral("saved.gam"));
  OpenGameCommand(&frame);
  EXPECT_EQ(coreState.game.alienTotal, aliens);
  EXPECT_EQ(coreState.game.gameFileTitle, "saved.gam");
}

TEST_F(FileCommands, ACancelledOpenForgetsTheFileSoTheNextSaveAsksForAName) {
  AnswerFileDialog(QStringLiteral("saved.gam"));
  SaveGameAsCommand(&frame);
  ASSERT_EQ(coreState.game.gameFileTitle, "saved.gam");
  const int aliens = coreState.game.alienTotal;
  AnswerFileDialog(QString());
  OpenGameCommand(&frame);
  EXPECT_EQ(coreState.game.alienTotal, aliens) << "the game goes on";
  EXPECT_EQ(coreState.game.gameFileTitle, "");

  coreState.game.changeCount = 1;
  bool asked = false;
  QTimer::singleShot(0, [&] {
    asked = dynamic_cast<QFileDialog*>(QApplication::activeModalWidget()) != nullptr;
    if (QWidget* dialog = QApplication::activeModalWidget()) dialog->close();
  });
  SaveGameCommand(&frame);
  EXPECT_TRUE(asked) << "Save asked for a name instead of writing over saved.gam";
  EXPECT_EQ(coreState.game.changeCount, 1);
}

TEST_F(FileCommands, ANewGameCountsAsAChangeSoTheNextNewOrExitAsksToSave) {
  EndGame();
  coreState.game.changeCount = 0;  // as at program start
  NewGameCommand();
  EXPECT_EQ(coreState.game.changeCount, 1);
  EXPECT_TRUE(recorder.CallsNamed("ShowMessageBox").empty()) << "no game to save before the first";
  recorder.answers = {Answer::No};
  NewGameCommand();
  EXPECT_EQ(recorder.CallsNamed("ShowMessageBox").size(), 1u) << "the second New asks to save the first game";
  recorder.answers = {Answer::Cancel};
  EXPECT_EQ(PromptSaveGame(), Answer::Cancel) << "and so does Exit's question";
}

TEST_F(FileCommands, EndGameForgetsTheFileSoTheNextGamesSaveAsksForAName) {
  AnswerFileDialog(QStringLiteral("first.gam"));
  SaveGameAsCommand(&frame);
  ASSERT_EQ(coreState.game.gameFileTitle, "first.gam");
  EndGameCommand();
  EXPECT_EQ(coreState.game.gameFileTitle, "");
  NewGameCommand();
  AnswerFileDialog(QStringLiteral("second.gam"));
  SaveGameCommand(&frame);
  EXPECT_EQ(coreState.game.gameFileTitle, "second.gam") << "Save went through the dialog";
  EXPECT_TRUE(std::filesystem::exists(directory / "second.gam"));
}

TEST_F(FileCommands, MessageBoxesAnswerWithThePlatformsButtonNumbers) {
  const auto answer = [this](MessageStyle style, QMessageBox::StandardButton press) {
    QTimer::singleShot(0, [press] {
      auto* box = dynamic_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      if (press == QMessageBox::NoButton) return (void)box->close();
      box->button(press)->click();
    });
    return ShowGameMessageBox(&frame, "Do you want to save the current game ?", "Save Game", style);
  };
  EXPECT_EQ(answer(MessageStyle::QuestionYesNoCancel, QMessageBox::Yes), Answer::Yes);
  EXPECT_EQ(answer(MessageStyle::QuestionYesNoCancel, QMessageBox::No), Answer::No);
  EXPECT_EQ(answer(MessageStyle::QuestionYesNoCancel, QMessageBox::NoButton), Answer::Cancel);
  EXPECT_EQ(answer(MessageStyle::ExclamationOkCancel, QMessageBox::Ok), Answer::Ok);
  EXPECT_EQ(answer(MessageStyle::ExclamationOkCancel, QMessageBox::Cancel), Answer::Cancel);
  EXPECT_EQ(answer(MessageStyle::ExclamationOk, QMessageBox::Ok), Answer::Ok);
}
}  // namespace
