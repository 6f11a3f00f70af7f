#include "tools/ship_moves.h"

#include <cstdio>
#include <optional>

#include "sector/scan_requests.h"
#include "tools/command_line.h"
#include "tools/game_action.h"

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
}  // namespace

int MoveVerb(const std::vector<std::string>& args) {
  std::optional<int> course, warp, impulse;
  std::size_t consumed = 0;
  const auto request = ParseActionRequest(
      args,
      [&](const std::string& option, const std::string& value) {
        if (option == "--course")
          course = ParseNumber<int>(value);
        else if (option == "--warp")
          warp = ParseNumber<int>(value);
        else if (option == "--impulse")
          impulse = ParseNumber<int>(value);
        else
          return false;
        return true;
      },
      consumed);
  // Exactly one factor, as the Navigation station sends: 1..9 of warp or of impulse.
  if (!request || consumed != 2 || !InRange(course, 0, 359) || (warp.has_value() == impulse.has_value()) ||
      !(InRange(warp, 1, 9) || InRange(impulse, 1, 9)))
    return Usage();
  return RunAction(
      *request,
      [&] {
        RequestMove(*course, impulse.value_or(0), warp.value_or(0));
        return true;
      },
      Usage);
}

int RicochetVerb(const std::vector<std::string>& args) {
  std::size_t consumed = 0;
  const auto request = ParseActionRequest(
      args, [](const std::string&, const std::string&) { return false; }, consumed);
  if (!request) return Usage();
  return RunAction(
      *request,
      [] {
        RequestRicochet();
        return true;
      },
      Usage);
}
