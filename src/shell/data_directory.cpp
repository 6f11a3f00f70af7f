#include "data_directory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString DataDirectory() {
  const QString beside = QCoreApplication::applicationDirPath();
  QString directory = beside;
  if (!QFileInfo(beside).isWritable()) {
    directory = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(directory);
  }
  if (!directory.endsWith(QLatin1Char('/'))) directory += QLatin1Char('/');
  return directory;
}
