#include "saved_game_runs.h"

#include <cstdio>

#include "command_line.h"
#include "game_stations.h"
#include "long_range_chart.h"
#include "random.h"
#include "saved_game.h"
#include "saved_game_files.h"

std::optional<RunRequest> ParseRunRequest(const std::vector<std::string>& args,
                                          const std::function<bool(const std::string&, const std::string&)>& extra,
                                          std::size_t& consumed) {
  if (args.empty()) return std::nullopt;
  RunRequest request;
  request.in = args[0];
  std::optional<std::uint32_t> seed;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& option = args[i];
    const std::string* value = i + 1 < args.size() ? &args[i + 1] : nullptr;
    if (option == "--state") {
      request.printState = true;
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

std::string LoadGame(const std::string& path) {
  GameState loaded;
  if (std::string problem = ReadGameFile(path, loaded); !problem.empty()) return problem;
  AdoptSavedGame(std::move(loaded));
  ChartNeighbourhood(game.shipQuadrant);
  OpenGameStations();
  game.changeCount = 0;
  return {};
}

int FinishRun(const RunRequest& request, const std::vector<std::string>& messages) {
  if (std::string problem = WriteGameFile(request.out, game); !problem.empty()) return Fail(problem);
  for (const std::string& text : messages) std::printf("%s\n", text.c_str());
  if (request.printState) std::printf("random state: %u\n", lcg::State());
  return ExitOk;
}
