#include "shell/program_directory.h"

#include <QCoreApplication>
#include <QDir>

QString ProgramDirectory() {
  QString directory = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
  if (!directory.endsWith(QDir::separator())) directory += QDir::separator();
  return directory;
}
