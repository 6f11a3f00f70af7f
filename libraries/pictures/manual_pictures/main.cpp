// kestrav-manual-pictures: the pictures the player's manual shows, made at build time from
// the picture bundle: bitmaps and station icons as they are, and every station of the
// bridge as it stands at the start of one fixed mission.
//
//   kestrav-manual-pictures <KESTRAV1.rcc> <folder> <bitmap id>... [icon:<id>]...
//
// Writes <folder>/bitmaps/<id>.png, <folder>/icons/<id>.png and, for every station,
// <folder>/stations/<title>.png ("short-range-scan.png").

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QTimer>
#include <cstdio>
#include <string_view>

#include "core/core_state.h"
#include "core/end_game.h"
#include "core/format_text.h"
#include "core/game_state.h"
#include "core/options.h"
#include "core/random.h"
#include "lifecycle/modal_popup.h"
#include "shell/bridge_background.h"
#include "shell/frame_window.h"
#include "shell/qt_host.h"
#include "shell/shell_reset.h"
#include "stations/resource_library.h"
#include "stations/sound.h"
#include "stations/sound_output.h"
#include "stations/station_window.h"

namespace {

// A Crewman's mission that opens among a Romulan and a Klingon, with stars and a starbase
// in the quadrant.
constexpr std::uint32_t MissionSeed = 521;
constexpr const char* ConsoleCommand = "SCA";

bool Write(const QImage& image, const QString& path) {
  if (image.isNull() || !image.save(path, "PNG")) {
    std::fprintf(stderr, "manual pictures: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

bool WriteBundleItem(const QString& item, const QDir& folder) {
  bool isNumber = false;
  if (item.startsWith(QLatin1String("icon:"))) {
    const int id = item.mid(5).toInt(&isNumber);
    const QIcon icon = resources::StationIcon(id);
    if (isNumber)
      return Write(icon.isNull() ? QImage() : icon.pixmap(32, 32).toImage(),
                   folder.filePath(QStringLiteral("icons/%1.png").arg(id)));
  } else {
    const int id = item.toInt(&isNumber);
    if (isNumber) return Write(resources::Picture(id), folder.filePath(QStringLiteral("bitmaps/%1.png").arg(id)));
  }
  std::fprintf(stderr, "manual pictures: %s is no picture id\n", qPrintable(item));
  return false;
}

// The bridge plays in silence.
class Silence : public SoundOutput {
 public:
  int DeviceCount() override { return 1; }
  bool Play(const QByteArray&, bool) override { return true; }
  bool IsPlaying() override { return false; }
  void Stop() override {}
};

void Type(QWidget& window, const QString& text, int key = 0) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(&window, &press);
}

// Starts the mission from the File menu, answers its communiqué, asks the computer for a
// scan and photographs every station in its window frame.
bool WriteStations(const QDir& folder) {
  Silence silence;
  QtHost host;
  ResetShellState(host);
  UseSoundOutput(&silence);
  FrameWindow frame;
  host.AttachFrame(&frame);
  frame.resize(1024, 768);
  frame.show();

  lcg::Seed(MissionSeed);
  QTimer answer;  // the mission's communiqué is answered as soon as it is up
  QObject::connect(&answer, &QTimer::timeout, [] {
    if (QWidget* communique = ModalPopup::Showing()) Type(*communique, QStringLiteral(" "));
  });
  answer.start(10);
  frame.Command(MenuCommand::New);
  answer.stop();
  // Paused, the stars' twinkle and the blinking lights hold still for the pictures.
  coreState.pausedFlag = 1;
  QCoreApplication::processEvents();

  bool written = true;
  for (QMdiSubWindow* window : frame.Backdrop().subWindowList(QMdiArea::CreationOrder)) {
    window->showNormal();
    auto* station = qobject_cast<StationWindow*>(window->widget());
    if (station && station->Id() == Station::Computer) {
      station->setFocus();
      for (const char c : std::string_view(ConsoleCommand)) Type(*station, QString(QLatin1Char(c)));
      Type(*station, QStringLiteral("\r"), Qt::Key_Return);
    }
    QCoreApplication::processEvents();
    const QString name = window->windowTitle().toLower().replace(QLatin1Char(' '), QLatin1Char('-'));
    written &= Write(window->grab().toImage(), folder.filePath(QStringLiteral("stations/%1.png").arg(name)));
  }
  EndGame();
  host.AttachFrame(nullptr);
  return written;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  UseGameNumberFormat();
  QApplication::setQuitOnLastWindowClosed(false);
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s <KESTRAV1.rcc> <folder> <bitmap id>... [icon:<id>]...\n", argv[0]);
    return 2;
  }
  const QString bundle = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
  if (!resources::LoadBundle(bundle)) {
    std::fprintf(stderr, "manual pictures: %s is not a picture bundle\n", argv[1]);
    return 1;
  }
  const QDir folder(QString::fromLocal8Bit(argv[2]));
  for (const char* part : {"bitmaps", "icons", "stations"}) {
    if (!folder.mkpath(QLatin1String(part))) {
      std::fprintf(stderr, "manual pictures: cannot create %s\n", argv[2]);
      return 1;
    }
  }

  bool written = true;
  for (int i = 3; i < argc; ++i) written &= WriteBundleItem(QString::fromLocal8Bit(argv[i]), folder);
  written &= WriteStations(folder);
  return written ? 0 : 1;
}
