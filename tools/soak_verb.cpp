#include "tools/soak_verb.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <optional>

#include "core/file_io.h"
#include "tools/command_line.h"
#include "tools/soak_mission.h"
#include "tools/soak_report.h"

namespace {
int Usage() {
  std::fputs(
      "usage: kestrav-tool soak --seed S --missions N [--skill K] [--report FILE] [--mission M] [--scratch DIR]\n"
      "                         [--journals DIR]\n"
      "\n"
      "  plays N whole missions with a simple captain, from the new game to its end, on the\n"
      "  virtual clock, checking the game's rules after every command and idle pass. Mission m\n"
      "  plays at skill K (0..5), or at skill (m - 1) mod 6 without --skill; the same S always\n"
      "  plays the same missions. A broken rule stops its mission and is reported with the seed,\n"
      "  the mission, the command and the rule; the games before and after it are written to DIR\n"
      "  (default: the current directory), where the save-and-reload file is kept meanwhile.\n"
      "  --report FILE  the report as JSON too\n"
      "  --mission M    play mission M of the N alone\n"
      "  --journals DIR each mission's journals, and its game as it ended, written to DIR\n"
      "  exit status 0 when no rule was broken, 1 when one was\n",
      stderr);
  return ExitUsage;
}

struct SoakOptions {
  std::uint32_t seed = 0;
  int missions = 0;
  std::optional<int> skill;
  std::optional<int> onlyMission;
  std::string report;
  std::string scratch = ".";
  std::string journals;
};

std::optional<SoakOptions> ParseSoakOptions(const std::vector<std::string>& args) {
  SoakOptions options;
  std::optional<std::uint32_t> seed;
  std::optional<int> missions;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (i + 1 == args.size()) return std::nullopt;
    const std::string& option = args[i];
    const std::string& value = args[++i];
    if (option == "--seed")
      seed = ParseNumber<std::uint32_t>(value);
    else if (option == "--missions")
      missions = ParseNumber<int>(value);
    else if (option == "--skill")
      options.skill = ParseNumber<int>(value).value_or(-1);
    else if (option == "--mission")
      options.onlyMission = ParseNumber<int>(value).value_or(0);
    else if (option == "--report")
      options.report = value;
    else if (option == "--scratch")
      options.scratch = value;
    else if (option == "--journals")
      options.journals = value;
    else
      return std::nullopt;
  }
  if (!seed || !missions || *missions < 1) return std::nullopt;
  if (options.skill && (*options.skill < 0 || *options.skill > 5)) return std::nullopt;
  if (options.onlyMission && (*options.onlyMission < 1 || *options.onlyMission > *missions)) return std::nullopt;
  options.seed = *seed;
  options.missions = *missions;
  return options;
}

// Missions done of all, at their rate: rewritten in place on a terminal, every tenth
// otherwise.
class Progress {
 public:
  explicit Progress(int total) : total_(total), terminal_(isatty(fileno(stderr)) != 0) {}

  void Show(int done, double seconds) {
    const bool due = terminal_ ? seconds - shownAt_ >= 0.25 || done == total_
                               : done == total_ || done * 10 / total_ != (done - 1) * 10 / total_;
    if (!due) return;
    shownAt_ = seconds;
    std::fprintf(stderr, "%smissions %d of %d, %.1f per second%s", terminal_ ? "\r" : "", done, total_,
                 seconds > 0 ? done / seconds : 0.0, terminal_ && done < total_ ? "" : "\n");
    std::fflush(stderr);
  }

 private:
  int total_;
  bool terminal_;
  double shownAt_ = -1.0;
};
}  // namespace

int SoakVerb(const std::vector<std::string>& args) {
  const std::optional<SoakOptions> options = ParseSoakOptions(args);
  if (!options) return Usage();

  const int first = options->onlyMission.value_or(1);
  const int last = options->onlyMission.value_or(options->missions);
  SoakTally tally;
  Progress progress(last - first + 1);
  const auto start = std::chrono::steady_clock::now();
  for (int mission = first; mission <= last; ++mission) {
    MissionPlan plan;
    plan.seed = options->seed;
    plan.mission = mission;
    plan.skill = static_cast<SkillLevel>(options->skill.value_or((mission - 1) % 6));
    plan.scratchDirectory = options->scratch;
    plan.journalDirectory = options->journals;
    const MissionOutcome outcome = PlayMission(plan);
    tally.Add(outcome);
    tally.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (outcome.violation) std::fprintf(stderr, "\n%s", DescribeViolation(*outcome.violation).c_str());
    progress.Show(mission - first + 1, tally.seconds);
  }

  std::fputs(tally.Text().c_str(), stdout);
  if (!options->report.empty()) {
    const std::string json = tally.Json();
    if (!ReplaceFileAtomically(options->report, {reinterpret_cast<const std::uint8_t*>(json.data()), json.size()}))
      return Fail("cannot write the report " + options->report);
  }
  return tally.violations.empty() ? ExitOk : ExitFailure;
}
