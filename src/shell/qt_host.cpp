#include "shell/qt_host.h"

#include <QApplication>
#include <QMdiSubWindow>
#include <chrono>

#include "core/condition_blink.h"
#include "core/game_state.h"
#include "core/journal_recorder.h"
#include "lifecycle/communique_window.h"
#include "lifecycle/game_file_commands.h"
#include "lifecycle/high_score_dialog.h"
#include "lifecycle/high_score_window.h"
#include "shell/frame_window.h"
#include "shell/main_loop.h"
#include "shell/station_windows.h"
#include "stations/computer_station.h"
#include "stations/messages_station.h"
#include "stations/phaser_station.h"
#include "stations/resource_library.h"
#include "stations/short_range_scan.h"
#include "stations/sound.h"
#include "stations/station_handles.h"
#include "stations/station_state.h"
#include "stations/station_window.h"

namespace {
constexpr int BlinkPeriodMs = 500;
}  // namespace

std::uint32_t QtHost::RealTickCount() const {
  // Milliseconds on the monotonic clock, which counts from the machine's start.
  const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count());
}

std::uint32_t QtHost::TickCount() {
  if (virtualNow_) return *virtualNow_;
  return RealTickCount() + realClockOffset_;
}

void QtHost::UseReplayClock(std::uint32_t start, std::function<void()> waited) {
  if (!replayWaited_) virtualBeforeReplay_ = virtualNow_.has_value();
  virtualNow_ = start;
  replaySpeed_ = 1;
  replayWaited_ = std::move(waited);
}

void QtHost::EndReplayClock() {
  if (!replayWaited_) return;
  replayWaited_ = nullptr;
  if (virtualBeforeReplay_) return;
  // The aliens' and the stardate's clocks were set on the replay's: time goes on from there.
  realClockOffset_ = *virtualNow_ - RealTickCount();
  virtualNow_.reset();
}

// The frames' times: the monotonic clock to the microsecond, for frames are shown in real
// time, on a replay's clock too. Only a window test's virtual clock stands in for it.
double QtHost::TraceTimeMs() {
  if (virtualNow_ && !replayWaited_) return *virtualNow_;
  const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
  return std::chrono::duration<double, std::milli>(sinceStart).count();
}

// What the windows do meanwhile is journaled as coming in this wait of the rules.
void QtHost::PumpPendingMessages() {
  const JournalWait journaled;
  ::PumpPendingMessages();
  if (replayWaited_) replayWaited_();
}
void QtHost::WaitPumping(std::uint32_t ms) {
  const JournalWait journaled;
  if (!virtualNow_) return ::WaitPumping(ms);
  if (replayWaited_)
    ::WaitPumpingRealTime(ms / static_cast<std::uint32_t>(replaySpeed_));
  else
    ::PumpPendingMessages();
  *virtualNow_ += ms;
  if (replayWaited_) replayWaited_();
}

void QtHost::MessagesChanged() {
  if (auto* messages = qobject_cast<MessagesStation*>(stationState.messagesWindow)) messages->ShowNewest();
}

void QtHost::ShipMessagePosted(const std::string&) {}

void QtHost::ConsolePrint(const std::string& text) {
  if (ComputerStation* console = ComputerConsole()) console->Print(text);
}

void QtHost::ConsolePrompt() {
  if (ComputerStation* console = ComputerConsole()) console->Character('>');
}

void QtHost::PlaySoundNow(SoundId id, bool loop) { ::PlaySoundNow(id, loop); }
void QtHost::PlaySoundAfterCurrent(SoundId id, bool loop) { ::PlaySoundAfterCurrent(id, loop); }
void QtHost::StopSound() { ::StopSound(); }

void QtHost::CreateStationWindows() {
  if (frame_) frame_->OpenStationWindows();
}

void QtHost::DestroyStationWindows() {
  // The Status window takes its blink timer with it; a blink started by condition yellow is
  // forgotten with it.
  if (blinkTimer_) blinkTimer_->stop();
  if (frame_) frame_->CloseStationWindows();
}

void QtHost::InvalidateStation(Station s, bool erase) {
  if (StationWindow* window = StationHandle(s)) window->Invalidate(erase);
}

void QtHost::UpdateStation(Station s) {
  if (StationWindow* window = StationHandle(s)) window->UpdateNow();
}

void QtHost::ShowStationNormal(Station s) {
  if (QMdiSubWindow* frame = StationFrame(s); frame && frame->isMinimized()) frame->showNormal();
}

bool QtHost::IsStationMinimized(Station s) {
  QMdiSubWindow* frame = StationFrame(s);
  return frame && frame->isMinimized();
}

void QtHost::TakeFocusFrom(Station s) {
  StationWindow* window = StationHandle(s);
  QWidget* focus = QApplication::focusWidget();
  if (window && focus && window->isAncestorOf(focus) && stationState.controlsWindow)
    stationState.controlsWindow->setFocus();
}

void QtHost::PostScanRequest(std::function<void()> request) {
  // What the rules post during a replay is carried out as a record of its own.
  if (replayWaited_) return;
  if (ShortRangeScanWindow* scan = ScanStation()) scan->Post(std::move(request));
}

void QtHost::EnableMenuItem(int command, bool enabled) {
  if (frame_) frame_->Menus().SetEnabled(MenuSet::Game, command, enabled);
}

void QtHost::StartConditionBlink() {
  // On the virtual clock of the window tests the blink ticks only when a test makes it.
  if (!stationState.statusWindow || virtualNow_) return;
  if (!blinkTimer_) {
    blinkTimer_ = new QTimer(stationState.statusWindow);
    QObject::connect(blinkTimer_, &QTimer::timeout, [] { StatusBlinkTick(); });
  }
  blinkTimer_->start(BlinkPeriodMs);
}

void QtHost::StopConditionBlink() {
  if (blinkTimer_) blinkTimer_->stop();
}

void QtHost::StandDown() {
  if (auto* phasers = qobject_cast<PhaserStation*>(stationState.phaserWindow)) phasers->StopTargetLock();
}

void QtHost::SetBusy(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  // The frame takes the mouse for the while: a click on a station goes nowhere until the
  // ship is done.
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (frame_ && frame_->isVisible()) frame_->grabMouse();
  } else {
    QApplication::restoreOverrideCursor();
    if (frame_ && QWidget::mouseGrabber() == frame_) frame_->releaseMouse();
  }
}

// The actions' animations draw straight onto the Short Range Scan's surface.
void QtHost::ScanFillBlack(ScanRect rect) {
  if (ShortRangeScanWindow* scan = ScanStation()) scan->FillBlack(rect);
}

void QtHost::ScanBlitPicture(ScanPoint topLeft, int pictureId) {
  if (ShortRangeScanWindow* scan = ScanStation()) scan->BlitPicture(topLeft, pictureId);
}

void QtHost::ScanBlitFrame(ScanPoint topLeft, int pictureId, int frame) {
  if (ShortRangeScanWindow* scan = ScanStation()) scan->BlitFrame(topLeft, pictureId, frame);
}

void QtHost::ScanXorLine(ScanPoint from, ScanPoint to, Rgb colour) {
  if (ShortRangeScanWindow* scan = ScanStation()) scan->DrawXorLine(from, to, colour);
}

void QtHost::ScanSetPixels(const std::vector<ScanPixel>& pixels) {
  if (ShortRangeScanWindow* scan = ScanStation()) scan->SetPixels(pixels);
}

void QtHost::ScanFrameDrawn(const AnimationFrame& frame) {
  if (!trace_) return;
  ShortRangeScanWindow* scan = ScanStation();
  if (!scan) return;
  if (scan != tracedScan_) {
    tracedScan_ = scan;
    QObject::connect(scan, &ShortRangeScanWindow::Shown, scan, [this] {
      if (trace_) trace_->Shown(TraceTimeMs());
    });
  }
  trace_->Drawn(frame);
}

void QtHost::ScanAnimationEnded(Animation animation) {
  if (trace_) trace_->Ended(animation, TraceTimeMs());
}

std::string QtHost::CommuniqueText(int id) { return resources::CommuniqueText(id); }

void QtHost::ShowCommunique(const std::string& text) {
  // The journal's mission orders were read when it was played; a replay goes on without them.
  if (replayWaited_) return;
  ::ShowCommunique(frame_, text);
}

void QtHost::RestoreFrame() {
  if (frame_ && frame_->isMinimized()) frame_->showMaximized();
}

Answer QtHost::ShowMessageBox(const std::string& text, const std::string& caption, MessageStyle style) {
  return ShowGameMessageBox(frame_, text, caption, style);
}

std::optional<std::string> QtHost::ChooseSaveFile() { return ::ChooseSaveFile(frame_); }
std::string QtHost::AskHighScoreName() { return ::AskHighScoreName(frame_); }
void QtHost::ShowHighScores() { ::ShowHighScores(frame_); }
