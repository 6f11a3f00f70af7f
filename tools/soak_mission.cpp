#include "tools/soak_mission.h"

#include <cstdio>
#include <random>
#include <vector>

#include "core/core_state.h"
#include "core/end_game.h"
#include "core/format_text.h"
#include "core/game_files.h"
#include "core/journal_file.h"
#include "core/new_game.h"
#include "core/options.h"
#include "core/random.h"
#include "core/saved_game.h"
#include "core/scores.h"
#include "core/shield_transfer.h"
#include "sector/idle_pass.h"
#include "sector/phasers.h"
#include "sector/scan_requests.h"
#include "sector/sector_reset.h"
#include "sector/torpedoes.h"
#include "tools/console_host.h"
#include "tools/saved_game_files.h"
#include "tools/soak_captain.h"
#include "tools/soak_invariants.h"

namespace {
// The virtual tick count at which each mission starts, as if the program had just started.
constexpr std::uint32_t StartTick = 1000000;

// The panel of the Shields station leaves the ship at least this much, like the phasers'.
constexpr int LeastEnergyAfterShieldCharge = LeastEnergyAfterCharge;

// One of the mission's own random states: the game's (0) or the captain's (1).
std::uint32_t MissionSeed(std::uint32_t seed, int mission, std::uint32_t which) {
  std::seed_seq sequence{seed, static_cast<std::uint32_t>(mission), which};
  std::uint32_t value = 0;
  sequence.generate(&value, &value + 1);
  return value;
}

void NoAmbience() {}
void NoEndSequence() {}

class MissionRun {
 public:
  explicit MissionRun(const MissionPlan& plan) : plan_(plan), captain_(MissionSeed(plan.seed, plan.mission, 1)) {}

  MissionOutcome Play();

 private:
  std::optional<BrokenRule> CarryOut(const SoakAction& action);
  std::optional<BrokenRule> LetTimePass(std::uint32_t ms);
  std::optional<BrokenRule> SaveAndReload();
  std::optional<BrokenRule> CheckGame();
  void RecordJournals();
  std::string ScratchFile(const char* suffix) const {
    return plan_.scratchDirectory + FormatText("/soak-%u-%d%s.gam", plan_.seed, plan_.mission, suffix);
  }
  void Report(const BrokenRule& broken, const GameState& before, std::uint32_t randomState, const std::string& command);

  MissionPlan plan_;
  Captain captain_;
  ConsoleHost host_;
  MissionOutcome outcome_;
  std::optional<GameState> previous_;  // the game at the last check
  int journals_ = 0;
};

void MissionRun::RecordJournals() {
  JournalSettings settings;
  settings.program = "kestrav-tool soak";
  settings.open = [this] {
    const std::string path = plan_.journalDirectory +
                             FormatText("/soak-%u-%d-%d%s", plan_.seed, plan_.mission, ++journals_, JournalExtension);
    std::string reason;
    std::unique_ptr<JournalOutput> file = CreateJournalFile(path, &reason);
    if (!file) std::fprintf(stderr, "kestrav-tool: no journal: %s\n", reason.c_str());
    return file;
  };
  settings.failed = [](const std::string& problem) { std::fprintf(stderr, "kestrav-tool: %s\n", problem.c_str()); };
  SetJournalRecording(std::move(settings));
}

MissionOutcome MissionRun::Play() {
  ResetSectorState(host_);
  host_.now = StartTick;
  coreState.game.nextClockTick = StartTick + ClockStepPeriod;
  coreState.options.skillSetting = plan_.skill;
  coreState.game.skillLevel = plan_.skill;
  outcome_.skill = plan_.skill;
  if (!plan_.journalDirectory.empty()) RecordJournals();

  GameState before = coreState.game;
  lcg::Seed(MissionSeed(plan_.seed, plan_.mission, 0));
  std::uint32_t randomState = lcg::State();
  NewGame();
  if (auto broken = CheckGame()) {
    Report(*broken, before, randomState,
           FormatText("new --seed %u --skill %d", randomState, static_cast<int>(plan_.skill)));
    return outcome_;
  }

  while (coreState.game.gamePhase != GamePhase::GameOver) {
    if (outcome_.actions == plan_.maxActions) {
      Report({"mission ends", FormatText("still going after %d commands", plan_.maxActions)}, coreState.game,
             lcg::State(), "the next command");
      return outcome_;
    }
    const SoakAction action = captain_.Decide(coreState.game);
    ++outcome_.actions;
    before = coreState.game;
    randomState = lcg::State();
    host_.Clear();
    ++outcome_.commands[static_cast<std::size_t>(action.kind)];
    std::optional<BrokenRule> broken = CarryOut(action);
    if (!broken) broken = CheckGame();
    if (!broken) broken = LetTimePass(action.thenMs);
    if (broken) {
      Report(*broken, before, randomState, action.Describe());
      return outcome_;
    }
  }
  outcome_.reason = coreState.game.gameOverReason;
  outcome_.stardates = coreState.game.stardateNow - coreState.game.stardateStart;
  if (outcome_.reason == GameOverReason::AliensDestroyed) outcome_.score = GameScore(coreState.game);
  if (!plan_.journalDirectory.empty())
    WriteGameFile(plan_.journalDirectory + FormatText("/soak-%u-%d.gam", plan_.seed, plan_.mission), coreState.game);
  EndGame();
  SetJournalRecording({});
  return outcome_;
}

std::optional<BrokenRule> MissionRun::CarryOut(const SoakAction& action) {
  using Kind = SoakAction::Kind;
  switch (action.kind) {
    case Kind::Impulse: RequestMove(action.course, action.amount, 0); break;
    case Kind::Warp: RequestMove(action.course, 0, action.amount); break;
    case Kind::Torpedo: ExecuteTorpedo(coreState.game, host_, action.course, action.amount, SendNow); break;
    case Kind::Phasers:
      ExecutePhasers(coreState.game, host_, host_, action.amount, action.singleTarget, SendNow);
      break;
    case Kind::Shields: {
      const int total = coreState.game.shipEnergy + coreState.game.shieldEnergy;
      if (coreState.game.Working(ShipSystem::Shield) && action.amount >= 0 &&
          total - action.amount >= LeastEnergyAfterShieldCharge)
        CommitShieldTransfer(total - action.amount, action.amount);
      break;
    }
    case Kind::Console: host_.TypeLine(action.line); break;
    case Kind::SaveAndReload: return SaveAndReload();
    case Kind::Wait: break;
  }
  return std::nullopt;
}

// The game's rules, the change since the last look, and no internal error posted meanwhile.
// Forgets the host's record, which a long red alert makes long.
std::optional<BrokenRule> MissionRun::CheckGame() {
  std::optional<BrokenRule> broken = FindInternalError(host_.shipMessages);
  if (!broken) broken = FindBrokenRule(coreState.game);
  if (!broken && previous_) broken = FindBrokenChange(*previous_, coreState.game);
  previous_ = coreState.game;
  host_.calls.clear();
  host_.shipMessages.clear();
  return broken;
}

// The idle passes the game's loop makes while the captain thinks for `ms`: at once, then at
// every tick the loop would wake for. The virtual clock only goes forward; an alien's attack
// takes its own time.
std::optional<BrokenRule> MissionRun::LetTimePass(std::uint32_t ms) {
  constexpr IdleDuties Duties{NoAmbience, NoEndSequence};
  const std::uint32_t end = host_.now + ms;
  auto earlier = [](std::uint32_t a, std::uint32_t b) { return static_cast<std::int32_t>(a - b) < 0; };
  while (coreState.game.gamePhase != GamePhase::GameOver) {
    const NextIdlePass next = RunIdlePass(Duties, host_.now);
    if (auto broken = CheckGame()) return broken;
    if (next.kind == NextIdlePass::Immediately) continue;
    if (next.kind == NextIdlePass::AfterNextMessage) break;
    const std::uint32_t tick = NextPassTick(next, host_.now);
    if (earlier(end, tick)) break;
    host_.now = tick;
  }
  if (earlier(host_.now, end)) host_.now = end;
  return std::nullopt;
}

// File > Save, then File > Open of the same file: what is read back must be exactly the game
// that was saved, and the game goes on from the reload.
std::optional<BrokenRule> MissionRun::SaveAndReload() {
  if (coreState.game.InRedAlert()) return std::nullopt;  // the menu does not offer it
  const std::string path = ScratchFile("");
  coreState.game.gameFilePath = path;
  coreState.game.gameFileTitle = path.substr(path.rfind('/') + 1);
  const std::vector<std::uint8_t> saved = EncodeSavedGame(coreState.game);
  if (!SaveGame()) return BrokenRule{"saved game written", path};
  GameState readBack;
  if (std::string problem = ReadGameFile(path, readBack); !problem.empty())
    return BrokenRule{"saved game reads back", problem};
  if (EncodeSavedGame(readBack) != saved)
    return BrokenRule{"reload bit for bit", "the game read back differs from the game saved"};
  if (!LoadGame()) return BrokenRule{"saved game reads back", "File > Open refused " + path};
  std::remove(path.c_str());
  return std::nullopt;
}

void MissionRun::Report(const BrokenRule& broken, const GameState& before, std::uint32_t randomState,
                        const std::string& command) {
  SoakViolation violation;
  violation.seed = plan_.seed;
  violation.mission = plan_.mission;
  violation.action = outcome_.actions;
  violation.randomState = randomState;
  violation.command = command;
  violation.invariant = broken.invariant;
  violation.detail = broken.detail;
  violation.beforeFile = ScratchFile("-before");
  violation.afterFile = ScratchFile("-after");
  if (!WriteGameFile(violation.beforeFile, before).empty()) violation.beforeFile.clear();
  if (!WriteGameFile(violation.afterFile, coreState.game).empty()) violation.afterFile.clear();
  outcome_.stardates = coreState.game.stardateNow - coreState.game.stardateStart;
  outcome_.violation = std::move(violation);
}
}  // namespace

MissionOutcome PlayMission(const MissionPlan& plan) { return MissionRun(plan).Play(); }
