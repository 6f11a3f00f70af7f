#pragma once
// One mission of the soak, from NewGame to its end: the captain's commands carried out
// through the game's own request frames, console and files, the game's idle passes between
// them on the virtual clock, and the game's rules checked after every step.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/game_state.h"
#include "tools/soak_captain.h"

// A broken rule found in play, and where the games before and after it were written.
struct SoakViolation {
  std::uint32_t seed = 0;
  int mission = 0;
  int action = 0;                 // the captain's command number in the mission, from 1
  std::uint32_t randomState = 0;  // the game's random state before that command
  std::string command;            // the command in kestrav-tool's words
  std::string invariant, detail;
  std::string beforeFile, afterFile;
};

struct MissionOutcome {
  SkillLevel skill = SkillLevel::Crewman;
  GameOverReason reason = GameOverReason::None;  // None when a violation stopped the mission
  double stardates = 0.0;                        // from the mission's start to its end
  int actions = 0;
  std::array<int, SoakAction::KindCount> commands{};  // by SoakAction::Kind
  int score = 0;                                      // of a won mission
  std::optional<SoakViolation> violation;
};

// A mission ends with the game; one that this many commands have not ended breaks a rule.
inline constexpr int MaxMissionActions = 5000;

struct MissionPlan {
  std::uint32_t seed = 0;
  int mission = 1;  // 1, 2, ...: the mission's own random states follow from seed and mission
  SkillLevel skill = SkillLevel::Crewman;
  std::string scratchDirectory;  // the save-and-reload file, and the games of a violation
  // When set, each mission's journals (soak-SEED-MISSION-N.journal, a new one at each reload)
  // and its game as it ended (soak-SEED-MISSION.gam) are written there.
  std::string journalDirectory;
  int maxActions = MaxMissionActions;
};

MissionOutcome PlayMission(const MissionPlan& plan);
