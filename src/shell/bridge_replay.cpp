#include "shell/bridge_replay.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>

#include "core/core_state.h"
#include "core/end_game.h"
#include "core/file_io.h"
#include "core/format_text.h"
#include "core/journal_recorder.h"
#include "core/message_catalogue.h"
#include "core/message_ids.h"
#include "core/saved_game.h"
#include "lifecycle/game_file_commands.h"
#include "lifecycle/mission_journals.h"
#include "sector/scan_animation.h"
#include "sector/sector_state.h"
#include "shell/bridge_background.h"
#include "shell/frame_window.h"
#include "shell/main_loop.h"
#include "shell/qt_host.h"
#include "shell/replay_mark.h"
#include "stations/short_range_scan.h"

namespace {
void StepScanFrames() {
  if (ShortRangeScanWindow* scan = ScanStation())
    scan->StepFrames();
  else
    StepScanAnimation();
}

// Why the journal cannot be played, or nothing when it can.
std::string ProblemOfStart(const JournalStart& start) {
  if (start.newMission) return {};
  GameState loaded;
  const DecodeOutcome decoded = DecodeSavedGame(start.savedGame, loaded);
  return decoded.Ok() ? std::string() : "its saved game is not a game: " + decoded.problem;
}

bool IsSpeedKey(int key) { return key == Qt::Key_1 || key == Qt::Key_2 || key == Qt::Key_8; }
}  // namespace

BridgeReplay* BridgeReplay::Begin(FrameWindow& frame, QtHost& host, const QString& path) {
  const auto refuse = [&frame, &path](const std::string& why) -> BridgeReplay* {
    ShowGameMessageBox(&frame,
                       FormatText(MessageText(Msg::ReplayRefused), QFile::encodeName(path).constData(), why.c_str()),
                       MessageText(Msg::ReplayCaption), MessageStyle::ExclamationOk);
    return nullptr;
  };
  const FileContent content = ReadWholeFile(QFile::encodeName(path).toStdString(), LargestJournal);
  if (!content.Ok())
    return refuse(content.failure == ReadFailure::TooLarge ? "it is too large for a journal" : "it cannot be read");
  const std::string_view text(reinterpret_cast<const char*>(content.bytes.data()), content.bytes.size());
  JournalReading reading = ParseJournal(text);
  if (!reading.journal) return refuse(FormatText("line %d: %s", reading.line, reading.problem.c_str()));
  if (const std::string problem = ProblemOfStart(reading.journal->start); !problem.empty()) return refuse(problem);

  auto* replay = new BridgeReplay(frame, host, path, std::move(*reading.journal));
  replay->Start();
  return replay;
}

BridgeReplay::BridgeReplay(FrameWindow& frame, QtHost& host, QString path, Journal journal)
    : QObject(&frame),
      frame_(frame),
      host_(host),
      path_(std::move(path)),
      journal_(std::move(journal)),
      replay_(journal_, {.setClock = [&host](std::uint32_t tick) { host.SetReplayClock(tick); },
                         .stepFrames = StepScanFrames,
                         .afterRecord = {}}) {
  due_.setSingleShot(true);
  due_.setTimerType(Qt::PreciseTimer);
  connect(&due_, &QTimer::timeout, this, &BridgeReplay::CarryOutNext);
}

BridgeReplay::~BridgeReplay() {
  // Gone with the frame before its end: the bridge is given back all the same.
  if (!finished_) Release();
}

void BridgeReplay::Start() {
  // The running game ends as New would end it, its journal with it; the replay itself is not
  // journaled.
  if (coreState.game.gamePhase != GamePhase::NoGame) ::EndGame();
  SetJournalRecording({});
  sectorState.journalReplaying = true;
  host_.UseReplayClock(journal_.start.tick, [this] { replay_.Waited(); });
  frame_.Menus().LockGameCommands(true);
  qApp->installEventFilter(this);
  replay_.Start();
  mark_ = new ReplayMark(frame_.Backdrop());
  Arm();
}

void BridgeReplay::Arm() {
  const std::optional<std::uint32_t> next = replay_.NextTick();
  if (!next || stopAsked_) return Finish();
  armedTick_ = host_.TickCount();
  armedAt_.start();
  const auto ahead = static_cast<std::int32_t>(*next - armedTick_);
  due_.start(std::max(0, ahead) / speed_);
}

void BridgeReplay::CarryOutNext() {
  carryingOut_ = true;
  replay_.Step();
  carryingOut_ = false;
  if (QuitRequested()) stopAsked_ = true;
  Arm();
}

void BridgeReplay::SetSpeed(int speed) {
  if (due_.isActive()) {
    // The clock has run on at the old speed since the timer was armed.
    const std::uint32_t next = *replay_.NextTick();
    const auto run = static_cast<std::uint32_t>(armedAt_.elapsed() * speed_);
    host_.SetReplayClock(std::min(armedTick_ + run, next));
  }
  speed_ = speed;
  host_.SetReplaySpeed(speed);
  if (mark_) mark_->ShowSpeed(speed);
  if (due_.isActive()) Arm();
}

void BridgeReplay::Stop() {
  stopAsked_ = true;
  if (!carryingOut_) Finish();
}

void BridgeReplay::Release() {
  due_.stop();
  qApp->removeEventFilter(this);
  host_.EndReplayClock();
  sectorState.journalReplaying = false;
  frame_.Menus().LockGameCommands(false);
  delete mark_;
  mark_ = nullptr;
}

void BridgeReplay::Finish() {
  if (finished_) return;
  finished_ = true;
  const ReplayOutcome outcome = replay_.Finish();
  Release();
  // Played on from here, the game is journaled as a game loaded where the replay left it.
  RecordMissionsAsOptionsSay();
  if (coreState.game.gamePhase != GamePhase::NoGame) {
    JournalLoadedGame(coreState.game);
    JournalPlayBegins();
  }
  if (!outcome.Ok())
    ShowGameMessageBox(
        &frame_,
        FormatText(MessageText(Msg::ReplayStopped), QFile::encodeName(path_).constData(), outcome.problem.c_str()),
        MessageText(Msg::ReplayCaption), MessageStyle::ExclamationOk);
  deleteLater();
}

bool BridgeReplay::OnTheBridge(QObject* watched) const {
  const auto* widget = qobject_cast<QWidget*>(watched);
  return widget && widget->window() == &frame_;
}

bool BridgeReplay::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
      // The keyboard is the replay's: Esc and the speeds, and nothing for the game.
      if (finished_ || !OnTheBridge(watched)) return false;
      const auto* key = static_cast<QKeyEvent*>(event);
      if (event->type() == QEvent::KeyPress && !key->isAutoRepeat()) {
        if (key->key() == Qt::Key_Escape) Stop();
        if (IsSpeedKey(key->key())) SetSpeed(key->key() - Qt::Key_0);
      }
      event->accept();
      return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu: {
      // The stations' controls are the journal's.
      const auto* widget = qobject_cast<QWidget*>(watched);
      const QWidget& bridge = frame_.Backdrop();
      return !finished_ && widget && (widget == &bridge || bridge.isAncestorOf(widget));
    }
    default: return false;
  }
}
