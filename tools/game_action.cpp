#include "tools/game_action.h"

#include <algorithm>
#include <cstdio>

#include "core/conditions.h"
#include "core/core_state.h"
#include "core/game_stations.h"
#include "core/long_range_chart.h"
#include "core/random.h"
#include "core/saved_game.h"
#include "core/ship_messages.h"
#include "headless/headless_host.h"
#include "sector/sector_reset.h"
#include "tools/command_line.h"
#include "tools/saved_game_files.h"

namespace {
// The headless host, also keeping the text of every ship message as it is posted: on the
// Messages panel, or on the console while the messages are rerouted there.
class MessageRecorder : public HeadlessHost {
 public:
  std::vector<std::string> posted;

  void MessagesChanged() override {
    HeadlessHost::MessagesChanged();
    posted.emplace_back(coreState.messageLines.back().data());
  }
  void ConsolePrint(const std::string& text) override {
    HeadlessHost::ConsolePrint(text);
    if (text != "\n") posted.push_back(text);
  }
};

// How the mission in a saved game ended, as the player would put it.
const char* HowTheMissionEnded(GameOverReason reason) {
  switch (reason) {
    case GameOverReason::EnergyExhausted: return "the ship's energy is exhausted";
    case GameOverReason::TimeExpired: return "the time for it has run out";
    case GameOverReason::AliensDestroyed: return "every alien vessel is destroyed";
    case GameOverReason::SystemsDisabled: return "every ship system is disabled";
    case GameOverReason::None: break;
  }
  return "it has ended";
}
}  // namespace

std::string LoadGameAsTheGameDoes(const std::string& path) {
  GameState loaded;
  if (std::string problem = ReadGameFile(path, loaded); !problem.empty()) return problem;
  AdoptSavedGame(std::move(loaded));
  ChartNeighbourhood(coreState.game.shipQuadrant);
  OpenGameStations();
  coreState.game.changeCount = 0;
  // The game itself would only show how the mission ended: there is nothing left to act on.
  if (MissionOver())
    return path + ": the mission is over (" + HowTheMissionEnded(coreState.game.gameOverReason) + "); nothing was done";
  return {};
}

std::optional<ActionRequest> ParseActionRequest(
    const std::vector<std::string>& args, const std::function<bool(const std::string&, const std::string&)>& extra,
    std::size_t& consumed, const std::vector<std::string>& flags, std::vector<std::string>* flagsSeen) {
  if (args.empty()) return std::nullopt;
  ActionRequest request;
  request.in = args[0];
  std::optional<std::uint32_t> seed;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& option = args[i];
    const std::string* value = i + 1 < args.size() ? &args[i + 1] : nullptr;
    if (option == "--state") {
      request.printState = true;
    } else if (std::find(flags.begin(), flags.end(), option) != flags.end()) {
      if (flagsSeen) flagsSeen->push_back(option);
    } else if (option == "--seed" && value) {
      seed = ParseNumber<std::uint32_t>(*value);
      ++i;
    } else if (option == "--out" && value) {
      request.out = *value;
      ++i;
    } else if (value && extra(option, *value)) {
      ++i;
      ++consumed;
    } else {
      return std::nullopt;
    }
  }
  if (!seed || request.out.empty()) return std::nullopt;
  request.seed = *seed;
  return request;
}

int RunAction(const ActionRequest& request, const std::function<bool()>& carryOut,
              const std::function<int()>& refused) {
  MessageRecorder recorder;
  ResetSectorState(recorder);
  if (std::string problem = LoadGameAsTheGameDoes(request.in); !problem.empty()) return Fail(problem);

  lcg::Seed(request.seed);
  recorder.posted.clear();
  if (!carryOut()) return refused();

  return FinishAction(request, recorder.posted);
}

int FinishAction(const ActionRequest& request, const std::vector<std::string>& messages) {
  if (std::string problem = WriteGameFile(request.out, coreState.game); !problem.empty()) return Fail(problem);
  for (const std::string& text : messages) std::printf("%s\n", text.c_str());
  if (request.printState) std::printf("random state: %u\n", lcg::State());
  return ExitOk;
}
