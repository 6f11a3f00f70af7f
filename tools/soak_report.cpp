#include "tools/soak_report.h"

#include <algorithm>
#include <cmath>

#include "core/format_text.h"

namespace {
// `text` as a JSON string.
std::string Quoted(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      quoted += FormatText("\\u%04x", static_cast<unsigned>(c));
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

double Share(int part, int whole) { return whole == 0 ? 0.0 : 100.0 * part / whole; }

// The score at fraction `f` of the way through the sorted scores.
int Quantile(const std::vector<int>& sorted, double f) {
  return sorted[static_cast<std::size_t>(std::llround(f * static_cast<double>(sorted.size() - 1)))];
}
}  // namespace

const char* ReasonName(GameOverReason reason) {
  switch (reason) {
    case GameOverReason::EnergyExhausted: return "energy";
    case GameOverReason::TimeExpired: return "time";
    case GameOverReason::AliensDestroyed: return "aliens";
    case GameOverReason::SystemsDisabled: return "systems";
    case GameOverReason::None: break;
  }
  return "none";
}

void SoakTally::Add(const MissionOutcome& outcome) {
  ++missions;
  const auto skill = static_cast<std::size_t>(outcome.skill);
  ++playedAtSkill[skill];
  stardates += outcome.stardates;
  actions += outcome.actions;
  for (std::size_t kind = 0; kind < commands.size(); ++kind) commands[kind] += outcome.commands[kind];
  if (outcome.violation) {
    violations.push_back(*outcome.violation);
  } else if (outcome.reason == GameOverReason::AliensDestroyed) {
    ++won;
    ++wonAtSkill[skill];
    scores.push_back(outcome.score);
  } else {
    ++lost[ReasonName(outcome.reason)];
  }
}

double SoakTally::ActionsPerSecond() const { return seconds > 0.0 ? static_cast<double>(actions) / seconds : 0.0; }

std::string DescribeViolation(const SoakViolation& v) {
  return FormatText(
      "VIOLATION seed %u mission %d command %d (%s), random state %u before it: %s: %s\n"
      "  game before: %s\n  game after:  %s\n",
      v.seed, v.mission, v.action, v.command.c_str(), v.randomState, v.invariant.c_str(), v.detail.c_str(),
      v.beforeFile.c_str(), v.afterFile.c_str());
}

std::string SoakTally::Text() const {
  std::string text = FormatText("missions %d: won %d (%.1f%%)", missions, won, Share(won, missions));
  for (const auto& [reason, count] : lost) text += FormatText(", lost to %s %d", reason.c_str(), count);
  text += FormatText(", violations %zu\n", violations.size());
  for (std::size_t skill = 0; skill < playedAtSkill.size(); ++skill)
    if (playedAtSkill[skill] > 0)
      text += FormatText("  skill %zu: won %d of %d (%.1f%%)\n", skill, wonAtSkill[skill], playedAtSkill[skill],
                         Share(wonAtSkill[skill], playedAtSkill[skill]));
  if (missions > 0)
    text += FormatText("average length %.1f stardates, %.1f commands\n", stardates / missions,
                       static_cast<double>(actions) / missions);
  if (!scores.empty()) {
    std::vector<int> sorted = scores;
    std::sort(sorted.begin(), sorted.end());
    long long sum = 0;
    for (int s : sorted) sum += s;
    text += FormatText("scores of wins: min %d, quartiles %d / %d / %d, max %d, mean %.0f\n", sorted.front(),
                       Quantile(sorted, 0.25), Quantile(sorted, 0.5), Quantile(sorted, 0.75), sorted.back(),
                       static_cast<double>(sum) / static_cast<double>(sorted.size()));
  }
  text += "commands:";
  for (std::size_t kind = 0; kind < commands.size(); ++kind)
    text += FormatText("%s %s %lld", kind ? "," : "", SoakAction::KindName(static_cast<SoakAction::Kind>(kind)),
                       commands[kind]);
  text += "\n";
  text += FormatText("%lld commands in %.1f s: %.0f commands per second, %.1f us per command\n", actions, seconds,
                     ActionsPerSecond(), actions > 0 ? seconds * 1e6 / static_cast<double>(actions) : 0.0);
  return text;
}

std::string SoakTally::Json() const {
  std::string json = FormatText("{\n  \"missions\": %d,\n  \"won\": %d,\n  \"lost\": {", missions, won);
  const char* comma = "";
  for (const auto& [reason, count] : lost) {
    json += FormatText("%s%s: %d", comma, Quoted(reason).c_str(), count);
    comma = ", ";
  }
  json += "},\n  \"violations\": [";
  comma = "";
  for (const SoakViolation& v : violations) {
    json += FormatText(
        "%s\n    {\"seed\": %u, \"mission\": %d, \"action\": %d, \"random_state\": %u, \"command\": %s, "
        "\"invariant\": %s, \"detail\": %s, \"before\": %s, \"after\": %s}",
        comma, v.seed, v.mission, v.action, v.randomState, Quoted(v.command).c_str(), Quoted(v.invariant).c_str(),
        Quoted(v.detail).c_str(), Quoted(v.beforeFile).c_str(), Quoted(v.afterFile).c_str());
    comma = ",";
  }
  json += violations.empty() ? "],\n" : "\n  ],\n";
  json += "  \"skills\": [";
  comma = "";
  for (std::size_t skill = 0; skill < playedAtSkill.size(); ++skill) {
    json += FormatText("%s{\"skill\": %zu, \"missions\": %d, \"won\": %d}", comma, skill, playedAtSkill[skill],
                       wonAtSkill[skill]);
    comma = ", ";
  }
  json += "],\n  \"commands\": {";
  comma = "";
  for (std::size_t kind = 0; kind < commands.size(); ++kind) {
    json += FormatText("%s%s: %lld", comma, Quoted(SoakAction::KindName(static_cast<SoakAction::Kind>(kind))).c_str(),
                       commands[kind]);
    comma = ", ";
  }
  json += "},\n  \"won_scores\": [";
  comma = "";
  for (int score : scores) {
    json += FormatText("%s%d", comma, score);
    comma = ", ";
  }
  json += FormatText(
      "],\n  \"average_stardates\": %.3f,\n  \"average_actions\": %.3f,\n  \"actions\": %lld,\n"
      "  \"seconds\": %.3f,\n  \"actions_per_second\": %.1f\n}\n",
      missions ? stardates / missions : 0.0, missions ? static_cast<double>(actions) / missions : 0.0, actions, seconds,
      ActionsPerSecond());
  return json;
}
