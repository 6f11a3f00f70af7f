#include "ship_moves.h"

#include <cstdio>
#include <functional>
#include <optional>

#include "command_line.h"
#include "headless_host.h"
#include "sector_reset.h"
#include "random.h"
#include "saved_game_runs.h"
#include "scan_requests.h"
#include "ship_messages.h"

namespace {
int Usage() {
  std::fputs(
      "usage: kestrav-tool move FILE --seed SEED --course C (--warp W | --impulse I) --out FILE2 [--state]\n"
      "       kestrav-tool ricochet FILE --seed SEED --out FILE2 [--state]\n"
      "\n"
      "  move      load the saved game FILE, set the random state to SEED and move the ship on\n"
      "            course C (0..359) at warp W or impulse I (1..9); save the result to FILE2\n"
      "            and print the ship's messages of the move\n"
      "  ricochet  the same for the gravity ricochet\n"
      "  --state   end with the random generator's state\n",
      stderr);
  return ExitUsage;
}

// The headless host, also keeping the text of every ship message as it is posted: on the
// Messages panel, or on the console while the messages are rerouted there.
class MessageRecorder : public HeadlessHost {
 public:
  std::vector<std::string> posted;

  void MessagesChanged() override {
    HeadlessHost::MessagesChanged();
    posted.emplace_back(messageLines.back().data());
  }
  void ConsolePrint(const std::string& text) override {
    HeadlessHost::ConsolePrint(text);
    if (text != "\n") posted.push_back(text);
  }
};

int Run(const RunRequest& request, const std::function<void()>& carryOut) {
  MessageRecorder recorder;
  ResetSectorState(recorder);
  if (std::string problem = LoadGame(request.in); !problem.empty()) return Fail(problem);

  lcg::Seed(request.seed);
  recorder.posted.clear();
  carryOut();
  return FinishRun(request, recorder.posted);
}

bool InRange(const std::optional<int>& value, int low, int high) { return value && *value >= low && *value <= high; }
}  // namespace

int MoveVerb(const std::vector<std::string>& args) {
  std::optional<int> course, warp, impulse;
  std::size_t consumed = 0;
  const auto request = ParseRunRequest(
      args,
      [&](const std::string& option, const std::string& value) {
        if (option == "--course") course = ParseNumber<int>(value);
        else if (option == "--warp") warp = ParseNumber<int>(value);
        else if (option == "--impulse") impulse = ParseNumber<int>(value);
        else return false;
        return true;
      },
      consumed);
  // Exactly one factor, as the Navigation station sends: 1..9 of warp or of impulse.
  if (!request || consumed != 2 || !InRange(course, 0, 359) || (warp.has_value() == impulse.has_value()) ||
      !(InRange(warp, 1, 9) || InRange(impulse, 1, 9)))
    return Usage();
  return Run(*request, [&] { RequestMove(*course, impulse.value_or(0), warp.value_or(0)); });
}

int RicochetVerb(const std::vector<std::string>& args) {
  std::size_t consumed = 0;
  const auto request = ParseRunRequest(args, [](const std::string&, const std::string&) { return false; }, consumed);
  if (!request) return Usage();
  return Run(*request, [] { RequestRicochet(); });
}
