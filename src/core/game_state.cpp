#include "core/game_state.h"

#include "core/core_state.h"

int GameState::FindAlienAt(int quadrant, int x, int y) const {
  for (int i = 0; i < alienTotal && i < static_cast<int>(alienTable.size()); ++i) {
    const AlienRecord& a = alienTable[static_cast<std::size_t>(i)];
    if (a.quadrant == quadrant && a.sectorX == x && a.sectorY == y) return i;
  }
  return -1;
}

const char* SkillName(SkillLevel level) {
  static const char* const names[] = {"Crewman", "Yeoman", "Officer", "1stOfficer", "Captain", "Admiral"};
  const int index = static_cast<int>(level);
  return index >= 0 && index <= 5 ? names[index] : nullptr;
}
