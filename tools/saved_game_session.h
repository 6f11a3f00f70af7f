#pragma once
// What kestrav-tool's verbs that play on a saved game share: their common options and
// loading the game as the game's own load does.
//
//   FILE --seed SEED --out FILE2 [--state] plus the verb's own options

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class HeadlessHost;

struct SessionRequest {
  std::string in, out;
  std::uint32_t seed = 0;
  bool printState = false;
};

// Reads FILE and the options every verb shares; `extra` takes the verb's own options (each
// with a value) and says whether it knew one; `consumed` counts them.
std::optional<SessionRequest> ParseSessionRequest(
    const std::vector<std::string>& args, const std::function<bool(const std::string&, const std::string*)>& extra,
    std::size_t& consumed);

// Loads the game as the game's own load does: the stored game, the charting of the ship's
// neighbourhood, then the stations' first condition evaluation. Answers the problem, if any.
std::string LoadSessionGame(const std::string& path, HeadlessHost& host);
