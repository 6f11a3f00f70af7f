#include "tools/console_session.h"

#include <cstdio>

#include "core/console_print.h"
#include "core/core_state.h"
#include "core/game_state.h"
#include "core/random.h"
#include "core/ship_messages.h"
#include "sector/sector_reset.h"
#include "tools/command_line.h"
#include "tools/console_host.h"
#include "tools/game_action.h"
#include "tools/saved_game_files.h"

namespace {
int Usage() {
  std::fputs(
      "usage: kestrav-tool console FILE --seed SEED --line TEXT [--line TEXT ...] --out FILE2 [--state]\n"
      "\n"
      "  load the saved game FILE, set the random state to SEED and type each TEXT at the\n"
      "  Computer console's prompt, then Enter; save the result to FILE2 and print what the\n"
      "  console answered, prompts included\n"
      "  --state  end with the random generator's state\n",
      stderr);
  return ExitUsage;
}

// The game's own load, the resumed game's message and the console's fresh prompt included.
std::string LoadAtThePrompt(const std::string& path) {
  if (std::string problem = LoadGameAsTheGameDoes(path); !problem.empty()) return problem;
  PostShipMessage(Msg::ResumingSavedGame);
  ConsolePrintTextThenPrompt("\n");
  return {};
}
}  // namespace

int ConsoleVerb(const std::vector<std::string>& args) {
  std::vector<std::string> lines;
  std::size_t consumed = 0;
  const auto request = ParseActionRequest(
      args,
      [&](const std::string& option, const std::string& value) {
        if (option != "--line") return false;
        lines.push_back(value);
        return true;
      },
      consumed);
  if (!request || lines.empty()) return Usage();

  ConsoleHost host;
  ResetSectorState(host);
  if (std::string problem = LoadAtThePrompt(request->in); !problem.empty()) return Fail(problem);

  lcg::Seed(request->seed);
  host.recording = true;
  for (const std::string& line : lines) host.TypeLine(line);
  host.recording = false;

  if (std::string problem = WriteGameFile(request->out, coreState.game); !problem.empty()) return Fail(problem);
  std::fputs(host.answers.c_str(), stdout);
  if (request->printState) std::printf("\nrandom state: %u\n", lcg::State());
  return ExitOk;
}
