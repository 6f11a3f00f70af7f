#include "tools/replay_verb.h"

#include <cstdio>
#include <optional>

#include "core/core_state.h"
#include "core/file_io.h"
#include "core/format_text.h"
#include "core/journal_format.h"
#include "tools/command_line.h"
#include "tools/game_summary.h"
#include "tools/journal_replay.h"
#include "tools/saved_game_files.h"

namespace {
int Usage() {
  std::fputs(
      "usage: kestrav-tool replay JOURNAL [--out FILE.gam] [--until TICK] [--state]\n"
      "\n"
      "  replay   play the mission of JOURNAL again with the game's rules on the virtual clock,\n"
      "           checking every checkpoint; stop at the first difference (exit status 1)\n"
      "  --out    save the game as the replay leaves it to FILE.gam\n"
      "  --until  stop after the last record at or before tick TICK\n"
      "  --state  end with the game as `show` describes it\n",
      stderr);
  return ExitUsage;
}

std::string ReadFailureText(ReadFailure failure) {
  switch (failure) {
    case ReadFailure::Missing: return "no such file";
    case ReadFailure::NotRegular: return "not a regular file";
    case ReadFailure::TooLarge: return "too large for a journal";
    default: return "cannot be read";
  }
}
}  // namespace

int ReplayVerb(const std::vector<std::string>& args) {
  std::string path, out;
  std::optional<std::uint32_t> until;
  bool printState = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    const bool hasValue = i + 1 < args.size();
    if (option == "--state") {
      printState = true;
    } else if (option == "--out" && hasValue) {
      out = args[++i];
    } else if (option == "--until" && hasValue) {
      until = ParseNumber<std::uint32_t>(args[++i]);
      if (!until) return Usage();
    } else if (path.empty() && !option.starts_with("--")) {
      path = option;
    } else {
      return Usage();
    }
  }
  if (path.empty()) return Usage();

  const FileContent content = ReadWholeFile(path, LargestJournal);
  if (!content.Ok()) return Fail(path + ": " + ReadFailureText(content.failure));
  const std::string_view text(reinterpret_cast<const char*>(content.bytes.data()), content.bytes.size());
  const JournalReading reading = ParseJournal(text);
  if (!reading.journal) return Fail(FormatText("%s: line %d: %s", path.c_str(), reading.line, reading.problem.c_str()));

  ReplayHost replayHost;
  const ReplayOutcome outcome = ReplayJournal(*reading.journal, replayHost, until);
  if (!out.empty())
    if (std::string problem = WriteGameFile(out, coreState.game); !problem.empty()) return Fail(problem);
  if (!outcome.Ok()) return Fail(path + ": " + outcome.problem);

  std::printf("replayed %d records to tick %u; %d checkpoints agree; %s\n", outcome.records, outcome.tick,
              outcome.checks, outcome.ended ? "the mission ended" : "the mission goes on");
  if (printState) std::fputs(DescribeGame(coreState.game).c_str(), stdout);
  return ExitOk;
}
