#pragma once
// The Host of the tests and kestrav-tool: records every call in order and runs a virtual
// clock, so waits cost no real time and runs are deterministic.

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/host.h"

class HeadlessHost : public Host {
 public:
  // One recorded call, e.g. {"PlaySoundNow", "12 once"} or {"EnableMenuItem", "250 off"}.
  struct Call {
    std::string what;
    std::string detail;
    bool operator==(const Call&) const = default;
  };

  std::vector<Call> calls;
  std::string console;                     // everything printed on the console
  std::vector<std::string> shipMessages;   // the text of every ship message posted, in order
  std::map<int, std::string> communiques;  // texts the picture bundle would hold
  std::uint32_t now = 0;                   // the virtual tick count

  std::vector<std::string> CallsNamed(const std::string& what) const;
  void Clear() {
    calls.clear();
    console.clear();
    shipMessages.clear();
  }

  std::uint32_t TickCount() override { return now; }
  void PumpPendingMessages() override;
  void WaitPumping(std::uint32_t ms) override;
  void MessagesChanged() override;
  void ShipMessagePosted(const std::string& text) override;
  void ConsolePrint(const std::string& text) override;
  void ConsolePrompt() override;  // recorded, and ">" added to `console`
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
  void PostScanRequest(std::function<void()> request) override;  // queued until RunPostedRequests
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
  // Nothing is presented headless, so nothing is timed: not recorded.
  void ScanFrameDrawn(const AnimationFrame&) override {}
  void ScanAnimationEnded(Animation) override {}
  std::string CommuniqueText(int id) override;
  void ShowCommunique(const std::string& text) override;
  void RestoreFrame() override;
  Answer ShowMessageBox(const std::string& text, const std::string& caption, MessageStyle style) override;
  std::optional<std::string> ChooseSaveFile() override;
  std::string AskHighScoreName() override;
  void ShowHighScores() override;

  // Scripted player: message-box answers in order (when none is left, the first button:
  // OK, or Yes), Save As choices in order (none left: the dialog is cancelled), the name
  // typed into the high-score dialog.
  std::deque<Answer> answers;
  std::deque<std::string> saveFileChoices;
  std::string highScoreName = "Tester";

  // Carries out the requests posted to the scan, in order, as the game's message loop would.
  void RunPostedRequests();
  std::deque<std::function<void()>> postedRequests;

  bool busy = false;
  bool stationsExist = false;
  bool minimized[StationCount] = {};

 private:
  void Record(std::string what, std::string detail = {});
};
