// The aliens' turns in red alert on the virtual clock: their clocks and the first combat
// pass, moves into free sectors, shots through the shields, and the draws each one takes.

#include "sector/alien_turns.h"

#include <algorithm>
#include <functional>

#include "core/core_state.h"
#include "core/message_catalogue.h"
#include "core/random.h"
#include "sector/scan_geometry.h"
#include "sector/sector_state.h"
#include "tests/sector/sector_fixture.h"

namespace {
using Texts = std::vector<std::string>;

std::uint32_t StateAfter(std::uint32_t seed, int draws) {
  lcg::Seed(seed);
  for (int i = 0; i < draws; ++i) lcg::rand();
  return lcg::State();
}

// Notes whether an action was marked as running whenever the scan is drawn on, and lets a
// test act as the player would while the windows work.
class ActionWatcher : public HeadlessHost {
 public:
  int drawnOutsideAnAction = 0;
  std::function<void()> whilePumping;
  void PumpPendingMessages() override {
    HeadlessHost::PumpPendingMessages();
    if (whilePumping) whilePumping();
  }
  void ScanFillBlack(ScanRect r) override {
    HeadlessHost::ScanFillBlack(r);
    drawnOutsideAnAction += !sectorState.actionInProgress;
  }
  void ScanXorLine(ScanPoint from, ScanPoint to, Rgb colour) override {
    HeadlessHost::ScanXorLine(from, to, colour);
    drawnOutsideAnAction += !sectorState.actionInProgress;
  }
};

constexpr std::uint32_t T = 100000;
constexpr int MoveEvery = 20000, FireEvery = 30000;

class AlienTurns : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSectorState(host);
    StartQuietSectorGame();
    coreState.game.gamePhase = GamePhase::RedAlert;
    coreState.game.shieldEnergy = 1000;
    host.now = T;
  }

  // Puts the quadrant's picture in place and gives each alien on it a record whose clocks
  // were stamped at T.
  void Quadrant(const std::vector<std::string>& rows, int energy = 300) {
    DrawQuadrant(27, rows);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x)
        if (Cell::HoldsAlien(coreState.game.galaxy[27].cells[y][x])) {
          coreState.game.alienTable.push_back({27,
                                               x,
                                               y,
                                               static_cast<std::uint8_t>(coreState.game.galaxy[27].cells[y][x]),
                                               {},
                                               energy,
                                               MoveEvery,
                                               FireEvery,
                                               T,
                                               T});
          ++coreState.game.alienTotal;
          ++coreState.game.aliensRemaining;
        }
  }
  AlienRecord& Alien(int i) { return coreState.game.alienTable[static_cast<std::size_t>(i)]; }

  void PassAt(std::uint32_t now, std::uint32_t seed = 1) {
    host.now = now;
    lcg::Seed(seed);
    RedAlertTick(now);
  }

  ActionWatcher host;
};

const std::vector<std::string> TwoKlingons = {"K.......", "........", "........", "...<....",
                                              "........", "........", "........", ".......K"};

TEST_F(AlienTurns, TheFirstPassStampsTheClocksAndTheNextGivesEachAlienAChanceToActAtOnce) {
  Quadrant(TwoKlingons);
  coreState.game.alienTable[0].lastMoveTick = 7;  // the far Klingon of quadrant 0 is not looked at
  coreState.game.resetAlienClocks = 1;
  PassAt(250000);
  EXPECT_EQ(lcg::State(), 1u) << "the stamping pass draws nothing";
  EXPECT_EQ(coreState.game.resetAlienClocks, 0);
  EXPECT_TRUE(sectorState.firstCombatPass);
  for (int i : {1, 2}) {
    EXPECT_EQ(Alien(i).lastMoveTick, 250000u);
    EXPECT_EQ(Alien(i).lastAttackTick, 250000u);
  }
  EXPECT_EQ(Alien(0).lastMoveTick, 7u);
  EXPECT_TRUE(host.calls.empty()) << "nothing moves or fires yet";

  PassAt(250000);  // draws 41, 67, 34, 0: no alien acts
  EXPECT_EQ(lcg::State(), StateAfter(1, 4)) << "a move and an attack chance for each alien";
  EXPECT_FALSE(sectorState.firstCombatPass);
  EXPECT_TRUE(host.calls.empty());

  PassAt(250000);
  EXPECT_EQ(lcg::State(), 1u) << "later passes draw only for what is due";
}

TEST_F(AlienTurns, InTheFirstPassAnAlienMovesOrFiresByChance) {
  Quadrant({"........", "........", "........", "...<....", "........", "........", "........", ".......K"}, 200);
  sectorState.firstCombatPass = true;
  PassAt(T, 18);  // 97: it moves; 4582 picks the second free sector; 15113: it holds its fire
  EXPECT_EQ(lcg::State(), StateAfter(18, 3));
  EXPECT_EQ(Cell::Object(coreState.game.galaxy[27].cells[7][6]), 0x20) << "column by column: (6,6), (6,7), (7,6)";
  EXPECT_EQ(Alien(1).lastMoveTick, T);

  sectorState.firstCombatPass = true;
  PassAt(T, 3);  // 48: it stays; 96: it fires 147 of its 200 at 1000 shields
  EXPECT_EQ(host.shipMessages,
            (Texts{"147 Units hit Enterprise", "Shields power reduced 14%", "Shields still holding."}));
}

TEST_F(AlienTurns, AMoveOrShotIsDueOnlyOnceItsIntervalHasPassed) {
  Quadrant(TwoKlingons);
  PassAt(T + MoveEvery);
  EXPECT_EQ(Alien(1).sectorX, 0) << "not yet at last + interval";
  EXPECT_EQ(lcg::State(), 1u);

  PassAt(T + MoveEvery + 1);
  EXPECT_NE(Alien(1).sectorX + Alien(1).sectorY, 0) << "due one tick later";
  EXPECT_EQ(Alien(1).lastMoveTick, T + MoveEvery + 1);
  EXPECT_EQ(Alien(1).lastAttackTick, T) << "its shot is not due yet";

  PassAt(T + FireEvery);
  EXPECT_TRUE(host.shipMessages.empty());
  PassAt(T + FireEvery + 1);
  EXPECT_EQ(host.shipMessages.size(), 6u) << "both Klingons fire";
  EXPECT_EQ(Alien(1).lastAttackTick, T + FireEvery + 1) << "stamped with the pass's tick, not the shot's end";
  EXPECT_EQ(host.drawnOutsideAnAction, 0) << "every move and shot runs as an action";
  EXPECT_FALSE(sectorState.actionInProgress);
  EXPECT_EQ(host.CallsNamed("SetBusy").back(), "off");
}

TEST_F(AlienTurns, AShotMoreThan15SecondsOverdueIsDroppedAndItsClockRestarted) {
  Quadrant({"K.......", "........", "........", "...<....", "........", "........", "........", "........"});
  Alien(1).lastMoveTick = T + 900000;  // keep it from moving
  PassAt(T + FireEvery + OverdueShotMs);
  EXPECT_EQ(host.shipMessages.size(), 3u) << "15 s late still fires";

  host.shipMessages.clear();
  Alien(1).lastAttackTick = T;
  PassAt(T + FireEvery + OverdueShotMs + 1);
  EXPECT_TRUE(host.shipMessages.empty());
  EXPECT_EQ(lcg::State(), 1u) << "no shot, no draw";
  EXPECT_EQ(Alien(1).lastAttackTick, T + FireEvery + OverdueShotMs + 1);
}

TEST_F(AlienTurns, AnAlienThatMovesToALaterSectorIsLookedAtAgainInTheSamePass) {
  struct Case {
    const char* name;
    std::vector<std::string> rows;
    int draws;
  };
  for (const Case& c : {
           // Its only way out is down and right: found again there, it has two more chances.
           Case{"later",
                {"K*......", "*.......", "........", "...<....", "........", "........", "........", "........"},
                4},
           // Its only way out is up and left: already passed.
           Case{"earlier",
                {"........", "........", "........", "...<....", "........", "........", "......*.", ".....*.K"},
                2},
       }) {
    SetUp();
    Quadrant(c.rows);
    sectorState.firstCombatPass = true;
    PassAt(T + MoveEvery + 1);  // due to move; the shot only by chance
    EXPECT_EQ(lcg::State(), StateAfter(1, c.draws)) << c.name;
    EXPECT_EQ(Alien(1).lastMoveTick, T + MoveEvery + 1) << c.name;
  }
}

TEST_F(AlienTurns, AnAlienWaitsWhileAnActionRuns) {
  Quadrant(TwoKlingons);
  sectorState.actionInProgress = true;
  PassAt(T + FireEvery + 1);
  EXPECT_EQ(Alien(1).lastMoveTick, T);
  EXPECT_EQ(Alien(1).lastAttackTick, T);
  EXPECT_TRUE(host.calls.empty());
}

TEST_F(AlienTurns, AGameBegunWhileTheWindowsWorkEndsThePass) {
  Quadrant(TwoKlingons);
  host.whilePumping = [] { coreState.game.resetAlienClocks = 1; };  // as New Game does
  PassAt(T + MoveEvery + 1);
  EXPECT_EQ(Alien(1).lastMoveTick, T + MoveEvery + 1) << "the first Klingon moved, then the pump";
  EXPECT_EQ(Alien(2).lastMoveTick, T) << "the second waits for the new game's stamping pass";
}

TEST_F(AlienTurns, AMoveTakesARandomFreeNeighbourAndRedrawsBothSectors) {
  // Free neighbours of (3,3), column by column: (2,3), (2,4), (4,2). A star, the ship, an
  // alien and an empty cell still showing an animation frame are not free.
  Quadrant({"........", "........", "..*K....", "...K<...", "....C...", "........", "........", "........"});
  coreState.game.galaxy[27].cells[3][3] |= 0x0200;  // the moving alien's frame byte stays behind
  coreState.game.galaxy[27].cells[4][3] = 0x0100;
  const int i = coreState.game.FindAlienAt(27, 3, 3);
  lcg::Seed(1);  // 41 mod 3 = 2
  AlienMove(coreState.game, host, i);
  EXPECT_EQ(Alien(i).sectorX, 4);
  EXPECT_EQ(Alien(i).sectorY, 2);
  EXPECT_EQ(coreState.game.galaxy[27].cells[2][4], 0x20);
  EXPECT_EQ(coreState.game.galaxy[27].cells[3][3], 0x0200);
  EXPECT_EQ(host.calls, (std::vector<HeadlessHost::Call>{{"ScanFillBlack", "137,102-171,127"},
                                                         {"ScanBlitPicture", "20 at 173,75"}}));

  host.Clear();
  coreState.game.Damage(ShipSystem::SRS) = 1.0;
  AlienMove(coreState.game, host, i);
  EXPECT_TRUE(host.calls.empty()) << "a blind scan is not drawn on";

  Quadrant({"K*......", "**......", "........", "...<....", "........", "........", "........", "........"});
  lcg::Seed(1);
  AlienMove(coreState.game, host, static_cast<int>(coreState.game.alienTable.size()) - 1);
  EXPECT_EQ(lcg::State(), 1u) << "boxed in: no draw, no move";
}

struct ShieldCase {
  const char* name;
  int shields;
  int shieldsAfter;
  Texts messages;
  int draws;
};
void PrintTo(const ShieldCase& row, std::ostream* os) { *os << row.name; }

class ShotsOnTheShields : public AlienTurns, public ::testing::WithParamInterface<ShieldCase> {};

// Seed 1 makes a 300-energy alien fire 170 units; the draws after it decide the damage.
TEST_P(ShotsOnTheShields, HoldFallOrLetTheRestThrough) {
  const ShieldCase c = GetParam();
  Quadrant({"K.......", "........", "........", "...<....", "........", "........", "........", "........"});
  coreState.game.shieldEnergy = c.shields;
  coreState.game.Damage(ShipSystem::Computer) = 0.5;  // due for repair at the next evaluation
  coreState.game.RepairDate(ShipSystem::Computer) = 1999.0;
  lcg::Seed(1);
  AlienAttack(1);
  EXPECT_EQ(host.shipMessages, c.messages);
  EXPECT_EQ(coreState.game.shieldEnergy, c.shieldsAfter);
  EXPECT_EQ(lcg::State(), StateAfter(1, c.draws));
  const auto repaints = host.CallsNamed("InvalidateStation");
  EXPECT_NE(std::find(repaints.begin(), repaints.end(), "Status"), repaints.end())
      << "the Status panel shows the shields";
  const bool evaluated = c.shieldsAfter == 0;
  EXPECT_EQ(coreState.game.Working(ShipSystem::Computer), evaluated)
      << "conditions evaluated only once the shields are down";
}

INSTANTIATE_TEST_SUITE_P(
    Shields, ShotsOnTheShields,
    ::testing::Values(ShieldCase{"StrongerHold",
                                 300,
                                 130,
                                 {"170 Units hit Enterprise", "Shields power reduced 56%", "Shields still holding."},
                                 1},
                      ShieldCase{"EqualTakeAllAndFall",
                                 170,
                                 0,
                                 {"170 Units hit Enterprise", "Shields are down, Captain.", "Computer repaired."},
                                 1},
                      ShieldCase{"WeakerFallAndPassTheRestOn",
                                 100,
                                 0,
                                 {"170 Units hit Enterprise", "Minor hit on Photon Control",
                                  "Shields are down, Captain.", "Computer repaired."},
                                 3},
                      ShieldCase{"DownLetItAllThrough",
                                 0,
                                 0,
                                 {"170 Units hit Enterprise", "Message Display System destroyed", "Computer repaired."},
                                 5}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(AlienTurns, AShotIsABeamForTenMillisecondsAUnitThenTheHitOnTheShip) {
  Quadrant({"K.......", "........", "........", "...<....", "........", "........", "........", "........"});
  lcg::Seed(1);
  AlienAttack(1);
  const auto lines = host.CallsNamed("ScanXorLine");
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), std::string("46,33-154,114 0000FF"));
  EXPECT_EQ(host.now, T + 1700 + 8 * 120) << "170 units: 1.7 s of beam, then the hit";
  EXPECT_EQ(host.CallsNamed("PlaySoundNow"), (Texts{"10 loop", "11 once"}));
}

TEST_F(AlienTurns, NoShotHoldsTheBridgeLongerThanAFullShipsBeam) {
  // However an alien came by a million units (no game gives one), its beam ends in 30 s.
  Quadrant({"K.......", "........", "........", "...<....", "........", "........", "........", "........"});
  Alien(1).energy = 1000000;
  AlienAttack(1);
  EXPECT_LE(host.now, T + 30000 + 8 * 120);
}

TEST_F(AlienTurns, AStarOfAnyClassInTheWayStopsTheShotAfterItsStrengthIsDrawn) {
  for (const char* starRow : {"K.*<....", "K.+<....", "K.x<...."}) {
    SCOPED_TRACE(starRow);
    SetUp();
    Quadrant({"........", "........", "........", starRow, "........", "........", "........", "........"});
    Alien(1).lastMoveTick = T + 900000;
    PassAt(T + FireEvery + 1);
    EXPECT_EQ(lcg::State(), StateAfter(1, 1));
    EXPECT_TRUE(host.shipMessages.empty());
    EXPECT_EQ(host.CallsNamed("ScanXorLine").size(), 0u);
    EXPECT_EQ(coreState.game.shieldEnergy, 1000);
    EXPECT_EQ(Alien(1).lastAttackTick, T + FireEvery + 1) << "its clock starts again all the same";
  }
}

TEST_F(AlienTurns, TheLastWorkingSystemLostEndsTheGame) {
  Quadrant({"K.......", "........", "........", "...<....", "........", "........", "........", "........"});
  coreState.game.damage.fill(3.0);
  coreState.game.repairDate.fill(2003.0);
  coreState.game.Damage(ShipSystem::MessageDisplay) = 0.0;
  coreState.game.shieldEnergy = 0;
  lcg::Seed(1);  // 170 units destroy the Message Display
  AlienAttack(1);
  EXPECT_EQ(coreState.game.gamePhase, GamePhase::GameOver);
  EXPECT_EQ(coreState.game.gameOverReason, GameOverReason::SystemsDisabled);
}
}  // namespace
