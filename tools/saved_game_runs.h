#pragma once
// What kestrav-tool's verbs that play on a saved game share: their common options and the
// load that the game's own Open does.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct RunRequest {
  std::string in, out;
  std::uint32_t seed = 0;
  bool printState = false;
};

// Reads FILE, --seed, --out and --state; `extra` takes the verb's own options (each with a
// value) and says whether it knew one, and `consumed` counts those. Nothing when the
// arguments are not a request.
std::optional<RunRequest> ParseRunRequest(const std::vector<std::string>& args,
                                          const std::function<bool(const std::string&, const std::string&)>& extra,
                                          std::size_t& consumed);

// Loads the game as the game's own load does: the stored game, the charting of the ship's
// neighbourhood, then the stations' first condition evaluation. Returns what went wrong,
// or an empty text.
std::string LoadGame(const std::string& path);

// Writes the game to the request's output, then prints `messages` one a line and, when
// asked, the random state. Returns the program's exit code.
int FinishRun(const RunRequest& request, const std::vector<std::string>& messages);
