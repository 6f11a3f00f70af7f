#pragma once
// The game's Host on Qt: real time, the main loop's pumps, the station windows in the
// frame, the menus, the condition light's blink timer, sounds and communiqués.

#include <QPointer>
#include <QTimer>
#include <memory>
#include <functional>
#include <optional>

#include "core/host.h"
#include "shell/frame_trace.h"

class FrameWindow;
class ShortRangeScanWindow;

class QtHost : public Host {
 public:
  QtHost() = default;
  // The frame is created after the host (start-up reads the tick count first).
  void AttachFrame(FrameWindow* frame) { frame_ = frame; }

  // Window tests run the game's time on a virtual clock starting at `start`: a wait pumps the
  // windows once and moves the clock on instead of sleeping, and the condition light's
  // blink timer stays still (the test ticks it).
  void UseVirtualClock(std::uint32_t start) { virtualNow_ = start; }
  void AdvanceVirtualClock(std::uint32_t ms) { *virtualNow_ += ms; }

  // Writes every animation frame the scan shows to `trace` from now on (kestrav --trace).
  void TraceFrames(std::unique_ptr<FrameTrace> trace) { trace_ = std::move(trace); }
  // A replay on the bridge runs the game on a clock of its own that stands at each record's
  // tick (SetReplayClock); a wait of the rules takes its time divided by the replay's speed,
  // moves the clock on by its whole length, and then tells `waited`. When the replay ends the
  // game's clock goes on from where the replay left it.
  void UseReplayClock(std::uint32_t start, std::function<void()> waited);
  void SetReplayClock(std::uint32_t tick) { virtualNow_ = tick; }
  void SetReplaySpeed(int speed) { replaySpeed_ = speed; }
  void EndReplayClock();
  bool Replaying() const { return static_cast<bool>(replayWaited_); }

  std::uint32_t TickCount() override;
  void PumpPendingMessages() override;
  void WaitPumping(std::uint32_t ms) override;

  void MessagesChanged() override;
  void ShipMessagePosted(const std::string& text) override;
  void ConsolePrint(const std::string& text) override;
  void ConsolePrompt() override;

  void PlaySoundNow(SoundId id, bool loop) override;
  void PlaySoundAfterCurrent(SoundId id, bool loop) override;
  void StopSound() override;

  void CreateStationWindows() override;
  void DestroyStationWindows() override;
  void InvalidateStation(Station s, bool erase) override;
  void UpdateStation(Station s) override;
  void ShowStationNormal(Station s) override;
  bool IsStationMinimized(Station s) override;
  void TakeFocusFrom(Station s) override;
  void PostScanRequest(std::function<void()> request) override;

  void EnableMenuItem(int command, bool enabled) override;
  void StartConditionBlink() override;
  void StopConditionBlink() override;
  void StandDown() override;

  void SetBusy(bool busy) override;

  void ScanFillBlack(ScanRect rect) override;
  void ScanBlitPicture(ScanPoint topLeft, int pictureId) override;
  void ScanBlitFrame(ScanPoint topLeft, int pictureId, int frame) override;
  void ScanXorLine(ScanPoint from, ScanPoint to, Rgb colour) override;
  void ScanSetPixels(const std::vector<ScanPixel>& pixels) override;
  void ScanFrameDrawn(const AnimationFrame& frame) override;
  void ScanAnimationEnded(Animation animation) override;

  std::string CommuniqueText(int id) override;
  void ShowCommunique(const std::string& text) override;

  void RestoreFrame() override;
  Answer ShowMessageBox(const std::string& text, const std::string& caption, MessageStyle style) override;
  std::optional<std::string> ChooseSaveFile() override;
  std::string AskHighScoreName() override;
  void ShowHighScores() override;

 private:
  FrameWindow* frame_ = nullptr;
  std::uint32_t RealTickCount() const;

  std::optional<std::uint32_t> virtualNow_;  // set in window tests and replays
  std::uint32_t realClockOffset_ = 0;        // where a replay left the game's clock
  bool virtualBeforeReplay_ = false;
  int replaySpeed_ = 1;
  std::function<void()> replayWaited_;  // set while a replay runs
  QPointer<QTimer> blinkTimer_;         // the condition light's; goes with the Status window
  bool busy_ = false;
  std::unique_ptr<FrameTrace> trace_;          // null unless the frames are traced
  QPointer<ShortRangeScanWindow> tracedScan_;  // the scan whose paints the trace hears

  double TraceTimeMs();
};
