#include "shell/bridge_scale.h"

#include <QApplication>
#include <QFile>
#include <QMenuBar>
#include <QScreen>
#include <vector>

#include "core/bridge_size.h"
#include "core/core_state.h"
#include "core/settings_file.h"
#include "lifecycle/data_directory.h"

namespace {
// The size the player chose, from the file the game will read its settings from.
int ChosenBridgeSize() {
  coreState.settingsPath = ChooseSettingsPath(QFile::encodeName(SettingsFileBesideProgram()).toStdString(),
                                              QFile::encodeName(PerUserSettingsFile()).toStdString());
  const std::optional<ProfileText> text = LoadSettingsText();
  return text ? OptionsFrom(*text).bridgeSize : BridgeSizeAutomatic;
}

// The largest factor at which the bridge fits the screen: this one needs the window system.
int MeasuredBridgeScale() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return 1;
  QMenuBar bar;  // never shown: it only says how tall the frame's menu bar will be
  bar.addMenu(QStringLiteral("&File"));
  const QRect area = screen->availableGeometry();
  return AutomaticBridgeScale(area.width(), area.height(), bar.sizeHint().height());
}

// The short-lived applications take Qt's own options out of the arguments they are given; the
// game's application must still see them, so each gets a copy.
class ArgumentsCopy {
 public:
  ArgumentsCopy(int argc, char* argv[]) : arguments_(argv, argv + argc), count_(argc) { arguments_.push_back(nullptr); }
  int& count() { return count_; }
  char** values() { return arguments_.data(); }

 private:
  std::vector<char*> arguments_;
  int count_;
};
}  // namespace

void ChooseBridgeScale(int argc, char* argv[]) {
  int bridgeSize = BridgeSizeAutomatic;
  {
    // Reading the settings needs the program's folder, not the display.
    ArgumentsCopy copy(argc, argv);
    const QCoreApplication reader(copy.count(), copy.values());
    bridgeSize = ChosenBridgeSize();
  }
  int scale = BridgeScale(bridgeSize, 1);
  if (bridgeSize == BridgeSizeAutomatic) {
    ArgumentsCopy copy(argc, argv);
    const QApplication probe(copy.count(), copy.values());
    scale = MeasuredBridgeScale();
  }
  if (scale == 1) return;
  bool given = false;
  const double desktop = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&given);
  qputenv("QT_SCALE_FACTOR", QByteArray::number((given && desktop > 0 ? desktop : 1.0) * scale));
}
