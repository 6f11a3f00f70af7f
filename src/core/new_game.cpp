#include "core/new_game.h"

#include <algorithm>

#include "core/conditions.h"
#include "core/console_print.h"
#include "core/core_state.h"
#include "core/end_game.h"
#include "core/format_directives.h"
#include "core/format_text.h"
#include "core/game_state.h"
#include "core/game_stations.h"
#include "core/host.h"
#include "core/journal_recorder.h"
#include "core/long_range_chart.h"
#include "core/message_catalogue.h"
#include "core/random.h"
#include "core/random_placement.h"
#include "core/ship_messages.h"

namespace {
// base + rand() % span, the shape of every count and strength drawn for a mission.
struct Range {
  int base;
  int span;
  int Draw() const { return base + lcg::rand() % span; }
};

struct SkillRow {
  Range starbases;
  Range stars;
  Range aliens;
  int klingonBelow;  // the kind roll (0..99) picks Klingon below this,
  int romulanBelow;  // Romulan below this,
  int farengiBelow;  // Farengi below this, Borg from here up
};

// Captain and Admiral draw their starbases as 1 + (rand() & 1), which is 1 + rand() % 2.
constexpr SkillRow SkillTable[] = {
    {{2, 4}, {50, 100}, {20, 10}, 55, 80, 98},   // Crewman
    {{2, 3}, {65, 100}, {25, 10}, 50, 80, 97},   // Yeoman
    {{1, 3}, {80, 100}, {30, 10}, 50, 80, 96},   // Officer
    {{1, 3}, {95, 100}, {35, 10}, 45, 80, 95},   // First Officer
    {{1, 2}, {110, 100}, {35, 10}, 40, 80, 94},  // Captain
    {{1, 2}, {125, 100}, {40, 10}, 40, 80, 94},  // Admiral
};

struct AlienStrength {
  AlienKind kind;
  Range attackInterval;  // ms
  Range moveInterval;    // ms
  Range energy;
};

constexpr AlienStrength AlienStrengths[] = {
    {AlienKind::Klingon, {25000, 25000}, {15000, 25000}, {150, 150}},
    {AlienKind::Romulan, {30000, 25000}, {20000, 25000}, {200, 150}},
    {AlienKind::Farengi, {20000, 20000}, {15000, 20000}, {50, 100}},
    {AlienKind::Borg, {35000, 30000}, {35000, 25000}, {500, 500}},
};

constexpr Range StartStardate{1000, 7000};
constexpr Range MissionDays{34, 10};

constexpr int MaxStarsPerQuadrant = 9;
constexpr int MaxStarbasesPerQuadrant = 3;
constexpr int MaxAliensPerQuadrant = 8;
constexpr int StrongerAlienBonus = 75;  // extra energy for some aliens from First Officer up
constexpr SectorCell StarClasses[] = {Cell::StarA, Cell::StarB, Cell::StarX};

// What generation gives: every draw of a range, and for the strengths the changes from
// First Officer up. Aliens never regain energy or change their pace afterwards, and the
// totals and the clock's start are fixed for the mission, so no game holds more.
constexpr FigureBounds Drawn(Range r) { return {r.base, r.base + r.span - 1}; }

constexpr FigureBounds DrawnAtAnySkill(Range SkillRow::*total) {
  FigureBounds bounds = Drawn(SkillTable[0].*total);
  for (const SkillRow& row : SkillTable) {
    bounds.least = std::min(bounds.least, Drawn(row.*total).least);
    bounds.most = std::max(bounds.most, Drawn(row.*total).most);
  }
  return bounds;
}

constexpr AlienStrengthBounds StrengthAtAnySkill(const AlienStrength& s) {
  const FigureBounds energy = Drawn(s.energy), attack = Drawn(s.attackInterval);
  return {{energy.least, energy.most + StrongerAlienBonus}, Drawn(s.moveInterval), {attack.least / 2, attack.most}};
}

constexpr AlienStrengthBounds StrengthBounds[] = {
    StrengthAtAnySkill(AlienStrengths[0]),
    StrengthAtAnySkill(AlienStrengths[1]),
    StrengthAtAnySkill(AlienStrengths[2]),
    StrengthAtAnySkill(AlienStrengths[3]),
};
static_assert(StrengthBounds[3].energy.most == 1074, "a Borg of First Officer and up: 500 + 499 + 75");
static_assert(StrengthBounds[2].attackInterval.least == 10000, "a Farengi's quickest attack: 20000 halved");

const SkillRow& Row(int skill) { return SkillTable[std::clamp(skill, 0, 5)]; }

SectorCell WithFrame(SectorCell object, int frame) { return static_cast<SectorCell>(object + frame * 256); }

// A random quadrant whose count of some kind is still below the cap; the count goes up by one.
int DrawQuadrantBelowCap(std::int32_t QuadrantRecord::*count, int cap) {
  int q;
  do q = lcg::rand() % QuadrantCount;
  while (coreState.game.galaxy[static_cast<std::size_t>(q)].*count >= cap);
  ++(coreState.game.galaxy[static_cast<std::size_t>(q)].*count);
  return q;
}

void StartClock() {
  coreState.game.stardateNow = StartStardate.Draw();
  coreState.game.stardateStart = coreState.game.stardateNow;
  coreState.game.missionLength = MissionDays.Draw();
}

void DrawTotals(const SkillRow& row) {
  coreState.game.starbaseTotal = row.starbases.Draw();
  coreState.game.starTotal = row.stars.Draw();
  coreState.game.alienTotal = row.aliens.Draw();
  coreState.game.aliensRemaining = coreState.game.alienTotal;
}

void PlaceStars() {
  for (int i = 0; i < coreState.game.starTotal; ++i) {
    const int q = DrawQuadrantBelowCap(&QuadrantRecord::starCount, MaxStarsPerQuadrant);
    const SectorCell star = StarClasses[lcg::rand() % 3];
    if (star == Cell::StarX && (lcg::rand() & 1))
      coreState.game.galaxy[static_cast<std::size_t>(q)].flags |= QuadrantFlag::RicochetStar;
    const int frame = lcg::rand() & 3;
    PlaceInRandomEmptySector(q, WithFrame(star, frame));
  }
}

void PlaceStarbases() {
  for (int i = 0; i < coreState.game.starbaseTotal; ++i) {
    const int q = DrawQuadrantBelowCap(&QuadrantRecord::starbaseCount, MaxStarbasesPerQuadrant);
    const int frame = lcg::rand() & 3;
    PlaceInRandomEmptySector(q, WithFrame(Cell::Starbase, frame));
  }
}

const AlienStrength& KindForRoll(const SkillRow& row, int roll) {
  if (roll < row.klingonBelow) return AlienStrengths[0];
  if (roll < row.romulanBelow) return AlienStrengths[1];
  if (roll < row.farengiBelow) return AlienStrengths[2];
  return AlienStrengths[3];
}

void PlaceAliens(const SkillRow& row) {
  coreState.game.alienTable.assign(static_cast<std::size_t>(coreState.game.alienTotal), AlienRecord{});
  for (AlienRecord& alien : coreState.game.alienTable) {
    const int q = DrawQuadrantBelowCap(&QuadrantRecord::alienCount, MaxAliensPerQuadrant);
    const AlienStrength& strength = KindForRoll(row, lcg::rand() % 100);
    int attackInterval = strength.attackInterval.Draw();
    const int moveInterval = strength.moveInterval.Draw();
    int energy = strength.energy.Draw();
    if (coreState.game.skillLevel >= SkillLevel::FirstOfficer) {
      if (lcg::rand() & 1) energy += StrongerAlienBonus;
      if ((lcg::rand() & 3) == 0) attackInterval /= 2;
    }
    const auto kind = static_cast<SectorCell>(strength.kind);
    const SectorPosition at = PlaceInRandomEmptySector(q, kind);
    alien.quadrant = q;
    alien.sectorX = at.x;
    alien.sectorY = at.y;
    alien.kind = static_cast<std::uint8_t>(kind);
    alien.energy = energy;
    alien.moveInterval = moveInterval;
    alien.attackInterval = attackInterval;
  }
}

// The ship may share its quadrant with anything; it faces the middle of the grid.
void PlaceShip() {
  coreState.game.shipQuadrant = lcg::rand() % QuadrantCount;
  const SectorPosition at = PlaceInRandomEmptySector(coreState.game.shipQuadrant, Cell::FindFreeOnly);
  coreState.game.ShipQuadrantRecord().cells[at.y][at.x] = at.x > 3 ? Cell::ShipLeft : Cell::ShipRight;
  coreState.game.shipSectorX = at.x;
  coreState.game.shipSectorY = at.y;
}

void ShowMissionOrders() {
  const int uid = lcg::rand();
  const std::string orders = host().CommuniqueText(1);
  // The text comes from the picture bundle: it is a format only when it asks for exactly these.
  if (!ValuesFitDirectives("iifii", FormatDirectives(orders))) return host().ShowCommunique(orders);
  host().ShowCommunique(FormatText(orders.c_str(), uid, coreState.game.aliensRemaining,
                                   coreState.game.stardateStart + coreState.game.missionLength,
                                   static_cast<int>(coreState.game.missionLength), coreState.game.starbaseTotal));
}

void FillSupplies() {
  coreState.game.shipEnergy = FullEnergy;
  coreState.game.shieldEnergy = 0;
  coreState.game.torpedoCount = FullTorpedoes;
  coreState.game.damage.fill(0.0);  // repair dates mean nothing without damage
}

void GreetCrew() {
  const int neuralLink = lcg::rand();
  ConsolePrint(Msg::ConsoleGreeting, neuralLink);
  PostShipMessage(Msg::DiagnosticsBanner);
  PostShipMessage(Msg::Ready);
}
}  // namespace

void NewGame() {
  if (coreState.game.gamePhase != GamePhase::NoGame) {
    host().StopSound();
    EndGame();
  }
  host().PlaySoundNow(Sounds::NewGame, false);
  JournalNewMission(lcg::State(), coreState.game.skillLevel);

  const SkillRow& row = Row(static_cast<int>(coreState.game.skillLevel));
  StartClock();
  DrawTotals(row);
  PlaceStars();
  PlaceStarbases();
  PlaceAliens(row);
  PlaceShip();
  ShowMissionOrders();
  FillSupplies();
  coreState.game.resetAlienClocks = 1;
  ChartNeighbourhood(coreState.game.shipQuadrant);
  OpenGameStations();
  GreetCrew();
  JournalPlayBegins();
}

const AlienStrengthBounds* GeneratedAlienStrength(std::uint8_t kind) {
  for (std::size_t i = 0; i < std::size(AlienStrengths); ++i)
    if (static_cast<std::uint8_t>(AlienStrengths[i].kind) == kind) return &StrengthBounds[i];
  return nullptr;
}

MissionBounds GeneratedMissionBounds() {
  return {DrawnAtAnySkill(&SkillRow::starbases), DrawnAtAnySkill(&SkillRow::stars), DrawnAtAnySkill(&SkillRow::aliens),
          Drawn(StartStardate), Drawn(MissionDays)};
}
