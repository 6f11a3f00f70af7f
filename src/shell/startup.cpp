#include "startup.h"

#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

#include "busy_cursor.h"
#include "frame_window.h"
#include "data_directory.h"
#include "game_file_commands.h"
#include "session_end.h"
#include "game_over.h"
#include "game_state.h"
#include "high_score_file.h"
#include "intro_fly_by.h"
#include "main_loop.h"
#include "options.h"
#include "program_directory.h"
#include "qt_host.h"
#include "random.h"
#include "resource_library.h"
#include "settings_file.h"
#include "single_instance.h"
#include "sound.h"
#include "temporary_file.h"

namespace {
constexpr std::uint32_t ClockStart = 45000;

// The bundle beside the program, or where an installed copy keeps it.
QString BundlePath(const char* name) {
  const QString beside = ProgramDirectory() + QLatin1String(name);
  const QString installed = ProgramDirectory() + QStringLiteral("../share/kestrav/") + QLatin1String(name);
  return QFileInfo::exists(beside) || !QFileInfo::exists(installed) ? beside : installed;
}

// Loads both bundles, pictures first; tells the player which file is missing and returns
// false when one cannot be loaded.
bool LoadBundles() {
  for (const char* name : {resources::PictureBundleName, resources::SoundBundleName}) {
    const QString path = BundlePath(name);
    if (resources::LoadBundle(path)) continue;
    QMessageBox::critical(nullptr, QStringLiteral("Kestrav"),
                          QStringLiteral("Kestrav cannot start: the file %1 is missing or damaged.").arg(path));
    return false;
  }
  return true;
}

void UnloadBundles() {
  resources::UnloadBundle(BundlePath(resources::PictureBundleName));
  resources::UnloadBundle(BundlePath(resources::SoundBundleName));
}

void BringForward(QWidget& frame) {
  frame.setWindowState(frame.windowState() & ~Qt::WindowMinimized);
  frame.show();
  frame.raise();
  frame.activateWindow();
}
}  // namespace

int RunKestrav(const QString& gameFile) {
  QtHost qtHost;
  SetHost(&qtHost);
  lcg::Seed(TickCount() & 0xFFFF);

  SingleInstance instance(KestravInstanceName());
  if (instance.AnotherIsRunning(gameFile)) return 0;

  if (!LoadBundles()) return 1;
  // What saves killed midway left where the game writes its own files (they go unseen).
  for (const QString& folder : {SettingsDirectory(), DataDirectory()})
    RemoveSaveLeftovers(folder.toLocal8Bit().toStdString());
  settingsPath = (SettingsDirectory() + QLatin1String(SettingsFileName)).toLocal8Bit().toStdString();
  ReadSettings();
  highScorePath = (DataDirectory() + QLatin1String(HighScoreFileName)).toLocal8Bit().toStdString();
  const bool flownOverDesktop = PlayIntroFlyBy();

  QApplication::setQuitOnLastWindowClosed(false);
  FrameWindow frame;
  qtHost.AttachFrame(&frame);
  instance.Listen([&frame](const QString& handedOver) {
    BringForward(frame);
    if (!handedOver.isEmpty()) frame.OpenFromOutside(handedOver);
  });
  AskToSaveBeforeSessionEnds(*qApp);
  SetIdleDuties({[] { KeepAmbience(pausedFlag != 0); }, HandleGameOver});

  {
    BusyCursor busy;
    // The normal size covers the screen too, for desktops that do not maximize windows.
    frame.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    frame.showMaximized();
    frame.activateWindow();  // the keyboard works at once, with or without a window manager
    frame.repaint();
    if (!flownOverDesktop) PlayIntroFlyByOver(frame);
    game.nextClockTick = TickCount() + ClockStart;
    PlaySoundNow(Sounds::StartUp, false);
  }
  if (!gameFile.isEmpty()) frame.OpenFromOutside(gameFile);

  const int code = RunMainLoop();
  frame.ShutDown();
  qtHost.AttachFrame(nullptr);
  UnloadBundles();
  SetHost(nullptr);
  return code;
}
