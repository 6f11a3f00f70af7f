#pragma once
// The one running game: galaxy, alien table, ship, clock, supplies and damage.
// Every part of the program reads and writes the global `game` directly.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Sector cell: object code in the low byte, animation frame (0..3) in the high byte.
using SectorCell = std::uint16_t;

namespace Cell {
inline constexpr SectorCell Empty = 0;
inline constexpr SectorCell ShipLeft = 1;   // placed in columns 4..7
inline constexpr SectorCell ShipRight = 2;  // placed in columns 0..3
inline constexpr SectorCell Starbase = 4;
inline constexpr SectorCell StarA = 8;
inline constexpr SectorCell StarB = 16;
inline constexpr SectorCell StarX = 24;
inline constexpr SectorCell AlienMask = 0xE0;
inline constexpr SectorCell FindFreeOnly = 0xFFFF;  // never stored: "find a free sector, write nothing"

inline constexpr std::uint8_t Object(SectorCell c) { return static_cast<std::uint8_t>(c & 0xFF); }
inline constexpr int Frame(SectorCell c) { return (c >> 8) & 0xFF; }
inline constexpr bool HoldsAlien(SectorCell c) { return (c & AlienMask) != 0; }
inline constexpr bool HoldsStarbase(SectorCell c) { return Object(c) == Starbase; }
}  // namespace Cell

enum class AlienKind : std::uint8_t { Klingon = 0x20, Romulan = 0x40, Farengi = 0x60, Borg = 0x80 };

namespace QuadrantFlag {
inline constexpr std::uint16_t Charted = 1;
inline constexpr std::uint16_t RicochetStar = 2;
}  // namespace QuadrantFlag

// 144 bytes; this is also the layout of a quadrant in a saved game.
struct QuadrantRecord {
  std::int32_t starCount;
  std::int32_t starbaseCount;
  std::int32_t alienCount;
  std::uint16_t flags;
  SectorCell cells[8][8];  // cells[y][x]
  std::uint8_t reserved[2];
};
static_assert(sizeof(QuadrantRecord) == 144);
static_assert(offsetof(QuadrantRecord, flags) == 12);
static_assert(offsetof(QuadrantRecord, cells) == 14);
static_assert(offsetof(QuadrantRecord, reserved) == 142);

// 36 bytes; this is also the layout of an alien in a saved game.
struct AlienRecord {
  std::int32_t quadrant;  // -1 once destroyed
  std::int32_t sectorX;
  std::int32_t sectorY;
  std::uint8_t kind;  // AlienKind
  std::uint8_t reserved[3];
  std::int32_t energy;
  std::int32_t moveInterval;    // ms
  std::int32_t attackInterval;  // ms
  std::uint32_t lastMoveTick;
  std::uint32_t lastAttackTick;
};
static_assert(sizeof(AlienRecord) == 36);
static_assert(offsetof(AlienRecord, kind) == 12);
static_assert(offsetof(AlienRecord, energy) == 16);
static_assert(offsetof(AlienRecord, lastAttackTick) == 32);

inline constexpr int QuadrantCount = 64;
using Galaxy = std::array<QuadrantRecord, QuadrantCount>;
static_assert(sizeof(Galaxy) == 9216);

// The ten damageable systems, in the order a saved game stores them.
enum class ShipSystem : int {
  SRS = 0,
  LRS = 1,
  Warp = 2,
  Photon = 3,
  Phaser = 4,
  Shield = 5,
  Computer = 6,
  DamageControl = 7,
  StatusPanel = 8,
  MessageDisplay = 9
};
inline constexpr int SystemCount = 10;

enum class SkillLevel : int { Crewman = 0, Yeoman = 1, Officer = 2, FirstOfficer = 3, Captain = 4, Admiral = 5 };

// Both alternate phases behave as their main phase; the condition evaluation moves between them.
enum class GamePhase : int {
  NoGame = 0,
  Docked = 1,
  Green = 2,
  RedAlertAlt = 3,
  RedAlert = 4,
  YellowAlt = 5,
  Yellow = 6,
  GameOver = 7
};

enum class GameOverReason : int {
  None = 0,
  EnergyExhausted = 1,
  TimeExpired = 2,
  AliensDestroyed = 3,
  SystemsDisabled = 4
};

struct GameState {
  GamePhase gamePhase = GamePhase::NoGame;
  GameOverReason gameOverReason = GameOverReason::None;
  SkillLevel skillLevel = SkillLevel::Crewman;
  Galaxy galaxy{};
  int starTotal = 0;
  int starbaseTotal = 0;
  int alienTotal = 0;
  int aliensRemaining = 0;
  std::vector<AlienRecord> alienTable;  // alienTotal records while a game exists
  double stardateStart = 0.0;
  double stardateNow = 0.0;
  double missionLength = 0.0;
  int shipEnergy = 0;
  int shieldEnergy = 0;
  int torpedoCount = 0;
  int shipQuadrant = 0;
  int shipSectorX = 0;
  int shipSectorY = 0;
  std::array<double, SystemCount> damage{};
  std::array<double, SystemCount> repairDate{};
  int messagesToComputer = 0;
  int resetAlienClocks = 0;
  int yellowBlinkActive = 0;
  std::uint32_t nextClockTick = 0;
  int changeCount = 0;
  std::string gameFilePath;
  std::string gameFileTitle;

  double& Damage(ShipSystem s) { return damage[static_cast<std::size_t>(s)]; }
  double& RepairDate(ShipSystem s) { return repairDate[static_cast<std::size_t>(s)]; }
  bool Working(ShipSystem s) const { return damage[static_cast<std::size_t>(s)] == 0.0; }
  bool InRedAlert() const { return gamePhase == GamePhase::RedAlert || gamePhase == GamePhase::RedAlertAlt; }
  bool InYellow() const { return gamePhase == GamePhase::Yellow || gamePhase == GamePhase::YellowAlt; }
  QuadrantRecord& ShipQuadrantRecord() { return galaxy[static_cast<std::size_t>(shipQuadrant)]; }
  QuadrantRecord& Quadrant(int quadrant) { return galaxy[static_cast<std::size_t>(quadrant)]; }
  // Index of the first live alien record at (quadrant, x, y), or -1.
  int FindAlienAt(int quadrant, int x, int y) const;
};

inline constexpr int QuadrantColumn(int quadrant) { return quadrant % 8; }
inline constexpr int QuadrantRow(int quadrant) { return quadrant / 8; }

// The quadrant dColumn columns and dRow rows away; the galaxy wraps around on all four edges.
inline constexpr int QuadrantNeighbour(int quadrant, int dColumn, int dRow) {
  const int column = ((QuadrantColumn(quadrant) + dColumn) % 8 + 8) % 8;
  const int row = ((QuadrantRow(quadrant) + dRow) % 8 + 8) % 8;
  return row * 8 + column;
}

// The skill's name as the high-score file stores it; nullptr outside 0..5.
const char* SkillName(SkillLevel level);
