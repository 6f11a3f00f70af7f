#pragma once
// What kestrav-tool's action verbs share: load a saved game as the game does, set the
// random state, carry out one command headless, save the result and print the ship's
// messages the command posted.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct ActionRequest {
  std::string in, out;
  std::uint32_t seed = 0;
  bool printState = false;
};

// Reads FILE, --seed, --out and --state; `extra` takes the verb's own options with a value
// and says whether it knew one, counting them in `consumed`; `flags` lists the verb's
// options without a value, which are moved to `flagsSeen`. Nothing when the line is wrong.
std::optional<ActionRequest> ParseActionRequest(
    const std::vector<std::string>& args, const std::function<bool(const std::string&, const std::string&)>& extra,
    std::size_t& consumed, const std::vector<std::string>& flags = {}, std::vector<std::string>* flagsSeen = nullptr);

// Loads the saved game at `path` as the game's own load does: the stored game, the charting
// of the ship's neighbourhood, then the stations' first condition evaluation. Answers the
// problem, if any; a game whose mission that evaluation finds over is refused.
std::string LoadGameAsTheGameDoes(const std::string& path);

// Writes the game to the request's output, then prints `messages` one a line and, when
// asked, the random state. Returns the program's exit code.
int FinishAction(const ActionRequest& request, const std::vector<std::string>& messages);

// Loads the game, seeds the random source and runs `carryOut`, which returns false to
// refuse the command once it sees the game (then `refused` gives the exit code and nothing
// is written). Returns the program's exit code.
int RunAction(const ActionRequest& request, const std::function<bool()>& carryOut, const std::function<int()>& refused);

inline bool InRange(const std::optional<int>& value, int low, int high) {
  return value && *value >= low && *value <= high;
}
