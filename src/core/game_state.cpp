#include "core/game_state.h"

#include "core/core_state.h"

int FindAlienAt(int quadrant, int x, int y) {
  for (int i = 0; i < coreState.game.alienTotal && i < static_cast<int>(coreState.game.alienTable.size()); ++i) {
    const AlienRecord& a = coreState.game.alienTable[static_cast<std::size_t>(i)];
    if (a.quadrant == quadrant && a.sectorX == x && a.sectorY == y) return i;
  }
  return -1;
}

const char* SkillName(SkillLevel level) {
  static const char* const names[] = {"Crewman", "Yeoman", "Officer", "1stOfficer", "Captain", "Admiral"};
  const int index = static_cast<int>(level);
  return index >= 0 && index <= 5 ? names[index] : nullptr;
}
