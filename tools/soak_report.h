#pragma once
// What a soak adds up to: missions won and lost by reason, their length, the scores of the
// wins, the pace, and every broken rule found; as text for the terminal and as JSON.

#include <array>
#include <map>
#include <string>
#include <vector>

#include "tools/soak_mission.h"

struct SoakTally {
  int missions = 0;
  int won = 0;
  std::map<std::string, int> lost;  // end reason -> missions
  std::vector<SoakViolation> violations;
  double stardates = 0.0;  // summed over the missions played
  long long actions = 0;
  std::array<long long, SoakAction::KindCount> commands{};  // by SoakAction::Kind
  std::vector<int> scores;                                  // of the won missions
  std::array<int, 6> playedAtSkill{}, wonAtSkill{};
  double seconds = 0.0;  // of real time

  void Add(const MissionOutcome& outcome);
  double ActionsPerSecond() const;

  std::string Text() const;
  std::string Json() const;
};

// The end reason's name in the report: "energy", "time", "systems" (and "aliens" for a win).
const char* ReasonName(GameOverReason reason);

// What the terminal shows of a violation: seed, mission, command and rule, and the files.
std::string DescribeViolation(const SoakViolation& violation);
