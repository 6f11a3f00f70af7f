#include "tests/core/game_fields.h"

#include <cstddef>
#include <cstdio>
#include <string_view>

#include "core/format_text.h"

namespace {
void Add(std::vector<std::string>& lines, const std::string& name, const std::string& value) {
  lines.push_back(name + ": " + value);
}

std::string Number(int value) { return std::to_string(value); }
std::string Number(double value) { return FormatText("%.17g", value); }

void AddQuadrant(std::vector<std::string>& lines, int index, const QuadrantRecord& q) {
  const std::string name = FormatText("quadrant %d", index);
  Add(lines, name,
      FormatText("stars %d, starbases %d, aliens %d, flags %d, reserved %d %d", q.starCount, q.starbaseCount,
                 q.alienCount, q.flags, q.reserved[0], q.reserved[1]));
  for (int y = 0; y < 8; ++y) {
    std::string row;
    for (int x = 0; x < 8; ++x) row += FormatText("%s%04x", x == 0 ? "" : " ", q.cells[y][x]);
    Add(lines, FormatText("%s row %d", name.c_str(), y), row);
  }
}

void AddAlien(std::vector<std::string>& lines, std::size_t index, const AlienRecord& a) {
  Add(lines, FormatText("alien %zu", index),
      FormatText("quadrant %d, sector %d,%d, kind 0x%02x, reserved %d %d %d, energy %d, moves every %d ms, "
                 "fires every %d ms, last move %u, last attack %u",
                 a.quadrant, a.sectorX, a.sectorY, a.kind, a.reserved[0], a.reserved[1], a.reserved[2], a.energy,
                 a.moveInterval, a.attackInterval, a.lastMoveTick, a.lastAttackTick));
}
}  // namespace

std::vector<std::string> SavedFields(const GameState& s) {
  std::vector<std::string> lines;
  Add(lines, "skillLevel", Number(static_cast<int>(s.skillLevel)));
  Add(lines, "starTotal", Number(s.starTotal));
  Add(lines, "starbaseTotal", Number(s.starbaseTotal));
  Add(lines, "alienTotal", Number(s.alienTotal));
  Add(lines, "aliensRemaining", Number(s.aliensRemaining));
  Add(lines, "stardateStart", Number(s.stardateStart));
  Add(lines, "stardateNow", Number(s.stardateNow));
  Add(lines, "missionLength", Number(s.missionLength));
  Add(lines, "shipEnergy", Number(s.shipEnergy));
  Add(lines, "shieldEnergy", Number(s.shieldEnergy));
  Add(lines, "torpedoCount", Number(s.torpedoCount));
  Add(lines, "shipQuadrant", Number(s.shipQuadrant));
  Add(lines, "shipSector", FormatText("%d,%d", s.shipSectorX, s.shipSectorY));
  for (int i = 0; i < SystemCount; ++i) {
    const auto system = static_cast<std::size_t>(i);
    Add(lines, FormatText("damage[%d]", i), Number(s.damage[system]));
    Add(lines, FormatText("repairDate[%d]", i), Number(s.repairDate[system]));
  }
  for (int q = 0; q < QuadrantCount; ++q) AddQuadrant(lines, q, s.galaxy[static_cast<std::size_t>(q)]);
  Add(lines, "alien records", Number(static_cast<int>(s.alienTable.size())));
  for (std::size_t i = 0; i < s.alienTable.size(); ++i) AddAlien(lines, i, s.alienTable[i]);
  return lines;
}

std::string SavedFieldDifferences(const GameState& expected, const GameState& actual) {
  const std::vector<std::string> want = SavedFields(expected), got = SavedFields(actual);
  // Both lists name the same fields in the same order up to the alien records, which either
  // side may have more of.
  std::string differences;
  for (std::size_t i = 0; i < std::max(want.size(), got.size()); ++i) {
    const std::string_view a = i < want.size() ? std::string_view(want[i]) : "(none)";
    const std::string_view b = i < got.size() ? std::string_view(got[i]) : "(none)";
    if (a == b) continue;
    differences += "- ";
    differences += a;
    differences += "\n+ ";
    differences += b;
    differences += "\n";
  }
  return differences;
}
