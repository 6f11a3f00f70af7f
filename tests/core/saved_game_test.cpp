#include <bit>
#include <cmath>
#include <cstring>
#include <functional>

#include "core/core_state.h"
#include "core/game_invariants.h"
#include "core/new_game.h"
#include "core/options.h"
#include "core/random.h"
#include "core/saved_game.h"
#include "tests/support/core_fixture.h"

namespace {
using Bytes = std::vector<std::uint8_t>;

void PutI32(Bytes& b, std::size_t at, std::int32_t v) { std::memcpy(&b[at], &v, 4); }
void PutU16(Bytes& b, std::size_t at, std::uint16_t v) { std::memcpy(&b[at], &v, 2); }
void PutF64(Bytes& b, std::size_t at, double v) { std::memcpy(&b[at], &v, 8); }
std::int32_t GetI32(const Bytes& b, std::size_t at) {
  std::int32_t v;
  std::memcpy(&v, &b[at], 4);
  return v;
}
double GetF64(const Bytes& b, std::size_t at) {
  double v;
  std::memcpy(&v, &b[at], 8);
  return v;
}
std::size_t QuadrantAt(int q) { return 8 + 144 * static_cast<std::size_t>(q); }
std::size_t CellAt(int q, int x, int y) { return QuadrantAt(q) + 14 + static_cast<std::size_t>(16 * y + 2 * x); }
std::size_t AlienAt(int i) { return SavedGameHeaderSize + 36 * static_cast<std::size_t>(i); }

static_assert(std::endian::native == std::endian::little, "these tests poke little-endian values in place");

class SavedGame : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    lcg::Seed(4242);
    coreState.game.skillLevel = SkillLevel::Yeoman;
    NewGame();
  }
  DecodeOutcome Decode(const Bytes& bytes) { return DecodeSavedGame(bytes, loaded); }
  GameState loaded;
};

TEST_F(SavedGame, TheLayoutPutsEachFieldAtItsOffset) {
  coreState.game.shipEnergy = 2345;
  coreState.game.missionLength = 41.0;
  coreState.game.Damage(ShipSystem::Shield) = 1.5;
  coreState.game.RepairDate(ShipSystem::MessageDisplay) = 3001.25;
  coreState.game.messagesToComputer = 1;
  const Bytes b = EncodeSavedGame(coreState.game);
  ASSERT_EQ(b.size(), SavedGameHeaderSize + 36 * static_cast<std::size_t>(coreState.game.alienTotal));
  EXPECT_EQ(std::memcmp(b.data(), "KVF", 4), 0);
  EXPECT_EQ(GetI32(b, 4), static_cast<int>(SkillLevel::Yeoman));
  EXPECT_EQ(
      GetI32(b, CellAt(coreState.game.shipQuadrant, coreState.game.shipSectorX, coreState.game.shipSectorY)) & 0xFF,
      coreState.game.shipSectorX > 3 ? 1 : 2);
  EXPECT_EQ(GetI32(b, 0x2408), coreState.game.starbaseTotal);
  EXPECT_EQ(GetI32(b, 0x2420), coreState.game.alienTotal);
  EXPECT_EQ(GetI32(b, 0x2428), 2345);
  double shieldDamage, messageRepair, length;
  std::memcpy(&shieldDamage, &b[0x2438 + 8 * 5], 8);
  std::memcpy(&messageRepair, &b[0x2488 + 8 * 9], 8);
  std::memcpy(&length, &b[0x24D8], 8);
  EXPECT_EQ(shieldDamage, 1.5);
  EXPECT_EQ(messageRepair, 3001.25);
  EXPECT_EQ(length, 41.0);
  EXPECT_EQ(GetI32(b, 0x24E0), coreState.game.shipQuadrant);
  EXPECT_EQ(GetI32(b, 0x24EC), 1);
  EXPECT_EQ(GetI32(b, AlienAt(0)), coreState.game.alienTable[0].quadrant);
  EXPECT_EQ(b[AlienAt(0) + 12], coreState.game.alienTable[0].kind);
}

TEST_F(SavedGame, ASkill0GameWith20AliensTakes10176Bytes) {
  for (std::uint32_t seed = 0;; ++seed) {
    ResetProgramState(recorder);
    lcg::Seed(seed);
    coreState.game.skillLevel = SkillLevel::Crewman;
    NewGame();
    if (coreState.game.alienTotal == 20) break;
  }
  EXPECT_EQ(EncodeSavedGame(coreState.game).size(), 10176u);
}

TEST_F(SavedGame, RoundTripKeepsEveryStoredByte) {
  // A destroyed alien, reserved bytes and odd stardates all survive.
  AlienRecord& gone = coreState.game.alienTable[1];
  coreState.game.Quadrant(gone.quadrant).cells[gone.sectorY][gone.sectorX] = 0x0200;  // an empty cell with a frame
  --coreState.game.Quadrant(gone.quadrant).alienCount;
  gone.quadrant = -1;
  --coreState.game.aliensRemaining;
  gone.reserved[1] = 0x5A;
  gone.lastAttackTick = 0xFFFFFFF0u;
  coreState.game.galaxy[63].reserved[0] = 0xA5;
  coreState.game.stardateNow = coreState.game.stardateStart + 12.345678;
  coreState.game.Damage(ShipSystem::Computer) = -1.0;
  ASSERT_EQ(FindInconsistency(coreState.game), "");

  const Bytes saved = EncodeSavedGame(coreState.game);
  ASSERT_TRUE(Decode(saved).Ok());
  EXPECT_EQ(EncodeSavedGame(loaded), saved);
  EXPECT_EQ(loaded.alienTable[1].reserved[1], 0x5A);
  EXPECT_EQ(loaded.galaxy[63].reserved[0], 0xA5);

  coreState.game = GameState{};
  AdoptSavedGame(std::move(loaded));
  EXPECT_EQ(EncodeSavedGame(coreState.game), saved);
}

struct Corruption {
  const char* name;
  std::function<void(Bytes&)> apply;
  MessageId expected;
  const char* reason;  // what the player is told is wrong, in part
};
void PrintTo(const Corruption& row, std::ostream* os) { *os << row.name; }

class RejectedFile : public SavedGame, public ::testing::WithParamInterface<Corruption> {};

TEST_P(RejectedFile, IsReportedAndLeavesTheTargetAlone) {
  Bytes bytes = EncodeSavedGame(coreState.game);
  GetParam().apply(bytes);
  loaded.stardateNow = 77.0;
  const DecodeOutcome outcome = Decode(bytes);
  EXPECT_EQ(outcome.error, GetParam().expected);
  EXPECT_NE(outcome.problem.find(GetParam().reason), std::string::npos)
      << "told: " << outcome.problem << "; expected it to say: " << GetParam().reason;
  EXPECT_EQ(loaded.stardateNow, 77.0);
}

// Shorthands for the first live alien and its cell.
void MoveFirstAlienRecord(Bytes& b, int x) { PutI32(b, AlienAt(0) + 4, x); }

// Makes the first alien one of `kind` with the energy and intervals given, in its record and
// its cell.
void MakeFirstAlien(Bytes& b, AlienKind kind, int energy, int moveInterval, int attackInterval) {
  const int q = GetI32(b, AlienAt(0)), x = GetI32(b, AlienAt(0) + 4), y = GetI32(b, AlienAt(0) + 8);
  PutU16(b, CellAt(q, x, y), static_cast<std::uint16_t>(kind));
  b[AlienAt(0) + 12] = static_cast<std::uint8_t>(kind);
  PutI32(b, AlienAt(0) + 16, energy);
  PutI32(b, AlienAt(0) + 20, moveInterval);
  PutI32(b, AlienAt(0) + 24, attackInterval);
}

// Grows the alien table to `total` records; the new ones are destroyed aliens.
void GrowAlienTable(Bytes& b, int total) {
  const int old = GetI32(b, 0x2420);
  b.resize(AlienAt(total));
  for (int i = old; i < total; ++i) PutI32(b, AlienAt(i), -1);
  PutI32(b, 0x2420, total);
}

INSTANTIATE_TEST_SUITE_P(
    Corruptions, RejectedFile,
    ::testing::Values(
        Corruption{"Empty", [](Bytes& b) { b.clear(); }, Msg::ReadErrorText, "the file is empty"},
        Corruption{"MagicWithoutItsZero", [](Bytes& b) { b[3] = 'X'; }, Msg::NotAGameFileText, "the file does not begin with KVF"},
        Corruption{"SomethingElse", [](Bytes& b) { b = {'P', 'K', 3, 4, 0}; }, Msg::NotAGameFileText, "the file does not begin with KVF"},
        Corruption{"OnlyTheMagic", [](Bytes& b) { b.resize(4); }, Msg::ReadErrorText, "less than a game's header"},
        Corruption{"ShortHeader", [](Bytes& b) { b.resize(SavedGameHeaderSize - 1); }, Msg::ReadErrorText, "less than a game's header"},
        Corruption{"ShortAlienTable", [](Bytes& b) { b.pop_back(); }, Msg::ReadErrorText, "aliens make"},
        Corruption{"TrailingBytes", [](Bytes& b) { b.push_back(0); }, Msg::ReadErrorText, "aliens make"},
        Corruption{"NegativeAlienTotal", [](Bytes& b) { PutI32(b, 0x2420, -1); }, Msg::ReadErrorText, "the file claims -1 aliens"},
        Corruption{"AbsurdAlienTotal", [](Bytes& b) { PutI32(b, 0x2420, 0x7FFFFFFF); }, Msg::ReadErrorText, "the file claims 2147483647 aliens"},
        Corruption{"FewerAliensThanRecordsSay", [](Bytes& b) { PutI32(b, 0x2420, GetI32(b, 0x2420) - 1); b.resize(b.size() - 36); }, Msg::ReadErrorText, "alien records for its cell"},
        Corruption{"RemainingMiscounted", [](Bytes& b) { PutI32(b, 0x2424, GetI32(b, 0x2424) + 1); }, Msg::ReadErrorText, "are said to remain"},
        Corruption{"UnknownSkill", [](Bytes& b) { PutI32(b, 4, 6); }, Msg::ReadErrorText, "the skill level 6 does not exist"},
        Corruption{"ShipOutsideTheGalaxy", [](Bytes& b) { PutI32(b, 0x24E0, 64); }, Msg::ReadErrorText, "lies outside the galaxy"},
        Corruption{"ShipOffTheGrid", [](Bytes& b) { PutI32(b, 0x24E8, -1); }, Msg::ReadErrorText, "lies outside the galaxy"},
        Corruption{"ShipNotInItsCell", [](Bytes& b) { PutI32(b, 0x24E4, (GetI32(b, 0x24E4) + 1) % 8); }, Msg::ReadErrorText, "the ship is not in its own sector"},
        Corruption{"SecondShip", [](Bytes& b) { PutU16(b, CellAt(0, 0, 0), 1); PutU16(b, CellAt(0, 0, 1), 2); }, Msg::ReadErrorText, "ships instead of one"},
        Corruption{"UnknownObject", [](Bytes& b) { PutU16(b, CellAt(5, 0, 0), 0x21); }, Msg::ReadErrorText, "quadrant 5 sector 1,1 holds the unknown value 0x0021"},
        Corruption{"FrameOutOfRange", [](Bytes& b) { PutU16(b, CellAt(5, 0, 0), 0x0400); }, Msg::ReadErrorText, "quadrant 5 sector 1,1 holds the unknown value 0x0400"},
        Corruption{"StarMiscounted", [](Bytes& b) { PutI32(b, QuadrantAt(9), GetI32(b, QuadrantAt(9)) + 1); }, Msg::ReadErrorText, "quadrant 9 counts"},
        Corruption{"OverfullQuadrant", [](Bytes& b) {
                     for (int y = 0; y < 4; ++y) for (int x = 0; x < 8; ++x) if (b[CellAt(9, x, y)] == 0) PutU16(b, CellAt(9, x, y), 8);
                     int stars = 0;
                     for (int y = 0; y < 8; ++y) for (int x = 0; x < 8; ++x) stars += b[CellAt(9, x, y)] == 8 || b[CellAt(9, x, y)] == 16 || b[CellAt(9, x, y)] == 24;
                     PutI32(b, QuadrantAt(9), stars);
                   }, Msg::ReadErrorText, "quadrant 9 holds more objects than a quadrant can"},
        Corruption{"AlienOffTheGrid", [](Bytes& b) { MoveFirstAlienRecord(b, 8); }, Msg::ReadErrorText, "alien 0 stands outside the galaxy"},
        Corruption{"AlienQuadrantBelowDestroyed", [](Bytes& b) { PutI32(b, AlienAt(0), -2); }, Msg::ReadErrorText, "alien 0 stands outside the galaxy"},
        Corruption{"AlienNotInItsCell", [](Bytes& b) { MoveFirstAlienRecord(b, (GetI32(b, AlienAt(0) + 4) + 1) % 8); }, Msg::ReadErrorText, "alien 0 is not in the sector it claims"},
        Corruption{"AlienOfUnknownKind", [](Bytes& b) { b[AlienAt(0) + 12] = 0x10; }, Msg::ReadErrorText, "alien 0 is of the unknown kind 0x10"},
        Corruption{"AlienWithoutEnergy", [](Bytes& b) { PutI32(b, AlienAt(0) + 16, 0); }, Msg::ReadErrorText, "is alive with energy 0"},
        Corruption{"TwoRecordsForOneAlien", [](Bytes& b) { std::memcpy(&b[AlienAt(1)], &b[AlienAt(0)], 36); PutI32(b, 0x2424, GetI32(b, 0x2424) - 1); }, Msg::ReadErrorText, "alien records for its cell"},
        Corruption{"StardateNotANumber", [](Bytes& b) { PutF64(b, 0x2418, std::nan("")); }, Msg::ReadErrorText, "the stardates or the mission length are not sensible numbers"},
        Corruption{"ImpossibleDamage", [](Bytes& b) { PutF64(b, 0x2438, -0.5); }, Msg::ReadErrorText, "system 0 has an impossible damage state"},
        Corruption{"TooManyTorpedoes", [](Bytes& b) { PutI32(b, 0x2430, 11); }, Msg::ReadErrorText, "are impossible"},
        Corruption{"NegativeTorpedoes", [](Bytes& b) { PutI32(b, 0x2430, -1); }, Msg::ReadErrorText, "are impossible"},
        Corruption{"NegativeShields", [](Bytes& b) { PutI32(b, 0x242C, -1); }, Msg::ReadErrorText, "are impossible"},
        Corruption{"NegativeSkill", [](Bytes& b) { PutI32(b, 4, -1); }, Msg::ReadErrorText, "the skill level -1 does not exist"},
        Corruption{"ShipRightOfTheGrid", [](Bytes& b) { PutI32(b, 0x24E4, 8); }, Msg::ReadErrorText, "lies outside the galaxy"},
        Corruption{"ShipBelowTheGrid", [](Bytes& b) { PutI32(b, 0x24E8, 8); }, Msg::ReadErrorText, "lies outside the galaxy"},
        Corruption{"NegativeShipQuadrant", [](Bytes& b) { PutI32(b, 0x24E0, -1); }, Msg::ReadErrorText, "lies outside the galaxy"},
        Corruption{"RerouteSwitchNeitherOnNorOff", [](Bytes& b) { PutI32(b, 0x24EC, 2); }, Msg::ReadErrorText, "neither on nor off"},
        Corruption{"DamageJustBelowRepairable", [](Bytes& b) { PutF64(b, 0x2438, -0.001); }, Msg::ReadErrorText, "impossible damage state"},
        Corruption{"NegativeStardate", [](Bytes& b) { PutF64(b, 0x2418, -0.5); }, Msg::ReadErrorText, "not sensible numbers"},
        // Figures no mission reaches: more than generation gives, or a ship fuller than docking fills it.
        Corruption{"AlienWithAMillionUnits", [](Bytes& b) { PutI32(b, AlienAt(0) + 16, 1000000); }, Msg::ReadErrorText, "alien 0 has 1000000 units of energy"},
        Corruption{"BorgStrongerThanAnySkillMakesOne", [](Bytes& b) { MakeFirstAlien(b, AlienKind::Borg, 1075, 40000, 40000); }, Msg::ReadErrorText, "none of its kind has more than 1074"},
        Corruption{"KlingonWithABorgsEnergy", [](Bytes& b) { MakeFirstAlien(b, AlienKind::Klingon, 1074, 20000, 30000); }, Msg::ReadErrorText, "none of its kind has more than 374"},
        Corruption{"AlienFiringWithoutPause", [](Bytes& b) { PutI32(b, AlienAt(0) + 24, 0); }, Msg::ReadErrorText, "fires every 0 ms"},
        Corruption{"FarengiFiringFasterThanAnyCan", [](Bytes& b) { MakeFirstAlien(b, AlienKind::Farengi, 100, 20000, 9999); }, Msg::ReadErrorText, "fires every 9999 ms"},
        Corruption{"AlienThatNeverMoves", [](Bytes& b) { PutI32(b, AlienAt(0) + 20, 0x7FFFFFFF); }, Msg::ReadErrorText, "moves every 2147483647 ms"},
        Corruption{"MoreStarsThanAnyMission", [](Bytes& b) { PutI32(b, 0x240C, 225); }, Msg::ReadErrorText, "the totals of 225 stars"},
        Corruption{"MoreStarbasesThanAnyMission", [](Bytes& b) { PutI32(b, 0x2408, 6); }, Msg::ReadErrorText, "6 starbases"},
        Corruption{"MoreAliensThanAnyMission", [](Bytes& b) { GrowAlienTable(b, 50); }, Msg::ReadErrorText, "50 aliens are impossible"},
        Corruption{"StartBetweenStardates", [](Bytes& b) { PutF64(b, 0x2410, 1500.5); PutF64(b, 0x2418, 1500.5); }, Msg::ReadErrorText, "a mission starting on stardate 1500.5"},
        Corruption{"LongerThanAnyOrders", [](Bytes& b) { PutF64(b, 0x24D8, 44.0); }, Msg::ReadErrorText, "for 44.0 days is impossible"},
        Corruption{"StardateBeforeTheMission", [](Bytes& b) { PutF64(b, 0x2418, GetF64(b, 0x2410) - 0.1); }, Msg::ReadErrorText, "not sensible numbers"},
        Corruption{"EnergyBeyondAFullShip", [](Bytes& b) { PutI32(b, 0x2428, 3001); PutI32(b, 0x242C, 0); }, Msg::ReadErrorText, "the supplies 3001/0/"},
        Corruption{"ShipAndShieldsBeyondAFullShip", [](Bytes& b) { PutI32(b, 0x2428, 2000); PutI32(b, 0x242C, 1001); }, Msg::ReadErrorText, "the supplies 2000/1001/"},
        Corruption{"SuppliesThatOverflowAnInt", [](Bytes& b) { PutI32(b, 0x2428, 0x7FFFFFFF); PutI32(b, 0x242C, 0x7FFFFFFF); }, Msg::ReadErrorText, "are impossible"},
        Corruption{"EnergyBelowTheLastClockStep", [](Bytes& b) { PutI32(b, 0x2428, -2); }, Msg::ReadErrorText, "the supplies -2/"}),
    [](const auto& row) { return std::string(row.param.name); });

// Values at the very edges of what a game can hold are a game: the reader's bounds are not
// one off on the inside.
struct Edge {
  const char* name;
  std::function<void(Bytes&)> apply;
};
void PrintTo(const Edge& row, std::ostream* os) { *os << row.name; }

class AcceptedEdge : public SavedGame, public ::testing::WithParamInterface<Edge> {};

TEST_P(AcceptedEdge, IsReadAsAGame) {
  Bytes bytes = EncodeSavedGame(coreState.game);
  GetParam().apply(bytes);
  const DecodeOutcome outcome = Decode(bytes);
  EXPECT_TRUE(outcome.Ok()) << outcome.problem;
}

// Moves the ship to sector (x, y) of its quadrant, which the mission leaves empty or empties.
void MoveShip(Bytes& b, int x, int y) {
  const int q = GetI32(b, 0x24E0);
  const int oldX = GetI32(b, 0x24E4), oldY = GetI32(b, 0x24E8);
  std::uint16_t target;
  std::memcpy(&target, &b[CellAt(q, x, y)], 2);
  ASSERT_EQ(target & 0xFF, 0) << "the test needs sector " << x << "," << y << " empty";
  PutU16(b, CellAt(q, oldX, oldY), 0);
  PutU16(b, CellAt(q, x, y), x > 3 ? 1 : 2);
  PutI32(b, 0x24E4, x);
  PutI32(b, 0x24E8, y);
}

INSTANTIATE_TEST_SUITE_P(Edges, AcceptedEdge,
                         ::testing::Values(Edge{"SkillCrewman", [](Bytes& b) { PutI32(b, 4, 0); }},
                                           Edge{"SkillAdmiral", [](Bytes& b) { PutI32(b, 4, 5); }},
                                           Edge{"NoTorpedoes", [](Bytes& b) { PutI32(b, 0x2430, 0); }},
                                           Edge{"TenTorpedoes", [](Bytes& b) { PutI32(b, 0x2430, 10); }},
                                           Edge{"ShieldsEmpty", [](Bytes& b) { PutI32(b, 0x242C, 0); }},
                                           Edge{"EnergyOverdrawn", [](Bytes& b) { PutI32(b, 0x2428, -1); }},
                                           Edge{"SystemDestroyed", [](Bytes& b) { PutF64(b, 0x2438, -1.0); }},
                                           Edge{"SystemJustRepaired", [](Bytes& b) { PutF64(b, 0x2438, 0.0); }},
                                           Edge{"SystemBarelyDamaged", [](Bytes& b) { PutF64(b, 0x2438, 0.001); }},
                                           Edge{"MessagesRerouted", [](Bytes& b) { PutI32(b, 0x24EC, 1); }},
                                           Edge{"MessagesOnThePanel", [](Bytes& b) { PutI32(b, 0x24EC, 0); }},
                                           Edge{"FirstQuadrant",
                                                [](Bytes& b) {
                                                  // The whole ship's quadrant moves to quadrant 0 and back in the
                                                  // picture.
                                                  const int q = GetI32(b, 0x24E0);
                                                  std::vector<std::uint8_t> there(&b[QuadrantAt(q)],
                                                                                  &b[QuadrantAt(q)] + 144);
                                                  std::memcpy(&b[QuadrantAt(q)], &b[QuadrantAt(0)], 144);
                                                  std::memcpy(&b[QuadrantAt(0)], there.data(), 144);
                                                  PutI32(b, 0x24E0, 0);
                                                  for (int i = 0; i < GetI32(b, 0x2420); ++i) {
                                                    const int at = GetI32(b, AlienAt(i));
                                                    if (at == q)
                                                      PutI32(b, AlienAt(i), 0);
                                                    else if (at == 0)
                                                      PutI32(b, AlienAt(i), q);
                                                  }
                                                }},
                                           Edge{"TopLeftSector", [](Bytes& b) { MoveShip(b, 0, 0); }},
                                           Edge{"BottomRightSector", [](Bytes& b) { MoveShip(b, 7, 7); }},
                                           Edge{"DestroyedAlienRecord",
                                                [](Bytes& b) {
                                                  const int q = GetI32(b, AlienAt(0)), x = GetI32(b, AlienAt(0) + 4),
                                                            y = GetI32(b, AlienAt(0) + 8);
                                                  PutU16(b, CellAt(q, x, y), 0);
                                                  PutI32(b, QuadrantAt(q) + 8, GetI32(b, QuadrantAt(q) + 8) - 1);
                                                  PutI32(b, 0x2424, GetI32(b, 0x2424) - 1);
                                                  PutI32(b, AlienAt(0), -1);
                                                }},
                                           Edge{"AlienWithOneUnitLeft",
                                                [](Bytes& b) { PutI32(b, AlienAt(0) + 16, 1); }}),
                         [](const auto& row) { return std::string(row.param.name); });

// The strongest and the quickest of what generation gives, a ship full between its energy and
// its shields, the ends of the mission's clock.
INSTANTIATE_TEST_SUITE_P(
    FiguresAMissionReaches, AcceptedEdge,
    ::testing::Values(
        Edge{"StardateOfTheStart", [](Bytes& b) { PutF64(b, 0x2418, GetF64(b, 0x2410)); }},
        Edge{"StrongestAndSlowestBorg", [](Bytes& b) { MakeFirstAlien(b, AlienKind::Borg, 1074, 59999, 64999); }},
        Edge{"QuickestFarengi", [](Bytes& b) { MakeFirstAlien(b, AlienKind::Farengi, 224, 15000, 10000); }},
        Edge{"FullShipSharedWithTheShields",
             [](Bytes& b) {
               PutI32(b, 0x2428, 1500);
               PutI32(b, 0x242C, 1500);
             }},
        Edge{"LatestStartLongestMission",
             [](Bytes& b) {
               PutF64(b, 0x2410, 7999.0);
               PutF64(b, 0x2418, 7999.0);
               PutF64(b, 0x24D8, 43.0);
             }},
        Edge{"EarliestStartShortestMission",
             [](Bytes& b) {
               PutF64(b, 0x2410, 1000.0);
               PutF64(b, 0x2418, 1000.0);
               PutF64(b, 0x24D8, 34.0);
             }},
        Edge{"ManyDaysPastTheDeadline",
             [](Bytes& b) {
               // ADV moves the clock on with no evaluation in between.
               PutF64(b, 0x2418, GetF64(b, 0x2410) + 500.0);
             }},
        Edge{"MostAliensAnyMissionHas", [](Bytes& b) { GrowAlienTable(b, 49); }}),
    [](const auto& row) { return std::string(row.param.name); });

// Whatever the bytes, the reader answers; the fuzzer goes much further than this.
TEST_F(SavedGame, RandomDamageNeverCrashesTheReader) {
  const Bytes original = EncodeSavedGame(coreState.game);
  std::uint32_t noise = 99;
  for (int round = 0; round < 3000; ++round) {
    Bytes bytes = original;
    for (int flips = 0; flips < 1 + round % 4; ++flips) {
      noise = noise * 1664525u + 1013904223u;
      bytes[noise % bytes.size()] ^= static_cast<std::uint8_t>(1u << (noise >> 29));
    }
    if (round % 7 == 0) bytes.resize(noise % (bytes.size() + 50));
    if (Decode(bytes).Ok()) {
      EXPECT_EQ(FindInconsistency(loaded), "");
    }
  }
}
}  // namespace
