#include <bit>
#include <cmath>
#include <cstring>
#include <functional>

#include "core_fixture.h"
#include "game_invariants.h"
#include "new_game.h"
#include "options.h"
#include "random.h"
#include "saved_game.h"

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
std::size_t QuadrantAt(int q) { return 8 + 144 * static_cast<std::size_t>(q); }
std::size_t CellAt(int q, int x, int y) { return QuadrantAt(q) + 14 + 16 * y + 2 * x; }
std::size_t AlienAt(int i) { return SavedGameHeaderSize + 36 * static_cast<std::size_t>(i); }

static_assert(std::endian::native == std::endian::little, "these tests poke little-endian values in place");

class SavedGame : public CoreTest {
 protected:
  void SetUp() override {
    CoreTest::SetUp();
    lcg::Seed(4242);
    game.skillLevel = SkillLevel::Yeoman;
    NewGame();
  }
  DecodeOutcome Decode(const Bytes& bytes) { return DecodeSavedGame(bytes, loaded); }
  GameState loaded;
};

TEST_F(SavedGame, TheLayoutPutsEachFieldAtItsOffset) {
  game.shipEnergy = 2345;
  game.missionLength = 41.0;
  game.Damage(ShipSystem::Shield) = 1.5;
  game.RepairDate(ShipSystem::MessageDisplay) = 3001.25;
  game.messagesToComputer = 1;
  const Bytes b = EncodeSavedGame(game);
  ASSERT_EQ(b.size(), SavedGameHeaderSize + 36 * static_cast<std::size_t>(game.alienTotal));
  EXPECT_EQ(std::memcmp(b.data(), "KVF", 4), 0);
  EXPECT_EQ(GetI32(b, 4), static_cast<int>(SkillLevel::Yeoman));
  EXPECT_EQ(GetI32(b, QuadrantAt(game.shipQuadrant) + 14 + 16 * game.shipSectorY + 2 * game.shipSectorX) & 0xFF,
            game.shipSectorX > 3 ? 1 : 2);
  EXPECT_EQ(GetI32(b, 0x2408), game.starbaseTotal);
  EXPECT_EQ(GetI32(b, 0x2420), game.alienTotal);
  EXPECT_EQ(GetI32(b, 0x2428), 2345);
  double shieldDamage, messageRepair, length;
  std::memcpy(&shieldDamage, &b[0x2438 + 8 * 5], 8);
  std::memcpy(&messageRepair, &b[0x2488 + 8 * 9], 8);
  std::memcpy(&length, &b[0x24D8], 8);
  EXPECT_EQ(shieldDamage, 1.5);
  EXPECT_EQ(messageRepair, 3001.25);
  EXPECT_EQ(length, 41.0);
  EXPECT_EQ(GetI32(b, 0x24E0), game.shipQuadrant);
  EXPECT_EQ(GetI32(b, 0x24EC), 1);
  EXPECT_EQ(GetI32(b, AlienAt(0)), game.alienTable[0].quadrant);
  EXPECT_EQ(b[AlienAt(0) + 12], game.alienTable[0].kind);
}

TEST_F(SavedGame, ASkill0GameWith20AliensTakes10176Bytes) {
  for (std::uint32_t seed = 0;; ++seed) {
    ResetProgramState(recorder);
    lcg::Seed(seed);
    game.skillLevel = SkillLevel::Crewman;
    NewGame();
    if (game.alienTotal == 20) break;
  }
  EXPECT_EQ(EncodeSavedGame(game).size(), 10176u);
}

TEST_F(SavedGame, RoundTripKeepsEveryStoredByte) {
  // A destroyed alien, reserved bytes and odd stardates all survive.
  AlienRecord& gone = game.alienTable[1];
  game.galaxy[gone.quadrant].cells[gone.sectorY][gone.sectorX] = 0x0200;  // an empty cell with a frame
  --game.galaxy[gone.quadrant].alienCount;
  gone.quadrant = -1;
  --game.aliensRemaining;
  gone.reserved[1] = 0x5A;
  gone.lastAttackTick = 0xFFFFFFF0u;
  game.galaxy[63].reserved[0] = 0xA5;
  game.stardateNow = 1234.5678;
  game.Damage(ShipSystem::Computer) = -1.0;
  ASSERT_EQ(FindInconsistency(game), "");

  const Bytes saved = EncodeSavedGame(game);
  ASSERT_TRUE(Decode(saved).Ok());
  EXPECT_EQ(EncodeSavedGame(loaded), saved);
  EXPECT_EQ(loaded.alienTable[1].reserved[1], 0x5A);
  EXPECT_EQ(loaded.galaxy[63].reserved[0], 0xA5);

  game = GameState{};
  AdoptSavedGame(std::move(loaded));
  EXPECT_EQ(EncodeSavedGame(game), saved);
}

struct Corruption {
  const char* name;
  std::function<void(Bytes&)> apply;
  MessageId expected;
};

class RejectedFile : public SavedGame, public ::testing::WithParamInterface<Corruption> {};

TEST_P(RejectedFile, IsReportedAndLeavesTheTargetAlone) {
  Bytes bytes = EncodeSavedGame(game);
  GetParam().apply(bytes);
  loaded.stardateNow = 77.0;
  const DecodeOutcome outcome = Decode(bytes);
  EXPECT_EQ(outcome.error, GetParam().expected);
  EXPECT_FALSE(outcome.problem.empty());
  EXPECT_EQ(loaded.stardateNow, 77.0);
}

// Shorthands for the first live alien and its cell.
void MoveFirstAlienRecord(Bytes& b, int x) { PutI32(b, AlienAt(0) + 4, x); }

INSTANTIATE_TEST_SUITE_P(
    Corruptions, RejectedFile,
    ::testing::Values(
        Corruption{"Empty", [](Bytes& b) { b.clear(); }, Msg::ReadErrorText},
        Corruption{"MagicWithoutItsZero", [](Bytes& b) { b[3] = 'X'; }, Msg::NotAGameFileText},
        Corruption{"SomethingElse", [](Bytes& b) { b = {'P', 'K', 3, 4, 0}; }, Msg::NotAGameFileText},
        Corruption{"OnlyTheMagic", [](Bytes& b) { b.resize(4); }, Msg::ReadErrorText},
        Corruption{"ShortHeader", [](Bytes& b) { b.resize(SavedGameHeaderSize - 1); }, Msg::ReadErrorText},
        Corruption{"ShortAlienTable", [](Bytes& b) { b.pop_back(); }, Msg::ReadErrorText},
        Corruption{"TrailingBytes", [](Bytes& b) { b.push_back(0); }, Msg::ReadErrorText},
        Corruption{"NegativeAlienTotal", [](Bytes& b) { PutI32(b, 0x2420, -1); }, Msg::ReadErrorText},
        Corruption{"AbsurdAlienTotal", [](Bytes& b) { PutI32(b, 0x2420, 0x7FFFFFFF); }, Msg::ReadErrorText},
        Corruption{"FewerAliensThanRecordsSay", [](Bytes& b) { PutI32(b, 0x2420, GetI32(b, 0x2420) - 1); b.resize(b.size() - 36); }, Msg::ReadErrorText},
        Corruption{"RemainingMiscounted", [](Bytes& b) { PutI32(b, 0x2424, GetI32(b, 0x2424) + 1); }, Msg::ReadErrorText},
        Corruption{"UnknownSkill", [](Bytes& b) { PutI32(b, 4, 6); }, Msg::ReadErrorText},
        Corruption{"ShipOutsideTheGalaxy", [](Bytes& b) { PutI32(b, 0x24E0, 64); }, Msg::ReadErrorText},
        Corruption{"ShipOffTheGrid", [](Bytes& b) { PutI32(b, 0x24E8, -1); }, Msg::ReadErrorText},
        Corruption{"ShipNotInItsCell", [](Bytes& b) { PutI32(b, 0x24E4, (GetI32(b, 0x24E4) + 1) % 8); }, Msg::ReadErrorText},
        Corruption{"SecondShip", [](Bytes& b) { PutU16(b, CellAt(0, 0, 0), 1); PutU16(b, CellAt(0, 0, 1), 2); }, Msg::ReadErrorText},
        Corruption{"UnknownObject", [](Bytes& b) { PutU16(b, CellAt(5, 0, 0), 0x21); }, Msg::ReadErrorText},
        Corruption{"FrameOutOfRange", [](Bytes& b) { PutU16(b, CellAt(5, 0, 0), 0x0400); }, Msg::ReadErrorText},
        Corruption{"StarMiscounted", [](Bytes& b) { PutI32(b, QuadrantAt(9), GetI32(b, QuadrantAt(9)) + 1); }, Msg::ReadErrorText},
        Corruption{"OverfullQuadrant", [](Bytes& b) {
                     for (int y = 0; y < 4; ++y) for (int x = 0; x < 8; ++x) if (b[CellAt(9, x, y)] == 0) PutU16(b, CellAt(9, x, y), 8);
                     int stars = 0;
                     for (int y = 0; y < 8; ++y) for (int x = 0; x < 8; ++x) stars += b[CellAt(9, x, y)] == 8 || b[CellAt(9, x, y)] == 16 || b[CellAt(9, x, y)] == 24;
                     PutI32(b, QuadrantAt(9), stars);
                   }, Msg::ReadErrorText},
        Corruption{"AlienOffTheGrid", [](Bytes& b) { MoveFirstAlienRecord(b, 8); }, Msg::ReadErrorText},
        Corruption{"AlienQuadrantBelowDestroyed", [](Bytes& b) { PutI32(b, AlienAt(0), -2); }, Msg::ReadErrorText},
        Corruption{"AlienNotInItsCell", [](Bytes& b) { MoveFirstAlienRecord(b, (GetI32(b, AlienAt(0) + 4) + 1) % 8); }, Msg::ReadErrorText},
        Corruption{"AlienOfUnknownKind", [](Bytes& b) { b[AlienAt(0) + 12] = 0x10; }, Msg::ReadErrorText},
        Corruption{"AlienWithoutEnergy", [](Bytes& b) { PutI32(b, AlienAt(0) + 16, 0); }, Msg::ReadErrorText},
        Corruption{"TwoRecordsForOneAlien", [](Bytes& b) { std::memcpy(&b[AlienAt(1)], &b[AlienAt(0)], 36); PutI32(b, 0x2424, GetI32(b, 0x2424) - 1); }, Msg::ReadErrorText},
        Corruption{"StardateNotANumber", [](Bytes& b) { PutF64(b, 0x2418, std::nan("")); }, Msg::ReadErrorText},
        Corruption{"ImpossibleDamage", [](Bytes& b) { PutF64(b, 0x2438, -0.5); }, Msg::ReadErrorText},
        Corruption{"TooManyTorpedoes", [](Bytes& b) { PutI32(b, 0x2430, 11); }, Msg::ReadErrorText}),
    [](const auto& info) { return std::string(info.param.name); });

// Whatever the bytes, the reader answers; the fuzzer goes much further than this.
TEST_F(SavedGame, RandomDamageNeverCrashesTheReader) {
  const Bytes original = EncodeSavedGame(game);
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
