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

int MeasuredBridgeScale(int bridgeSize) {
  if (bridgeSize != BridgeSizeAutomatic) return BridgeScale(bridgeSize, 1);
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return 1;
  QMenuBar bar;  // never shown: it only says how tall the frame's menu bar will be
  bar.addMenu(QStringLiteral("&File"));
  const QRect area = screen->availableGeometry();
  return AutomaticBridgeScale(area.width(), area.height(), bar.sizeHint().height());
}
}  // namespace

void ChooseBridgeScale(int argc, char* argv[]) {
  // The probe takes Qt's own options out of its arguments; the game's application must
  // still see them.
  std::vector<char*> arguments(argv, argv + argc);
  arguments.push_back(nullptr);
  int count = argc;
  int scale = 1;
  {
    QApplication probe(count, arguments.data());
    scale = MeasuredBridgeScale(ChosenBridgeSize());
  }
  if (scale == 1) return;
  bool given = false;
  const double desktop = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&given);
  qputenv("QT_SCALE_FACTOR", QByteArray::number((given && desktop > 0 ? desktop : 1.0) * scale));
}
