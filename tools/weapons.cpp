#include "tools/weapons.h"

#include <cstdio>
#include <optional>

#include "core/core_state.h"
#include "core/game_state.h"
#include "core/host.h"
#include "sector/phasers.h"
#include "sector/torpedoes.h"
#include "tools/command_line.h"
#include "tools/game_action.h"

namespace {
int Usage() {
  std::fputs(
      "usage: kestrav-tool torpedo FILE --seed SEED --course C --distance D --out FILE2 [--state]\n"
      "       kestrav-tool phasers FILE --seed SEED --energy E (--single | --wide) --out FILE2 [--state]\n"
      "\n"
      "  torpedo  load the saved game FILE, set the random state to SEED and press the Photon\n"
      "           Torpedoes station's EXECUTE with course C (0..359) and DISTANCE D (0..9);\n"
      "           save the result to FILE2 and print the ship's messages of the shot\n"
      "  phasers  the same for the Phasers station charged with E units at a single target or\n"
      "           in wide dispersal; the charge must leave the ship at least 41 units\n"
      "  --state  end with the random generator's state\n",
      stderr);
  return ExitUsage;
}
}  // namespace

int TorpedoVerb(const std::vector<std::string>& args) {
  std::optional<int> course, distance;
  std::size_t consumed = 0;
  const auto request = ParseActionRequest(
      args,
      [&](const std::string& option, const std::string& value) {
        if (option == "--course")
          course = ParseNumber<int>(value);
        else if (option == "--distance")
          distance = ParseNumber<int>(value);
        else
          return false;
        return true;
      },
      consumed);
  if (!request || consumed != 2 || !InRange(course, 0, 359) || !InRange(distance, 0, 9)) return Usage();
  return RunAction(
      *request,
      [&] {
        ExecuteTorpedo(coreState.game, host(), *course, *distance, SendNow);
        return true;
      },
      Usage);
}

int PhasersVerb(const std::vector<std::string>& args) {
  std::optional<int> energy;
  std::size_t consumed = 0;
  std::vector<std::string> modes;
  const auto request = ParseActionRequest(
      args,
      [&](const std::string& option, const std::string& value) {
        if (option != "--energy") return false;
        energy = ParseNumber<int>(value);
        return true;
      },
      consumed, {"--single", "--wide"}, &modes);
  if (!request || consumed != 1 || !energy || modes.size() != 1) return Usage();
  const int charge = *energy;
  const bool singleTarget = modes.front() == "--single";
  return RunAction(
      *request,
      [&] {
        // The station's panel cannot reach a charge the ship cannot afford.
        if (!PhaserChargeAffordable(coreState.game, charge)) return false;
        ExecutePhasers(coreState.game, host(), host(), charge, singleTarget, SendNow);
        return true;
      },
      Usage);
}
