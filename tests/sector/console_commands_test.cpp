#include <algorithm>
#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>
#include <set>
#include <string>
#include <vector>

#include "core/core_state.h"
#include "core/random.h"
#include "core/ship_damage.h"
#include "sector/console_commands.h"
#include "sector/console_keyboard.h"
#include "sector/course.h"
#include "sector/sector_state.h"
#include "tests/sector/sector_fixture.h"

namespace {

const std::vector<std::string> ShipAt3x5 = {"........", "........", "........", "........",
                                            "..>.....", "........", "........", "........"};

class ConsoleCommandsTest : public SectorTest {
 protected:
  void SetUp() override {
    SectorTest::SetUp();
    StartGame(27);  // column 4, row 4 (1-based)
    DrawQuadrant(27, ShipAt3x5);
    coreState.game.galaxy[27].flags = QuadrantFlag::Charted;
  }

  // Enters `typed` as the console row of a grid `columns` wide and answers what the console
  // printed, prompts included.
  std::string Enter(const std::string& typed, std::size_t columns = 39) {
    recorder.Clear();
    std::string row = typed;
    row.resize(std::max(columns, typed.size()), ' ');
    answer = ExecuteConsoleLine(WholeConsoleWorld(coreState.game, host()), row);
    return recorder.console;
  }

  ConsoleAnswer answer = ConsoleAnswer::Stay;
};

// ---- Recognising a command ----

struct LineCase {
  const char* name;
  const char* typed;
  const char* printed;
};
void PrintTo(const LineCase& row, std::ostream* os) { *os << row.name; }

class KeywordOrder : public ConsoleCommandsTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(KeywordOrder, TheFirstKeywordInTheTableWins) {
  coreState.game.skillLevel = SkillLevel::Captain;
  EXPECT_EQ(Enter(GetParam().typed), GetParam().printed);
  EXPECT_EQ(answer, ConsoleAnswer::Stay);
}

const std::string Location = "\nQuadrant 4,4  Sector 3,5\n>";

INSTANTIATE_TEST_SUITE_P(
    Lines, KeywordOrder,
    ::testing::Values(LineCase{"PromptThenKeyword", ">LOC", "\nQuadrant 4,4  Sector 3,5\n>"},
                      LineCase{"PromptSpaceKeyword", "> LOC", "\nQuadrant 4,4  Sector 3,5\n>"},
                      LineCase{"KeywordInsideAWord", ">XXLOCATE", "\nQuadrant 4,4  Sector 3,5\n>"},
                      LineCase{"PromptAndSpacesOnly", ">     ", ">"},
                      LineCase{"TwoLeadingSpacesIgnoreTheRest", "  LOC", ">"},
                      LineCase{"LowerCaseIsNoKeyword", ">loc", "huh?\n>"}, LineCase{"StarbaseIsBas", ">STARBASE", ">"},
                      LineCase{"DirectionIsRefused", ">DIRECTION", "Get Serious.\n>"},
                      LineCase{"CdIsRefused", ">CD ..", "Get Serious.\n>"},
                      LineCase{"SkillName", ">SKILL", "Captain\n>"},
                      LineCase{"PowerReport", ">POW", "\n  Dilithium: 3000\n    Shields: 500\nTotal Power: 3500\n>"},
                      LineCase{"AlienCount", ">ALI", "\nTotal Aliens: 1\n   Destroyed: 0\n        Left: 1\n>"},
                      LineCase{"StatusIsStardates", ">STATUS",
                               "\n  Stardate Now: 2000.0\nMission Length: 40.0\n  End Stardate: 2040.0\n"
                               "     Time Used: 0.0 \n     Time Left: 40.0\n>"},
                      LineCase{"HelpText", ">HELP",
                               "\nSee 'COMPUTER COMMAND SUMMARY' in\nthe Kestrav manual for a complete\n"
                               "list of commands.\n>"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(ConsoleCommandsTest, EveryEighthUnrecognisedLineGetsTheHelpText) {
  for (int i = 1; i <= 7; ++i) EXPECT_EQ(Enter(">XYZ"), "huh?\n>") << i;
  EXPECT_EQ(Enter(">XYZ").substr(0, 5), "\nSee ");
  EXPECT_EQ(Enter(">XYZ"), "huh?\n>") << "the count starts again";
  EXPECT_EQ(sectorState.unrecognisedLineCount, 1);
}

TEST_F(ConsoleCommandsTest, TheRowsLastCellAndAnythingPast127CharactersAreNotRead) {
  EXPECT_EQ(Enter(">LOC", 4), "huh?\n>") << "C in the last cell of a 4-column row";
  EXPECT_EQ(Enter(">LOC", 5), Location);
  EXPECT_EQ(Enter(std::string(125, '.') + "LOC", 200), "huh?\n>") << "the C is the 128th character";
  EXPECT_EQ(Enter(std::string(124, '.') + "LOC", 200), Location);
}

// Every keyword the console answers to, as the player types it.
const std::vector<std::string> Keywords = {"BAS", "SCA",  "RIC", "LOC",  "STA", "POW", "ALI", "CD",  "DIR", "HEL",
                                           "SKI", "GETQ", "ADV", "GETS", "RER", "UNR", "DAM", "ANA", "BYE", "EXI"};

std::string ManualPage(const char* name) {
  std::ifstream file(std::string(KESTRAV_MANUAL_DIR) + "/" + name);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

TEST_F(ConsoleCommandsTest, EveryCommandHasItsSectionInTheManualAndEverySectionIsACommand) {
  const std::string page = ManualPage("computer-commands.html");
  ASSERT_FALSE(page.empty());
  std::vector<std::string> headings;
  const std::regex heading("<h2>(.*?)</h2>");
  for (auto it = std::sregex_iterator(page.begin(), page.end(), heading); it != std::sregex_iterator(); ++it)
    headings.push_back((*it)[1]);

  for (const std::string& keyword : Keywords) {
    EXPECT_NE(Enter(">" + keyword), "huh?\n>") << keyword << " is no command";
    const std::regex word("\\b" + keyword + "\\b");
    EXPECT_TRUE(
        std::any_of(headings.begin(), headings.end(), [&](const std::string& h) { return std::regex_search(h, word); }))
        << keyword << " has no section in the Computer Command Summary";
  }
  // A section named after a keyword the console does not know would send players astray.
  const std::regex section("<a name=\"([A-Z]+)\">");
  for (const std::string& h : headings) {
    std::smatch name;
    if (std::regex_search(h, name, section)) {
      EXPECT_NE(std::find(Keywords.begin(), Keywords.end(), name[1].str()), Keywords.end())
          << name[1] << " is described but is no command";
    }
  }
}

// ---- Courses ----

TEST_F(ConsoleCommandsTest, GetqAndGetsReadDigitsAtFixedPlaces) {
  EXPECT_EQ(Enter(">GETQ 4,4"), "- Warp 0, 0 Degrees\n>") << "the ship's own quadrant";
  EXPECT_EQ(Enter(">GETQ 5,3"), "- Warp 1, 45 Degrees\n>");
  EXPECT_EQ(Enter(">GETQ 1;8"), "- Warp 4, 216 Degrees\n>") << "the separator is not looked at";
  EXPECT_EQ(Enter(">GETS 8,5"), "- Impulse 5, 90 Degrees\n>");
  EXPECT_EQ(Enter(">GETS 1,1"), "- Impulse 4, 333 Degrees\n>");
  EXPECT_EQ(Enter(">GETS 3,5"), "- Impulse 0, 0 Degrees\n>");
  for (const char* bad : {">GETQ 9,1", ">GETQ 0,1", ">GETQ 1,", ">GETS A,2", ">GETQ 12"})
    EXPECT_EQ(Enter(bad), "Invalid X or Y coordinates.\n>") << bad;
}

// ---- Time ----

TEST_F(ConsoleCommandsTest, AdvReadsOneDigitAndOneDecimal) {
  const struct {
    const char* typed;
    double days;
  } cases[] = {{">ADV 2.5", 2.5}, {">ADV .5", 0.5}, {">ADV 0.5", 0.5}, {">ADV 9.9", 9.9},
               {">ADV 25", 2.0},  {">ADV 7X", 7.0}, {">ADV 0", 0.0},   {">ADV 0.0", 0.0},
               {">ADV 05", 0.0},  {">ADV 2.", 0.0}, {">ADV x", 0.0},   {">ADV", 0.0}};
  for (const auto& c : cases) {
    coreState.game.stardateNow = 2000.0;
    coreState.game.changeCount = 0;
    const std::string printed = Enter(c.typed);
    EXPECT_DOUBLE_EQ(coreState.game.stardateNow, 2000.0 + c.days) << c.typed;
    EXPECT_EQ(printed, c.days == 0.0 ? "Invalid time entry.\n>" : ">") << c.typed;
    EXPECT_EQ(coreState.game.changeCount, c.days == 0.0 ? 0 : 1) << c.typed;
  }
}

TEST_F(ConsoleCommandsTest, AdvRepairsWhatIsDueAndRepaintsTheStatus) {
  coreState.game.Damage(ShipSystem::Phaser) = 0.3;
  coreState.game.RepairDate(ShipSystem::Phaser) = 2001.0;
  Enter(">ADV 0.9");
  EXPECT_FALSE(coreState.game.Working(ShipSystem::Phaser));
  Enter(">ADV 0.1");
  EXPECT_TRUE(coreState.game.Working(ShipSystem::Phaser));
  EXPECT_EQ(PanelLines().back(), "Phaser Banks repaired.");
  EXPECT_EQ(recorder.CallsNamed("InvalidateStation").back(), "Status");
  EXPECT_EQ(coreState.game.shipEnergy, 3000) << "waiting uses no energy";
}

TEST_F(ConsoleCommandsTest, AnaRatesTheTimePerAlien) {
  const struct {
    int total, remaining;
    double used;
    const char* verdict;
  } cases[] = {
      {40, 35, 5.0, "     Current rating: n/a\n    Required to win: 1.00\n>"},   // 5 destroyed
      {40, 34, 6.0, "     Current rating: 1.00\n    Required to win: 1.00\n>"},  // 6: rated
      {40, 30, 10.0, "     Current rating: 1.00\n    Required to win: 1.00\nYou're doing very well.\n>"},
      {40, 30, 12.0, "     Current rating: 1.20\n    Required to win: 0.93\nYou're falling behind.\n>"},
      {80, 70, 1.0, "     Current rating: 0.10\n    Required to win: 0.56\n>"},  // fewer than a quarter
      {8, 0, 40.0, "     Current rating: 5.00\n    Required to win: 0.00\nYou're doing very well.\n>"},  // equal
  };
  for (const auto& c : cases) {
    coreState.game.alienTotal = c.total;
    coreState.game.aliensRemaining = c.remaining;
    coreState.game.stardateNow = coreState.game.stardateStart + c.used;
    const std::string printed = Enter(">ANA");
    const std::string head = "Time per Alien Analysis:\nMission Requirement: ";
    ASSERT_EQ(printed.substr(0, head.size()), head) << c.total << "/" << c.remaining;
    EXPECT_EQ(printed.substr(printed.find('\n', head.size()) + 1), c.verdict) << c.total << "/" << c.remaining;
  }
}

TEST_F(ConsoleCommandsTest, StardatesAreCutAt127CharactersWhateverTheyHold) {
  coreState.game.stardateNow = 1e300;
  const std::string printed = Enter(">STA");
  EXPECT_EQ(printed.size(), 127u) << "the report, prompt and all, is cut";
  EXPECT_EQ(printed.substr(0, 18), "\n  Stardate Now: 1");
}

// ---- Reports ----

TEST_F(ConsoleCommandsTest, DamShowsOkDestroyedOrTheRepairDate) {
  coreState.game.Damage(ShipSystem::MessageDisplay) = 0.5;
  coreState.game.RepairDate(ShipSystem::MessageDisplay) = 2003.26;
  coreState.game.Damage(ShipSystem::Warp) = DestroyedDamage;
  coreState.game.Damage(ShipSystem::Computer) = 1.0;  // not listed
  EXPECT_EQ(Enter(">DAM"),
            "Message Display:     2003.3\nStatus Panel:        OK\nShort Range Sensors: OK\n"
            "Long Range Sensors:  OK\nWarp Drive:          DESTROYED\nShield Control:      OK\n"
            "Phaser Banks:        OK\nPhoton Banks:        OK\nDamage Control:      OK\n>");
}

TEST_F(ConsoleCommandsTest, ScaListsTheQuadrantWithBearingsToAliens) {
  DrawQuadrant(27, {"B.......", "......K.", "........", "........", "..>.x...", "........", "*......+", "C......."});
  coreState.game.galaxy[27].flags = QuadrantFlag::Charted | QuadrantFlag::RicochetStar;
  coreState.game.alienTable.push_back({27, 6, 1, 0x20, {}, 150, 0, 0, 0, 0});
  coreState.game.alienTotal = coreState.game.aliensRemaining = 2;
  EXPECT_EQ(Enter(">SCAN"),
            "Scanning Sector...\n\nStarBase found at 1,1\nKlingon at 7,2  150 energy level\n"
            "54 Degrees, Distance: 4\n\nClass X Star at 5,5\n -Gravity Ricochet Compatible\n"
            "Class A Star at 1,7\nClass B Star at 8,7\n>")
      << "the Borg at 1,8 has no record";
  EXPECT_EQ(PanelLines().back().substr(0, 18), "Internal Error: co");
}

TEST_F(ConsoleCommandsTest, BasGuessesUnchartedStarbasesAfreshEachTime) {
  DrawQuadrant(0, {"B.......", "........", "........", "........", "........", "........", "........", "........"});
  DrawQuadrant(63, {"B.......", "........", "........", "........", "........", "........", "........", "........"});
  coreState.game.galaxy[63].flags = QuadrantFlag::Charted;
  lcg::Seed(1);
  const int dx = lcg::rand() & 3, dy = lcg::rand() & 3;
  lcg::Seed(1);
  const std::string first = Enter(">BAS");
  const int x = std::max(1, dx), y = std::max(1, dy);
  EXPECT_EQ(first, "Starbase possible at Quadrant " + std::to_string(x) + "," + std::to_string(y) + "\n- Warp " +
                       std::to_string(std::max(std::abs(x - 4), std::abs(y - 4))) + ", " +
                       std::to_string(CourseBearing(x - 4, y - 4)) + " Degrees\n" +
                       "Starbase found at Quadrant 8,8\n- Warp 4, 135 Degrees\n>");
  EXPECT_EQ(lcg::State(), [] {
    lcg::Seed(1);
    lcg::rand();
    lcg::rand();
    return lcg::State();
  }()) << "two draws for the uncharted base, none for the charted one";

  bool changed = false;
  for (int i = 0; i < 10 && !changed; ++i) changed = Enter(">BAS") != first;
  EXPECT_TRUE(changed);
}

TEST_F(ConsoleCommandsTest, BasKeepsTheGuessInsideTheGalaxy) {
  const auto guesses = [this](int quadrant) {
    DrawQuadrant(quadrant,
                 {"B.......", "........", "........", "........", "........", "........", "........", "........"});
    std::set<int> columns;
    for (std::uint32_t seed = 0; seed < 60; ++seed) {
      lcg::Seed(seed);
      int x = 0, y = 0;
      EXPECT_EQ(std::sscanf(Enter(">BAS").c_str(), "Starbase possible at Quadrant %d,%d", &x, &y), 2);
      columns.insert(x);
    }
    coreState.game.galaxy[static_cast<std::size_t>(quadrant)] = QuadrantRecord{};
    return columns;
  };
  EXPECT_EQ(guesses(0), (std::set<int>{1, 2, 3})) << "one below the first column is the first";
  EXPECT_EQ(guesses(7), (std::set<int>{7, 8})) << "nothing past the eighth";
}

// ---- Rerouting ----

TEST_F(ConsoleCommandsTest, RerAndUnrMoveTheMessagesAndSayWhere) {
  EXPECT_EQ(Enter(">RER"), "Rerouting Message Panel to Computer\n>");
  EXPECT_EQ(PanelLines().back(), "*** All Messages rerouted to Computer ***");
  EXPECT_EQ(coreState.game.messagesToComputer, 1);
  EXPECT_EQ(Enter(">RER"), "*** All Messages rerouted to Computer ***\nRerouting Message Panel to Computer\n>")
      << "the second time its own notice goes to the console";
  PostShipMessage(Msg::ShieldsReduced, 50u);
  EXPECT_EQ(recorder.console.substr(recorder.console.size() - 26), "Shields power reduced 50%\n")
      << "a rerouted message is printed as it stands, not formatted again";
  EXPECT_EQ(Enter(">UNREROUTE"), "*** All Messages rerouted to Computer ***\nRerouting Message Panel to Computer\n>")
      << "UNREROUTE holds RER";
  EXPECT_EQ(Enter(">UNR"), "Enabling normal Message Panel\n>");
  EXPECT_EQ(PanelLines().back(), "Message Panel Enabled");
  EXPECT_EQ(coreState.game.messagesToComputer, 0);
}

// ---- Leaving and the ricochet ----

TEST_F(ConsoleCommandsTest, ByeAndExitLeaveWithTheAcknowledgement) {
  for (const char* typed : {">BYE", ">EXIT"}) {
    EXPECT_EQ(Enter(typed), ">");
    EXPECT_EQ(answer, ConsoleAnswer::Leave);
    EXPECT_EQ(recorder.CallsNamed("PlaySoundNow"), std::vector<std::string>{"3 once"});
  }
}

// The console and the sound channel, all a report or BYE answers through.
class LogAndSounds : public ShipLog, public GameSounds {
 public:
  std::string heard;
  void MessagesChanged() override { heard += "[panel]"; }
  void ShipMessagePosted(const std::string& text) override { heard += "[posted " + text + "]"; }
  void ConsolePrint(const std::string& text) override { heard += text; }
  void ConsolePrompt() override { heard += '>'; }
  void PlaySoundNow(SoundId id, bool) override { heard += "[sound " + std::to_string(id) + "]"; }
  void PlaySoundAfterCurrent(SoundId id, bool) override { heard += "[queued " + std::to_string(id) + "]"; }
  void StopSound() override { heard += "[silence]"; }
};

TEST_F(ConsoleCommandsTest, ReportsAndByeAnswerOnlyThroughTheLogAndSoundsOfTheGameHandedIn) {
  GameState ship = coreState.game;
  ship.shipEnergy = 1234;
  ship.shieldEnergy = 66;
  LogAndSounds roles;
  recorder.Clear();
  // The bridge and the clock are the program's host, which must hear nothing.
  const ConsoleWorld world{ship, roles, roles, recorder, recorder};
  EXPECT_EQ(ExecuteConsoleLine(world, ">POW "), ConsoleAnswer::Stay);
  EXPECT_EQ(ExecuteConsoleLine(world, ">BYE "), ConsoleAnswer::Leave);
  EXPECT_EQ(roles.heard, "\n  Dilithium: 1234\n    Shields: 66\nTotal Power: 1300\n>>[sound 3]");
  EXPECT_TRUE(recorder.calls.empty());
  EXPECT_TRUE(recorder.console.empty());

  // Rerouting switches the game handed in, and its messages follow it to that console.
  roles.heard.clear();
  ExecuteConsoleLine(world, ">RER ");
  EXPECT_EQ(ship.messagesToComputer, 1);
  EXPECT_EQ(coreState.game.messagesToComputer, 0);
  EXPECT_EQ(roles.heard,
            "[posted *** All Messages rerouted to Computer ***][panel]Rerouting Message Panel to Computer\n>");
}

TEST_F(ConsoleCommandsTest, RicNeedsACompatibleStar) {
  EXPECT_EQ(Enter(">RIC"), "Scanning...\nNo stars in Quadrant\n>");
  EXPECT_EQ(answer, ConsoleAnswer::Stay);
  DrawQuadrant(27, {"........", "........", "........", "........", "..>.x...", "........", "........", "........"});
  EXPECT_EQ(Enter(">RIC"), "Scanning...\nNo qualifying stars in Quadrant\n>");
  EXPECT_EQ(answer, ConsoleAnswer::Stay);
  EXPECT_TRUE(recorder.postedRequests.empty());
}

TEST_F(ConsoleCommandsTest, RicIsRefusedWhileTheScanIsBusyButLeavesAllTheSame) {
  coreState.game.galaxy[27].flags |= QuadrantFlag::RicochetStar;
  coreState.game.galaxy[27].starCount = 1;
  sectorState.actionInProgress = true;
  EXPECT_EQ(Enter(">RIC"), "Scanning...\nComputing ricochet coordinates...\nSystem Busy- Try again later.>");
  EXPECT_EQ(answer, ConsoleAnswer::Leave);
  EXPECT_EQ(recorder.now, 0u);
  EXPECT_TRUE(recorder.postedRequests.empty());
}

// The host of the countdown test: notes whether the console's keyboard was shut during each wait.
class CountdownHost : public HeadlessHost {
 public:
  std::vector<bool> busyDuringWaits;
  void WaitPumping(std::uint32_t ms) override {
    busyDuringWaits.push_back(ConsoleKeyboardBlocked());
    HeadlessHost::WaitPumping(ms);
  }
};

TEST_F(ConsoleCommandsTest, RicCountsDownThenTheScanCarriesOutTheRicochet) {
  CountdownHost host;
  SetHost(&host);
  DrawQuadrant(27, {"........", "........", "........", "........", "..>.x...", "........", "........", "........"});
  coreState.game.galaxy[27].flags |= QuadrantFlag::RicochetStar;
  EXPECT_EQ(ExecuteConsoleLine(WholeConsoleWorld(coreState.game, host), ">RIC" + std::string(35, ' ')),
            ConsoleAnswer::Leave);
  std::string countdown;
  for (int n = 10; n >= 0; --n) countdown += "[" + std::to_string(n) + "]\n";
  EXPECT_EQ(host.console, "Scanning...\nComputing ricochet coordinates...\n" + countdown + ">");
  EXPECT_EQ(host.busyDuringWaits, std::vector<bool>(11, true));
  EXPECT_EQ(host.now, 5500u);
  EXPECT_FALSE(sectorState.consoleBusy);
  EXPECT_EQ(coreState.game.shieldEnergy, 500) << "posted, not yet carried out";
  host.RunPostedRequests();
  EXPECT_EQ(coreState.game.shieldEnergy, 0) << "the ricochet takes the shields down";
}

}  // namespace
