#include "shell/startup.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <cstdio>

#include "core/core_state.h"
#include "core/game_over.h"
#include "core/game_state.h"
#include "core/high_score_file.h"
#include "core/journal_recorder.h"
#include "core/options.h"
#include "core/random.h"
#include "core/settings_file.h"
#include "core/temporary_file.h"
#include "lifecycle/data_directory.h"
#include "lifecycle/game_file_commands.h"
#include "lifecycle/mission_journals.h"
#include "shell/busy_cursor.h"
#include "shell/frame_menus.h"
#include "shell/frame_window.h"
#include "shell/intro_fly_by.h"
#include "shell/main_loop.h"
#include "shell/program_directory.h"
#include "shell/qt_host.h"
#include "shell/session_end.h"
#include "shell/single_instance.h"
#include "stations/resource_library.h"
#include "stations/sound.h"
#include "stations/station_accessible.h"

namespace {
constexpr std::uint32_t ClockStart = 45000;

// The bundle beside the program, or where an installed copy keeps it.
QString BundlePath(const char* name) {
  const QString beside = ProgramDirectory() + QLatin1String(name);
  const QString installed = ProgramDirectory() + QStringLiteral("../share/kestrav/") + QLatin1String(name);
  return QFileInfo::exists(beside) || !QFileInfo::exists(installed) ? beside : installed;
}

// The player is told in a box; a terminal, where there is one, hears what is wrong in detail.
void ReportBrokenBundle(const QString& path, const QString& why) {
  const QString text = QStringLiteral("Kestrav cannot start: the file %1 is missing or damaged.").arg(path);
  std::fprintf(stderr, "%s (%s)\n", qUtf8Printable(text), qUtf8Printable(why));
  QMessageBox::critical(nullptr, QStringLiteral("Kestrav"), text);
}

// Loads both bundles, pictures first, each checked for everything the game takes from it
// before the next is loaded (so that a bundle in the other's place is found out); tells the
// player which file is missing or damaged and returns false when one will not do.
bool LoadBundles() {
  struct Bundle {
    const char* name;
    QString (*firstMissingItem)();
  };
  for (const Bundle& bundle : {Bundle{resources::PictureBundleName, resources::FirstMissingPicture},
                               Bundle{resources::SoundBundleName, resources::FirstMissingSound}}) {
    const QString path = BundlePath(bundle.name);
    if (!resources::LoadBundle(path)) {
      ReportBrokenBundle(path, QStringLiteral("it cannot be read as a bundle"));
      return false;
    }
    if (const QString missing = bundle.firstMissingItem(); !missing.isEmpty()) {
      resources::UnloadBundle(path);
      ReportBrokenBundle(path, QStringLiteral("it does not hold %1 whole").arg(missing));
      return false;
    }
  }
  return true;
}

void UnloadBundles() {
  resources::UnloadBundle(BundlePath(resources::PictureBundleName));
  resources::UnloadBundle(BundlePath(resources::SoundBundleName));
}

// A trace that cannot be written is said on the terminal; the game runs without one.
void StartFrameTrace(QtHost& qtHost, const QString& path) {
  if (path.isEmpty()) return;
  std::string problem;
  if (std::unique_ptr<FrameTrace> trace = FrameTrace::Open(QFile::encodeName(path).toStdString(), problem))
    qtHost.TraceFrames(std::move(trace));
  else
    std::fprintf(stderr, "Kestrav cannot write the frame trace %s (%s); it runs without one.\n", qUtf8Printable(path),
                 problem.c_str());
}

void BringForward(QWidget& frame) {
  frame.setWindowState(frame.windowState() & ~Qt::WindowMinimized);
  frame.show();
  frame.raise();
  frame.activateWindow();
}
}  // namespace

int RunKestrav(const QString& gameFile, const QString& replayJournal, const QString& traceFile) {
  QtHost qtHost;
  SetHost(&qtHost);
  lcg::Seed(TickCount() & 0xFFFF);

  SingleInstance instance(KestravInstanceName());
  if (instance.AnotherIsRunning(gameFile)) return 0;
  StartFrameTrace(qtHost, traceFile);

  if (!LoadBundles()) return 1;
  coreState.settingsPath = ChooseSettingsPath(QFile::encodeName(SettingsFileBesideProgram()).toStdString(),
                                              QFile::encodeName(PerUserSettingsFile()).toStdString());
  // What saves killed midway left where the game writes its own files (they go unseen).
  for (const QString& folder :
       {QFileInfo(QFile::decodeName(coreState.settingsPath.c_str())).absolutePath(), DataDirectory()})
    RemoveSaveLeftovers(QFile::encodeName(folder).toStdString());
  ReadSettings();
  RecordMissionsAsOptionsSay();
  coreState.highScorePath = (DataDirectory() + QLatin1String(HighScoreFileName)).toLocal8Bit().toStdString();
  // A replay asked for on the command line goes straight to the bridge.
  const bool flownOverDesktop = !replayJournal.isEmpty() || PlayIntroFlyBy();

  QApplication::setQuitOnLastWindowClosed(false);
  InstallStationAccessibility();
  FrameWindow frame;
  qtHost.AttachFrame(&frame);
  instance.Listen([&frame](const QString& handedOver) {
    BringForward(frame);
    if (!handedOver.isEmpty()) frame.OpenFromOutside(handedOver);
  });
  AskToSaveBeforeSessionEnds(*qApp);
  SetIdleDuties({[] { KeepAmbience(coreState.pausedFlag != 0); }, HandleGameOver, AnyMenuOpen});

  {
    BusyCursor busy;
    // The normal size covers the screen too, for desktops that do not maximize windows.
    frame.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    frame.showMaximized();
    frame.activateWindow();  // the keyboard works at once, with or without a window manager
    frame.repaint();
    if (!flownOverDesktop) PlayIntroFlyByOver(frame);
    coreState.game.nextClockTick = TickCount() + ClockStart;
    PlaySoundNow(Sounds::StartUp, false);
  }
  if (!gameFile.isEmpty())
    frame.OpenFromOutside(gameFile);
  else if (!replayJournal.isEmpty())
    frame.ReplayFromOutside(replayJournal);
  else
    OfferToResumeUnfinishedMission(&frame);

  const int code = RunMainLoop();
  frame.ShutDown();
  CloseJournal();
  qtHost.AttachFrame(nullptr);
  UnloadBundles();
  SetHost(nullptr);
  return code;
}
