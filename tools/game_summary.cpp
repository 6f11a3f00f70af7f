#include "tools/game_summary.h"

#include "core/format_text.h"

namespace {
const char* SystemName(int system) {
  static const char* const names[SystemCount] = {"Short Range Sensors",
                                                 "Long Range Sensors",
                                                 "Warp Drive",
                                                 "Photon Torpedoes",
                                                 "Phasers",
                                                 "Shields",
                                                 "Computer",
                                                 "Damage Control",
                                                 "Bridge Status Panel",
                                                 "Message Display"};
  return names[system];
}

const char* KindName(std::uint8_t kind) {
  switch (static_cast<AlienKind>(kind)) {
    case AlienKind::Klingon: return "Klingon";
    case AlienKind::Romulan: return "Romulan";
    case AlienKind::Farengi: return "Farengi";
    case AlienKind::Borg: return "Borg";
  }
  return "?";
}

// Column first and 1-based, as the bridge shows positions.
std::string Position(int quadrant, int x, int y) {
  return FormatText("quadrant %d,%d sector %d,%d", QuadrantColumn(quadrant) + 1, QuadrantRow(quadrant) + 1, x + 1,
                    y + 1);
}

std::string Chart(const GameState& s) {
  std::string text = "Galaxy (aliens, starbases, stars; * the ship's quadrant, + charted):\n    ";
  for (int column = 1; column <= 8; ++column) text += FormatText("  %d  ", column);
  text += "\n";
  for (int row = 0; row < 8; ++row) {
    text += FormatText("  %d ", row + 1);
    for (int column = 0; column < 8; ++column) {
      const int q = row * 8 + column;
      const QuadrantRecord& quadrant = s.galaxy[static_cast<std::size_t>(q)];
      const char mark = q == s.shipQuadrant ? '*' : (quadrant.flags & QuadrantFlag::Charted) ? '+' : ' ';
      text += FormatText(" %d%d%d%c", quadrant.alienCount, quadrant.starbaseCount, quadrant.starCount, mark);
    }
    text += "\n";
  }
  return text;
}

std::string DamageStates(const GameState& s) {
  std::string text = "Systems:\n";
  for (int i = 0; i < SystemCount; ++i) {
    const double damage = s.damage[static_cast<std::size_t>(i)];
    std::string state;
    if (damage == 0.0)
      state = "working";
    else if (damage < 0.0)
      state = "destroyed";
    else
      state = FormatText("damaged, repaired at stardate %.1f", s.repairDate[static_cast<std::size_t>(i)]);
    text += FormatText("  %-20s %s\n", SystemName(i), state.c_str());
  }
  return text;
}

std::string LiveAliens(const GameState& s) {
  std::string text = FormatText("Aliens: %d of %d remaining\n", s.aliensRemaining, s.alienTotal);
  for (std::size_t i = 0; i < s.alienTable.size(); ++i) {
    const AlienRecord& a = s.alienTable[i];
    if (a.quadrant < 0) continue;
    text += FormatText("  %2zu %-8s %s  energy %d, moves every %d ms, fires every %d ms\n", i, KindName(a.kind),
                       Position(a.quadrant, a.sectorX, a.sectorY).c_str(), a.energy, a.moveInterval, a.attackInterval);
  }
  return text;
}
}  // namespace

std::string DescribeGame(const GameState& s) {
  const char* skill = SkillName(s.skillLevel);
  std::string text = FormatText("Skill: %s (%d)\n", skill ? skill : "?", static_cast<int>(s.skillLevel));
  text += FormatText("Stardate: %.1f (mission began %.1f, %.1f days allowed, attack on %.1f)\n", s.stardateNow,
                     s.stardateStart, s.missionLength, s.stardateStart + s.missionLength);
  text += FormatText("Supplies: energy %d, shields %d, torpedoes %d\n", s.shipEnergy, s.shieldEnergy, s.torpedoCount);
  text += FormatText("Ship: %s\n", Position(s.shipQuadrant, s.shipSectorX, s.shipSectorY).c_str());
  text += FormatText("Totals: %d aliens, %d starbases, %d stars\n", s.alienTotal, s.starbaseTotal, s.starTotal);
  text += Chart(s);
  text += DamageStates(s);
  text += LiveAliens(s);
  return text;
}
