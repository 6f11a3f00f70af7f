#include "core/saved_game.h"

#include <bit>
#include <cassert>
#include <cmath>
#include <cstring>

#include "core/conditions.h"
#include "core/core_state.h"
#include "core/format_text.h"
#include "core/game_invariants.h"
#include "core/new_game.h"

namespace {
constexpr char Magic[4] = {'K', 'V', 'F', '\0'};

// Offsets in the header.
constexpr std::size_t SkillAt = 4;
constexpr std::size_t GalaxyAt = 8;
constexpr std::size_t ScalarsAt = GalaxyAt + sizeof(Galaxy);  // 9224
static_assert(ScalarsAt == 0x2408);

// ADV can push the clock on without limit, but no player types it a hundred thousand times;
// refusing stardates and repair times beyond this keeps every conversion of one defined.
constexpr double MaxStardate = 1.0e6;

class Writer {
 public:
  explicit Writer(std::size_t size) : bytes_(size, 0) {}
  void U8(std::uint8_t v) { bytes_[at_++] = v; }
  void U16(std::uint16_t v) {
    U8(static_cast<std::uint8_t>(v));
    U8(static_cast<std::uint8_t>(v >> 8));
  }
  void U32(std::uint32_t v) {
    U16(static_cast<std::uint16_t>(v));
    U16(static_cast<std::uint16_t>(v >> 16));
  }
  void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
  void F64(double v) {
    const auto bits = std::bit_cast<std::uint64_t>(v);
    U32(static_cast<std::uint32_t>(bits));
    U32(static_cast<std::uint32_t>(bits >> 32));
  }
  void Bytes(const void* data, std::size_t n) {
    std::memcpy(bytes_.data() + at_, data, n);
    at_ += n;
  }
  std::size_t Offset() const { return at_; }
  std::vector<std::uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
  std::size_t at_ = 0;
};

// Reads from a span whose length the caller has checked.
class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::uint8_t U8() { return bytes_[at_++]; }
  std::uint16_t U16() {
    const std::uint16_t low = U8();
    return static_cast<std::uint16_t>(low | U8() << 8);
  }
  std::uint32_t U32() {
    const std::uint32_t low = U16();
    return low | static_cast<std::uint32_t>(U16()) << 16;
  }
  std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
  double F64() {
    const std::uint64_t low = U32();
    return std::bit_cast<double>(low | static_cast<std::uint64_t>(U32()) << 32);
  }
  void Bytes(void* data, std::size_t n) {
    std::memcpy(data, bytes_.data() + at_, n);
    at_ += n;
  }
  void Skip(std::size_t n) { at_ += n; }
  std::size_t Offset() const { return at_; }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t at_ = 0;
};

void WriteQuadrant(Writer& w, const QuadrantRecord& q) {
  w.I32(q.starCount);
  w.I32(q.starbaseCount);
  w.I32(q.alienCount);
  w.U16(q.flags);
  for (const auto& row : q.cells)
    for (SectorCell cell : row) w.U16(cell);
  w.Bytes(q.reserved, sizeof q.reserved);
}

void ReadQuadrant(Reader& r, QuadrantRecord& q) {
  q.starCount = r.I32();
  q.starbaseCount = r.I32();
  q.alienCount = r.I32();
  q.flags = r.U16();
  for (auto& row : q.cells)
    for (SectorCell& cell : row) cell = r.U16();
  r.Bytes(q.reserved, sizeof q.reserved);
}

void WriteAlien(Writer& w, const AlienRecord& a) {
  w.I32(a.quadrant);
  w.I32(a.sectorX);
  w.I32(a.sectorY);
  w.U8(a.kind);
  w.Bytes(a.reserved, sizeof a.reserved);
  w.I32(a.energy);
  w.I32(a.moveInterval);
  w.I32(a.attackInterval);
  w.U32(a.lastMoveTick);
  w.U32(a.lastAttackTick);
}

void ReadAlien(Reader& r, AlienRecord& a) {
  a.quadrant = r.I32();
  a.sectorX = r.I32();
  a.sectorY = r.I32();
  a.kind = r.U8();
  r.Bytes(a.reserved, sizeof a.reserved);
  a.energy = r.I32();
  a.moveInterval = r.I32();
  a.attackInterval = r.I32();
  a.lastMoveTick = r.U32();
  a.lastAttackTick = r.U32();
}

void ReadScalars(Reader& r, GameState& s) {
  s.starbaseTotal = r.I32();
  s.starTotal = r.I32();
  s.stardateStart = r.F64();
  s.stardateNow = r.F64();
  s.alienTotal = r.I32();
  s.aliensRemaining = r.I32();
  s.shipEnergy = r.I32();
  s.shieldEnergy = r.I32();
  s.torpedoCount = r.I32();
  r.Skip(4);  // alignment of the doubles that follow
  for (double& d : s.damage) d = r.F64();
  for (double& d : s.repairDate) d = r.F64();
  s.missionLength = r.F64();
  s.shipQuadrant = r.I32();
  s.shipSectorX = r.I32();
  s.shipSectorY = r.I32();
  s.messagesToComputer = r.I32();
}

bool StardateLike(double v) { return std::isfinite(v) && v >= 0.0 && v <= MaxStardate; }
bool WholeIn(double v, FigureBounds bounds) {
  return std::isfinite(v) && v == std::floor(v) && v >= bounds.least && v <= bounds.most;
}

// Figures no game reaches: the mission's totals and clock as generation draws them, supplies
// as a full ship holds them, time running forward.
std::string CheckScalars(const GameState& s) {
  const MissionBounds mission = GeneratedMissionBounds();
  if (!mission.stars.Hold(s.starTotal) || !mission.starbases.Hold(s.starbaseTotal) ||
      !mission.aliens.Hold(s.alienTotal))
    return FormatText("the totals of %d stars, %d starbases and %d aliens are impossible", s.starTotal, s.starbaseTotal,
                      s.alienTotal);
  if (!WholeIn(s.stardateStart, mission.startStardate) || !WholeIn(s.missionLength, mission.missionDays))
    return FormatText("a mission starting on stardate %.1f for %.1f days is impossible", s.stardateStart,
                      s.missionLength);
  if (!StardateLike(s.stardateNow) || s.stardateNow < s.stardateStart)
    return "the stardates or the mission length are not sensible numbers";
  const std::int64_t energyAboard = std::int64_t{s.shipEnergy} + s.shieldEnergy;  // any two ints add up
  if (s.shipEnergy < LeastShipEnergy || s.shieldEnergy < 0 || energyAboard > FullEnergy || s.torpedoCount < 0 ||
      s.torpedoCount > FullTorpedoes)
    return FormatText("the supplies %d/%d/%d are impossible", s.shipEnergy, s.shieldEnergy, s.torpedoCount);
  for (int i = 0; i < SystemCount; ++i) {
    const double damage = s.damage[static_cast<std::size_t>(i)];
    if (!(damage == -1.0 || (damage >= 0.0 && damage <= MaxStardate)) ||
        !StardateLike(s.repairDate[static_cast<std::size_t>(i)]))
      return FormatText("system %d has an impossible damage state", i);
  }
  if (s.messagesToComputer != 0 && s.messagesToComputer != 1)
    return "the message-rerouting switch is neither on nor off";
  return {};
}

// A live alien as generation made it, less the energy hits have taken.
std::string CheckAlienStrengths(const GameState& s) {
  for (std::size_t i = 0; i < s.alienTable.size(); ++i) {
    const AlienRecord& a = s.alienTable[i];
    const AlienStrengthBounds* strength = GeneratedAlienStrength(a.kind);
    if (a.quadrant == -1 || !strength) continue;  // destroyed, or a kind the consistency check refuses
    if (a.energy > strength->energy.most)
      return FormatText("alien %zu has %d units of energy; none of its kind has more than %d", i, a.energy,
                        strength->energy.most);
    if (!strength->moveInterval.Hold(a.moveInterval) || !strength->attackInterval.Hold(a.attackInterval))
      return FormatText("alien %zu moves every %d ms and fires every %d ms, faster or slower than any of its kind", i,
                        a.moveInterval, a.attackInterval);
  }
  return {};
}

DecodeOutcome Reject(MessageId error, std::string problem) { return {error, std::move(problem)}; }
}  // namespace

std::vector<std::uint8_t> EncodeSavedGame(const GameState& s) {
  const std::size_t aliens = s.alienTable.size();
  Writer w(SavedGameHeaderSize + SavedAlienSize * aliens);
  w.Bytes(Magic, sizeof Magic);
  w.I32(static_cast<std::int32_t>(s.skillLevel));
  for (const QuadrantRecord& q : s.galaxy) WriteQuadrant(w, q);
  w.I32(s.starbaseTotal);
  w.I32(s.starTotal);
  w.F64(s.stardateStart);
  w.F64(s.stardateNow);
  w.I32(static_cast<std::int32_t>(aliens));
  w.I32(s.aliensRemaining);
  w.I32(s.shipEnergy);
  w.I32(s.shieldEnergy);
  w.I32(s.torpedoCount);
  w.I32(0);  // alignment
  for (double d : s.damage) w.F64(d);
  for (double d : s.repairDate) w.F64(d);
  w.F64(s.missionLength);
  w.I32(s.shipQuadrant);
  w.I32(s.shipSectorX);
  w.I32(s.shipSectorY);
  w.I32(s.messagesToComputer);
  assert(w.Offset() == SavedGameHeaderSize);
  for (const AlienRecord& a : s.alienTable) WriteAlien(w, a);
  return w.Take();
}

DecodeOutcome DecodeSavedGame(std::span<const std::uint8_t> bytes, GameState& loaded) {
  if (bytes.empty()) return Reject(Msg::ReadErrorText, "the file is empty");
  const std::size_t magicBytes = std::min(bytes.size(), sizeof Magic);
  if (std::memcmp(bytes.data(), Magic, magicBytes) != 0)
    return Reject(Msg::NotAGameFileText, "the file does not begin with KVF");
  if (bytes.size() < SavedGameHeaderSize)
    return Reject(Msg::ReadErrorText, FormatText("the file holds %zu bytes, less than a game's header", bytes.size()));

  GameState s;
  Reader r(bytes);
  r.Skip(SkillAt);
  s.skillLevel = static_cast<SkillLevel>(r.I32());
  for (QuadrantRecord& q : s.galaxy) ReadQuadrant(r, q);
  ReadScalars(r, s);
  assert(r.Offset() == SavedGameHeaderSize);

  if (s.alienTotal < 0 || s.alienTotal > MaxSavedAliens)
    return Reject(Msg::ReadErrorText, FormatText("the file claims %d aliens", s.alienTotal));
  const std::size_t expected = SavedGameHeaderSize + SavedAlienSize * static_cast<std::size_t>(s.alienTotal);
  if (bytes.size() != expected)
    return Reject(Msg::ReadErrorText,
                  FormatText("the file holds %zu bytes; %d aliens make %zu", bytes.size(), s.alienTotal, expected));
  s.alienTable.resize(static_cast<std::size_t>(s.alienTotal));
  for (AlienRecord& a : s.alienTable) ReadAlien(r, a);

  if (std::string problem = CheckScalars(s); !problem.empty()) return Reject(Msg::ReadErrorText, std::move(problem));
  if (std::string problem = FindInconsistency(s); !problem.empty())
    return Reject(Msg::ReadErrorText, std::move(problem));
  if (std::string problem = CheckAlienStrengths(s); !problem.empty())
    return Reject(Msg::ReadErrorText, std::move(problem));
  loaded = std::move(s);
  return {};
}

void AdoptSavedGame(GameState&& loaded) {
  coreState.game.skillLevel = loaded.skillLevel;
  coreState.game.galaxy = loaded.galaxy;
  coreState.game.starbaseTotal = loaded.starbaseTotal;
  coreState.game.starTotal = loaded.starTotal;
  coreState.game.stardateStart = loaded.stardateStart;
  coreState.game.stardateNow = loaded.stardateNow;
  coreState.game.alienTotal = loaded.alienTotal;
  coreState.game.aliensRemaining = loaded.aliensRemaining;
  coreState.game.shipEnergy = loaded.shipEnergy;
  coreState.game.shieldEnergy = loaded.shieldEnergy;
  coreState.game.torpedoCount = loaded.torpedoCount;
  coreState.game.damage = loaded.damage;
  coreState.game.repairDate = loaded.repairDate;
  coreState.game.missionLength = loaded.missionLength;
  coreState.game.shipQuadrant = loaded.shipQuadrant;
  coreState.game.shipSectorX = loaded.shipSectorX;
  coreState.game.shipSectorY = loaded.shipSectorY;
  coreState.game.messagesToComputer = loaded.messagesToComputer;
  coreState.game.alienTable = std::move(loaded.alienTable);
}
