#include "operations_to_come.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

#include "message_catalogue.h"

void OpenPlayersManual(QWidget* frame, const QString& helpPath) {
  if (!QFileInfo::exists(helpPath) || !QDesktopServices::openUrl(QUrl::fromLocalFile(helpPath)))
    QMessageBox::warning(frame, QStringLiteral("Kestrav"), QStringLiteral("Cannot open %1.").arg(helpPath));
}
