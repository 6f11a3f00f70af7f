#include "operations_to_come.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

#include "message_catalogue.h"

namespace {
void NotAvailableYet(QWidget* frame, const char* what) {
  QMessageBox::information(frame, QStringLiteral("Kestrav"),
                           QStringLiteral("%1 is not available in this version.").arg(QLatin1String(what)));
}
}  // namespace

void ReadSettings() {}
void WriteSettings() {}
void SaveWindowPositions(QWidget* frame) { NotAvailableYet(frame, "Saving window positions"); }
void RestoreWindowPositions(QWidget* frame) { NotAvailableYet(frame, "Restoring window positions"); }

void PlayIntroFlyBy() {}

void ShowAboutBox(QWidget* frame) {
  QMessageBox::about(frame, QStringLiteral("Kestrav"), QString::fromLatin1(MessageText(Msg::AboutText)));
}

void OpenPlayersManual(QWidget* frame, const QString& helpPath) {
  if (!QFileInfo::exists(helpPath) || !QDesktopServices::openUrl(QUrl::fromLocalFile(helpPath)))
    QMessageBox::warning(frame, QStringLiteral("Kestrav"), QStringLiteral("Cannot open %1.").arg(helpPath));
}
