#include "core/game_invariants.h"

#include "core/format_text.h"

namespace {
// A quadrant never gains objects during a game, so generation's caps hold throughout.
constexpr int MaxStars = 9;
constexpr int MaxStarbases = 3;
constexpr int MaxAliens = 8;
constexpr int MaxFrame = 3;

bool InGrid(int v) { return v >= 0 && v <= 7; }

bool IsStar(std::uint8_t object) { return object == Cell::StarA || object == Cell::StarB || object == Cell::StarX; }

bool IsAlienKind(std::uint8_t object) {
  return object == static_cast<std::uint8_t>(AlienKind::Klingon) ||
         object == static_cast<std::uint8_t>(AlienKind::Romulan) ||
         object == static_cast<std::uint8_t>(AlienKind::Farengi) ||
         object == static_cast<std::uint8_t>(AlienKind::Borg);
}

bool IsKnownObject(std::uint8_t object) {
  return object == Cell::Empty || object == Cell::ShipLeft || object == Cell::ShipRight || object == Cell::Starbase ||
         IsStar(object) || IsAlienKind(object);
}

std::string CheckCells(const GameState& s) {
  int shipCells = 0;
  for (int q = 0; q < QuadrantCount; ++q) {
    const QuadrantRecord& quadrant = s.galaxy[static_cast<std::size_t>(q)];
    int stars = 0, starbases = 0, aliens = 0;
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x) {
        const SectorCell cell = quadrant.cells[y][x];
        const std::uint8_t object = Cell::Object(cell);
        if (!IsKnownObject(object) || Cell::Frame(cell) > MaxFrame)
          return FormatText("quadrant %d sector %d,%d holds the unknown value 0x%04X", q, x + 1, y + 1, cell);
        if (object == Cell::ShipLeft || object == Cell::ShipRight) ++shipCells;
        if (object == Cell::Starbase) ++starbases;
        if (IsStar(object)) ++stars;
        if (IsAlienKind(object)) ++aliens;
      }
    if (quadrant.starCount != stars || quadrant.starbaseCount != starbases || quadrant.alienCount != aliens)
      return FormatText("quadrant %d counts %d/%d/%d aliens/starbases/stars but holds %d/%d/%d", q, quadrant.alienCount,
                        quadrant.starbaseCount, quadrant.starCount, aliens, starbases, stars);
    if (stars > MaxStars || starbases > MaxStarbases || aliens > MaxAliens)
      return FormatText("quadrant %d holds more objects than a quadrant can", q);
  }
  if (shipCells != 1) return FormatText("the galaxy holds %d ships instead of one", shipCells);
  return {};
}

std::string CheckShip(const GameState& s) {
  if (s.shipQuadrant < 0 || s.shipQuadrant >= QuadrantCount || !InGrid(s.shipSectorX) || !InGrid(s.shipSectorY))
    return FormatText("the ship's position %d/%d,%d lies outside the galaxy", s.shipQuadrant, s.shipSectorX,
                      s.shipSectorY);
  const SectorCell cell = s.galaxy[static_cast<std::size_t>(s.shipQuadrant)].cells[s.shipSectorY][s.shipSectorX];
  const std::uint8_t object = Cell::Object(cell);
  if (object != Cell::ShipLeft && object != Cell::ShipRight) return "the ship is not in its own sector";
  return {};
}

std::string CheckAliens(const GameState& s) {
  if (s.alienTotal < 0 || static_cast<std::size_t>(s.alienTotal) != s.alienTable.size())
    return FormatText("the alien table holds %zu records, not %d", s.alienTable.size(), s.alienTotal);
  // How many live records stand on each sector of the galaxy.
  std::array<std::array<std::array<int, 8>, 8>, QuadrantCount> recordsAt{};
  int live = 0;
  for (int i = 0; i < s.alienTotal; ++i) {
    const AlienRecord& a = s.alienTable[static_cast<std::size_t>(i)];
    if (a.quadrant == -1) continue;  // destroyed
    if (a.quadrant < 0 || a.quadrant >= QuadrantCount || !InGrid(a.sectorX) || !InGrid(a.sectorY))
      return FormatText("alien %d stands outside the galaxy", i);
    if (!IsAlienKind(a.kind)) return FormatText("alien %d is of the unknown kind 0x%02X", i, a.kind);
    if (a.energy <= 0 || a.moveInterval < 0 || a.attackInterval < 0)
      return FormatText("alien %d is alive with energy %d and intervals %d/%d", i, a.energy, a.moveInterval,
                        a.attackInterval);
    const SectorCell cell = s.galaxy[static_cast<std::size_t>(a.quadrant)].cells[a.sectorY][a.sectorX];
    if (Cell::Object(cell) != a.kind) return FormatText("alien %d is not in the sector it claims", i);
    ++recordsAt[static_cast<std::size_t>(a.quadrant)][static_cast<std::size_t>(a.sectorY)]
               [static_cast<std::size_t>(a.sectorX)];
    ++live;
  }
  for (int q = 0; q < QuadrantCount; ++q)
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x) {
        const bool alienCell = IsAlienKind(Cell::Object(s.galaxy[static_cast<std::size_t>(q)].cells[y][x]));
        const int records =
            recordsAt[static_cast<std::size_t>(q)][static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
        if (records != (alienCell ? 1 : 0))
          return FormatText("quadrant %d sector %d,%d has %d alien records for its cell", q, x + 1, y + 1, records);
      }
  if (s.aliensRemaining != live)
    return FormatText("%d aliens are said to remain but %d are alive", s.aliensRemaining, live);
  return {};
}
}  // namespace

std::string FindInconsistency(const GameState& state) {
  if (state.skillLevel < SkillLevel::Crewman || state.skillLevel > SkillLevel::Admiral)
    return FormatText("the skill level %d does not exist", static_cast<int>(state.skillLevel));
  if (std::string problem = CheckCells(state); !problem.empty()) return problem;
  if (std::string problem = CheckShip(state); !problem.empty()) return problem;
  return CheckAliens(state);
}
