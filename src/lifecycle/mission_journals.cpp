#include "lifecycle/mission_journals.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QStandardPaths>

#include "core/journal_file.h"
#include "core/journal_recorder.h"
#include "core/message_ids.h"
#include "core/options.h"
#include "core/ship_messages.h"

QString JournalFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/journals");
}

void RecordMissionsAsOptionsSay() {
  if (!options.recordMissions) {
    SetJournalRecording({});
    return;
  }
  if (JournalRecording()) return;
  JournalSettings settings;
  settings.program = QCoreApplication::applicationVersion().toStdString();
  settings.open = [] {
    const QString stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    std::unique_ptr<JournalOutput> journal =
        BeginJournalIn(QFile::encodeName(JournalFolder()).toStdString(), stamp.toStdString());
    if (!journal) PostShipMessage(Msg::JournalStopped);
    return journal;
  };
  settings.failed = [](const std::string&) { PostShipMessage(Msg::JournalStopped); };
  SetJournalRecording(std::move(settings));
}
