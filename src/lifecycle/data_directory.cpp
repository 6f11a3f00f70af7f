#include "lifecycle/data_directory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "core/settings_file.h"

namespace {
QString BesideProgramOr(QStandardPaths::StandardLocation perUser) {
  const QString beside = QCoreApplication::applicationDirPath();
  QString directory = beside;
  if (!QFileInfo(beside).isWritable()) {
    directory = QStandardPaths::writableLocation(perUser);
    QDir().mkpath(directory);
  }
  if (!directory.endsWith(QLatin1Char('/'))) directory += QLatin1Char('/');
  return directory;
}
}  // namespace

QString DataDirectory() { return BesideProgramOr(QStandardPaths::AppDataLocation); }

QString SettingsFileBesideProgram() {
  return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(SettingsFileName);
}

QString PerUserSettingsFile() {
  return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QLatin1Char('/') +
         QLatin1String(SettingsFileName);
}
