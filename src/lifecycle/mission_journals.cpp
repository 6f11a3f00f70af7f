#include "lifecycle/mission_journals.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>
#include <cstring>

#include "core/core_state.h"
#include "core/format_text.h"
#include "core/game_commands.h"
#include "core/journal_file.h"
#include "core/journal_recorder.h"
#include "core/message_catalogue.h"
#include "core/message_ids.h"
#include "core/options.h"
#include "core/ship_messages.h"
#include "lifecycle/game_file_commands.h"

QString JournalFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/journals");
}

void RecordMissionsAsOptionsSay() {
  if (!coreState.options.recordMissions) {
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

namespace {
constexpr const char* OfferedMark = "-cut-short";
constexpr int ReplayTimeoutMs = 60000;

bool EndsItsMission(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return true;  // nothing to offer
  file.seek(std::max<qint64>(0, file.size() - 64));
  return file.readAll().endsWith(" end\n");
}
}  // namespace

QString UnfinishedJournal() {
  const std::vector<std::string> journals = JournalsIn(QFile::encodeName(JournalFolder()).toStdString());
  if (journals.empty()) return {};
  const QString newest = QFile::decodeName(QByteArray::fromStdString(journals.back()));
  if (newest.endsWith(QLatin1String(OfferedMark) + QLatin1String(JournalExtension)) || EndsItsMission(newest))
    return {};
  return newest;
}

void OfferToResumeUnfinishedMission(QWidget* frame) {
  const QString journal = UnfinishedJournal();
  if (journal.isEmpty()) return;
  QString offered = journal;
  offered.insert(offered.size() - static_cast<int>(std::strlen(JournalExtension)), QLatin1String(OfferedMark));
  QFile::rename(journal, offered);
  if (ShowGameMessageBox(frame, MessageText(Msg::ResumeQuestion), MessageText(Msg::ResumeCaption),
                         MessageStyle::QuestionYesNoCancel) != Answer::Yes)
    return;

  QString resumed = offered;
  resumed.replace(resumed.size() - static_cast<int>(std::strlen(JournalExtension)),
                  static_cast<int>(std::strlen(JournalExtension)), QStringLiteral(".gam"));
  QProcess replay;
  replay.start(QCoreApplication::applicationDirPath() + QStringLiteral("/kestrav-tool"),
               {QStringLiteral("replay"), offered, QStringLiteral("--out"), resumed});
  // A journal that the game no longer follows still gives the game as far as it agreed.
  if (!replay.waitForFinished(ReplayTimeoutMs) || !QFile::exists(resumed)) {
    replay.kill();
    ShowGameMessageBox(frame, FormatText(MessageText(Msg::ResumeFailed), QFile::encodeName(offered).constData()),
                       MessageText(Msg::ResumeCaption), MessageStyle::ExclamationOk);
    return;
  }
  OpenGameFile(resumed);
  QFile::remove(resumed);
  ForgetGameFileName();
}
