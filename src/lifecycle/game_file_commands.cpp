#include "lifecycle/game_file_commands.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>

#include "core/core_state.h"
#include "core/game_commands.h"
#include "core/game_files.h"
#include "core/game_state.h"
#include "lifecycle/data_directory.h"

namespace {
QString Local(const std::string& text) {
  return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

// The frame's file dialog: saved games first, every file on request, "GAM" added to a name
// typed without an extension. Empty when the player cancels.
QString RunFileDialog(QWidget* frame, QFileDialog::AcceptMode mode) {
  QFileDialog dialog(frame);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setNameFilters({QStringLiteral("Game Files (.GAM) (*.gam *.GAM)"), QStringLiteral("All Files  (*.*) (*)")});
  dialog.setDefaultSuffix(QStringLiteral("GAM"));
  const QString current = Local(coreState.game.gameFilePath);
  dialog.setDirectory(current.isEmpty() ? DataDirectory() : QFileInfo(current).absolutePath());
  if (mode == QFileDialog::AcceptSave && !coreState.game.gameFileTitle.empty())
    dialog.selectFile(Local(coreState.game.gameFileTitle));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

std::string LocalPath(const QString& path) { return path.toLocal8Bit().toStdString(); }

// The game's file name, put back when the file chosen did not take the game.
class GameFileName {
 public:
  GameFileName() : path_(coreState.game.gameFilePath), title_(coreState.game.gameFileTitle) {}
  void Restore() const {
    coreState.game.gameFilePath = path_;
    coreState.game.gameFileTitle = title_;
  }

 private:
  std::string path_;
  std::string title_;
};
}  // namespace

std::optional<std::string> ChooseSaveFile(QWidget* frame) {
  const QString path = RunFileDialog(frame, QFileDialog::AcceptSave);
  if (path.isEmpty()) return std::nullopt;
  return LocalPath(path);
}

void OpenGameCommand(QWidget* frame) {
  const QString path = RunFileDialog(frame, QFileDialog::AcceptOpen);
  if (path.isEmpty()) return ForgetGameFileName();
  OpenGameFile(path);
}

void OpenGameFile(const QString& path) {
  // A rejected file must not become the game's name: the next Save would overwrite it.
  const GameFileName previous;
  NameGameFile(LocalPath(path));
  if (!LoadGame()) previous.Restore();
}

void SaveGameAsCommand(QWidget* frame) {
  const std::optional<std::string> chosen = ChooseSaveFile(frame);
  if (!chosen) return;
  const GameFileName previous;
  NameGameFile(*chosen);
  if (!SaveGame()) previous.Restore();
}

void SaveGameCommand(QWidget* frame) {
  if (coreState.game.gameFileTitle.empty()) return SaveGameAsCommand(frame);
  SaveGame();
}

Answer ShowGameMessageBox(QWidget* frame, const std::string& text, const std::string& caption, MessageStyle style) {
  using Button = QMessageBox::StandardButton;
  QMessageBox box(frame);
  box.setWindowTitle(QString::fromLatin1(caption.c_str()));
  box.setText(Local(text));
  switch (style) {
    case MessageStyle::ExclamationOk:
      box.setIcon(QMessageBox::Warning);
      box.setStandardButtons(Button::Ok);
      break;
    case MessageStyle::ExclamationOkCancel:
      box.setIcon(QMessageBox::Warning);
      box.setStandardButtons(Button::Ok | Button::Cancel);
      box.setDefaultButton(Button::Ok);
      break;
    case MessageStyle::QuestionYesNoCancel:
      box.setIcon(QMessageBox::Question);
      box.setStandardButtons(Button::Yes | Button::No | Button::Cancel);
      box.setDefaultButton(Button::Yes);
      break;
  }
  switch (box.exec()) {
    case Button::Yes: return Answer::Yes;
    case Button::No: return Answer::No;
    case Button::Ok: return Answer::Ok;
    default: return Answer::Cancel;  // Cancel, Escape or closing the box
  }
}
