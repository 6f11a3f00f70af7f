#include "headless/headless_host.h"

#include <cstdio>

#include "core/conditions.h"
#include "core/core_state.h"
#include "core/game_state.h"

std::vector<std::string> HeadlessHost::CallsNamed(const std::string& what) const {
  std::vector<std::string> details;
  for (const Call& c : calls)
    if (c.what == what) details.push_back(c.detail);
  return details;
}

void HeadlessHost::Record(std::string what, std::string detail) {
  calls.push_back({std::move(what), std::move(detail)});
}

void HeadlessHost::PumpPendingMessages() {}

void HeadlessHost::WaitPumping(std::uint32_t ms) {
  now += ms;
  Record("WaitPumping", std::to_string(ms));
}

void HeadlessHost::MessagesChanged() { Record("MessagesChanged"); }

void HeadlessHost::ShipMessagePosted(const std::string& text) { shipMessages.push_back(text); }

void HeadlessHost::ConsolePrint(const std::string& text) {
  console += text;
  Record("ConsolePrint", text);
}

void HeadlessHost::ConsolePrompt() {
  console += '>';
  Record("ConsolePrompt");
}

void HeadlessHost::PlaySoundNow(SoundId id, bool loop) {
  Record("PlaySoundNow", std::to_string(id) + (loop ? " loop" : " once"));
}

void HeadlessHost::PlaySoundAfterCurrent(SoundId id, bool loop) {
  Record("PlaySoundAfterCurrent", std::to_string(id) + (loop ? " loop" : " once"));
}

void HeadlessHost::StopSound() { Record("StopSound"); }

void HeadlessHost::CreateStationWindows() {
  stationsExist = true;
  Record("CreateStationWindows");
}

void HeadlessHost::DestroyStationWindows() {
  stationsExist = false;
  Record("DestroyStationWindows");
}

void HeadlessHost::InvalidateStation(Station s, bool erase) {
  Record("InvalidateStation", std::string(StationName(s)) + (erase ? " erase" : ""));
}

void HeadlessHost::UpdateStation(Station s) { Record("UpdateStation", StationName(s)); }

void HeadlessHost::ShowStationNormal(Station s) {
  minimized[static_cast<int>(s)] = false;
  Record("ShowStationNormal", StationName(s));
}

bool HeadlessHost::IsStationMinimized(Station s) { return minimized[static_cast<int>(s)]; }

void HeadlessHost::TakeFocusFrom(Station s) { Record("TakeFocusFrom", StationName(s)); }

void HeadlessHost::PostScanRequest(std::function<void()> request) {
  postedRequests.push_back(std::move(request));
  Record("PostScanRequest");
}

void HeadlessHost::RunPostedRequests() {
  while (!postedRequests.empty()) {
    const std::function<void()> request = std::move(postedRequests.front());
    postedRequests.pop_front();
    request();
  }
}

void HeadlessHost::EnableMenuItem(int command, bool enabled) {
  Record("EnableMenuItem", std::to_string(command) + (enabled ? " on" : " off"));
}

void HeadlessHost::StartConditionBlink() { Record("StartConditionBlink"); }
void HeadlessHost::StopConditionBlink() { Record("StopConditionBlink"); }
void HeadlessHost::StandDown() { Record("StandDown"); }

void HeadlessHost::SetBusy(bool b) {
  busy = b;
  Record("SetBusy", b ? "on" : "off");
}

namespace {
std::string Text(ScanPoint p) { return std::to_string(p.x) + "," + std::to_string(p.y); }
}  // namespace

void HeadlessHost::ScanFillBlack(ScanRect r) {
  Record("ScanFillBlack", Text({r.left, r.top}) + "-" + Text({r.right, r.bottom}));
}

void HeadlessHost::ScanBlitPicture(ScanPoint topLeft, int pictureId) {
  Record("ScanBlitPicture", std::to_string(pictureId) + " at " + Text(topLeft));
}

void HeadlessHost::ScanBlitFrame(ScanPoint topLeft, int pictureId, int frame) {
  Record("ScanBlitFrame", std::to_string(pictureId) + "/" + std::to_string(frame) + " at " + Text(topLeft));
}

void HeadlessHost::ScanXorLine(ScanPoint from, ScanPoint to, Rgb colour) {
  char rgb[8];
  std::snprintf(rgb, sizeof rgb, "%06X", static_cast<unsigned>(colour & 0xFFFFFF));
  Record("ScanXorLine", Text(from) + "-" + Text(to) + " " + rgb);
}

void HeadlessHost::ScanSetPixels(const std::vector<ScanPixel>& pixels) {
  Record("ScanSetPixels", std::to_string(pixels.size()));
}

std::string HeadlessHost::CommuniqueText(int id) {
  auto it = communiques.find(id);
  return it == communiques.end() ? std::string() : it->second;
}

void HeadlessHost::ShowCommunique(const std::string& text) { Record("ShowCommunique", text); }

void HeadlessHost::RestoreFrame() { Record("RestoreFrame"); }

Answer HeadlessHost::ShowMessageBox(const std::string& text, const std::string& caption, MessageStyle style) {
  Record("ShowMessageBox", caption + ": " + text);
  if (answers.empty()) return style == MessageStyle::QuestionYesNoCancel ? Answer::Yes : Answer::Ok;
  const Answer answer = answers.front();
  answers.pop_front();
  return answer;
}

std::optional<std::string> HeadlessHost::ChooseSaveFile() {
  Record("ChooseSaveFile");
  if (saveFileChoices.empty()) return std::nullopt;
  std::string chosen = std::move(saveFileChoices.front());
  saveFileChoices.pop_front();
  return chosen;
}

std::string HeadlessHost::AskHighScoreName() {
  Record("AskHighScoreName");
  return highScoreName;
}

void HeadlessHost::ShowHighScores() { Record("ShowHighScores"); }
