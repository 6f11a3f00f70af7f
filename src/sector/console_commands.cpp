#include "sector/console_commands.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <type_traits>

#include "core/console_print.h"
#include "core/core_state.h"
#include "core/game_state.h"
#include "core/journal_recorder.h"
#include "core/random.h"
#include "core/ship_damage.h"
#include "core/ship_messages.h"
#include "sector/action_state.h"
#include "sector/console_keyboard.h"
#include "sector/course.h"
#include "sector/scan_requests.h"
#include "sector/sector_state.h"

namespace {
constexpr int HelpAfterUnrecognised = 8;
constexpr int CountdownFrom = 10;
constexpr std::uint32_t CountdownStepMs = 500;
// At least this many aliens destroyed before the time analysis gives a rating.
constexpr int RatedAfterDestroyed = 6;
// The number the console's internal error gives for an alien without its record.
constexpr int InternalErrorNoAlien = 75;

// The line as the interpreter reads it: the row without its last cell, at most
// ConsoleLineLimit characters, ending at a NUL as the zero-filled buffer it is copied into.
std::string LineOf(std::string_view row) {
  std::string line(row.substr(0, std::min(row.empty() ? 0 : row.size() - 1, ConsoleLineLimit)));
  line.resize(std::strlen(line.c_str()));
  return line;
}

// The character `at` places into the line; past its end there is none.
char CharAt(const std::string& line, std::size_t at) { return at < line.size() ? line[at] : '\0'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The target cell of GETQ and GETS: digits 1..8 at 5 and 7 places after the keyword, 0-based;
// false when either is not such a digit.
bool TargetAfter(const std::string& line, const char* keyword, int& x, int& y) {
  const std::size_t at = line.find(keyword);
  x = CharAt(line, at + 5) - '1';
  y = CharAt(line, at + 7) - '1';
  return x >= 0 && x <= 7 && y >= 0 && y <= 7;
}

// The time after ADV, read as d, d.d or .d at 4 places after the keyword: 0.1 .. 9.9 days,
// or 0 when it is no such time. Characters after the number do not count.
double TimeAfterAdv(const std::string& line) {
  std::size_t at = line.find("ADV") + 4;
  const char first = CharAt(line, at);
  double value = 0.0;
  if (first != '.' && first != '0') {
    if (!IsDigit(first)) return 0.0;
    value = first - '0';
  }
  if (first != '.') ++at;
  if (CharAt(line, at) == '.') {
    const char tenths = CharAt(line, at + 1);
    if (!IsDigit(tenths)) return 0.0;
    value += (tenths - '0') / 10.0;
  }
  return value;
}

// One line carried out against its world: the commands as members see the game and the
// roles by name.
struct CommandRun : ConsoleWorld {
  // Answers that print no text of their own end with the prompt typed at the caret; the others
  // print it after their text.
  void Prompt() { shipLog.ConsolePrompt(); }

  int ShipQuadrantColumn() { return QuadrantColumn(gameState.shipQuadrant); }
  int ShipQuadrantRow() { return QuadrantRow(gameState.shipQuadrant); }

  // Every starbase of the galaxy with a warp course to it; an uncharted one at a position
  // guessed afresh each time, up to one below or two above the true one.
  void StarbaseReport() {
    const int shipX = ShipQuadrantColumn() + 1, shipY = ShipQuadrantRow() + 1;
    for (int q = 0; q < QuadrantCount; ++q) {
      const QuadrantRecord& quadrant = gameState.galaxy[static_cast<std::size_t>(q)];
      if (quadrant.starbaseCount == 0) continue;
      int x = QuadrantColumn(q) + 1, y = QuadrantRow(q) + 1;
      if (quadrant.flags & QuadrantFlag::Charted) {
        ConsolePrint(shipLog, Msg::ConsoleStarbaseFound, x, y);
      } else {
        x = std::clamp(QuadrantColumn(q) + (lcg::rand() & 3), 1, 8);
        y = std::clamp(QuadrantRow(q) + (lcg::rand() & 3), 1, 8);
        ConsolePrint(shipLog, Msg::ConsoleStarbasePossible, x, y);
      }
      int warp = 0, course = 0;
      if (q != gameState.shipQuadrant) {
        course = CourseBearing(x - shipX, y - shipY);
        warp = GridDistance(shipX, shipY, x, y);
      }
      ConsolePrint(shipLog, Msg::ConsoleWarpCourse, warp, course);
    }
    Prompt();
  }

  void ReportAlien(MessageId text, int x, int y) {
    const int index = gameState.FindAlienAt(gameState.shipQuadrant, x, y);
    if (index < 0) {
      PostShipMessage(shipLog, gameState, Msg::InternalError, "com", InternalErrorNoAlien);
      return;
    }
    ConsolePrint(shipLog, text, x + 1, y + 1, gameState.alienTable[static_cast<std::size_t>(index)].energy);
    ConsolePrint(shipLog, Msg::ConsoleBearing, CourseBearing(x - gameState.shipSectorX, y - gameState.shipSectorY),
                 GridDistance(gameState.shipSectorX, gameState.shipSectorY, x, y));
  }

  // Every object of the ship's quadrant, row by row, with bearings and distances to aliens.
  void SectorScan() {
    ConsolePrint(shipLog, Msg::ConsoleScanningSector);
    const QuadrantRecord& quadrant = gameState.ShipQuadrantRecord();
    for (int y = 0; y < 8; ++y) {
      for (int x = 0; x < 8; ++x) {
        switch (Cell::Object(quadrant.cells[y][x])) {
          case Cell::Starbase: ConsolePrint(shipLog, Msg::ConsoleScanStarbase, x + 1, y + 1); break;
          case Cell::StarA: ConsolePrint(shipLog, Msg::ConsoleScanStar, 'A', x + 1, y + 1); break;
          case Cell::StarB: ConsolePrint(shipLog, Msg::ConsoleScanStar, 'B', x + 1, y + 1); break;
          case Cell::StarX:
            ConsolePrint(shipLog, Msg::ConsoleScanStar, 'X', x + 1, y + 1);
            if (quadrant.flags & QuadrantFlag::RicochetStar) ConsolePrint(shipLog, Msg::ConsoleRicochetCompatible);
            break;
          case static_cast<std::uint8_t>(AlienKind::Klingon): ReportAlien(Msg::ConsoleScanKlingon, x, y); break;
          case static_cast<std::uint8_t>(AlienKind::Romulan): ReportAlien(Msg::ConsoleScanRomulan, x, y); break;
          case static_cast<std::uint8_t>(AlienKind::Farengi): ReportAlien(Msg::ConsoleScanFarengi, x, y); break;
          case static_cast<std::uint8_t>(AlienKind::Borg): ReportAlien(Msg::ConsoleScanBorg, x, y); break;
          default: break;
        }
      }
    }
    Prompt();
  }

  // Eleven counts half a second apart, the console's keyboard shut meanwhile while the game
  // goes on; then the scan is asked for the ricochet.
  void RicochetCountdown() {
    if (sectorState.actionInProgress) {
      ConsolePrint(shipLog, Msg::ConsoleBusy);
      return;
    }
    sectorState.consoleBusy = true;
    for (int n = CountdownFrom; n >= 0; --n) {
      ConsolePrint(shipLog, Msg::ConsoleCountdown, n);
      clock.WaitPumping(CountdownStepMs);
    }
    bridge.PostScanRequest(RequestRicochet);
    sectorState.consoleBusy = false;
  }

  ConsoleAnswer GravityRicochetCommand(const std::string&) {
    const QuadrantRecord& quadrant = gameState.ShipQuadrantRecord();
    if (quadrant.starCount == 0) {
      ConsolePrintThenPrompt(shipLog, Msg::ConsoleNoStars);
      return ConsoleAnswer::Stay;
    }
    if (!(quadrant.flags & QuadrantFlag::RicochetStar)) {
      ConsolePrintThenPrompt(shipLog, Msg::ConsoleNoQualifyingStars);
      return ConsoleAnswer::Stay;
    }
    ConsolePrint(shipLog, Msg::ConsoleComputingRicochet);
    RicochetCountdown();
    Prompt();
    return ConsoleAnswer::Leave;
  }

  // The course and distance from (fromX, fromY) to the target named after the keyword;
  // 0 and 0 for the cell itself.
  void CourseTo(const std::string& line, const char* keyword, int fromX, int fromY, MessageId answer) {
    int x = 0, y = 0;
    if (!TargetAfter(line, keyword, x, y)) {
      ConsolePrintThenPrompt(shipLog, Msg::ConsoleInvalidCoordinates);
      return;
    }
    int distance = 0, course = 0;
    if (x != fromX || y != fromY) {
      course = CourseBearing(x - fromX, y - fromY);
      distance = GridDistance(fromX, fromY, x, y);
    }
    ConsolePrint(shipLog, answer, distance, course);
    Prompt();
  }

  // Lets time pass: systems due back are repaired, but no energy is used and the game clock
  // is not touched; the next condition evaluation finds a mission that has run out.
  void AdvanceTime(const std::string& line) {
    const double days = TimeAfterAdv(line);
    if (days == 0.0) {
      ConsolePrintThenPrompt(shipLog, Msg::ConsoleInvalidTime);
      return;
    }
    gameState.stardateNow += days;
    ApplyRepairs();
    bridge.InvalidateStation(Station::Status, false);
    ++gameState.changeCount;
    Prompt();
  }

  void Reroute() {
    PostShipMessage(shipLog, gameState, Msg::PanelRerouted);  // still on the panel: the switch is not yet set
    ConsolePrintThenPrompt(shipLog, Msg::ConsoleRerouting);
    gameState.messagesToComputer = 1;
  }

  void Unreroute() {
    gameState.messagesToComputer = 0;
    PostShipMessage(shipLog, gameState, Msg::PanelEnabled);
    ConsolePrintThenPrompt(shipLog, Msg::ConsoleUnrerouting);
  }

  // Nine systems, the computer itself not among them: OK, DESTROYED or the repair stardate.
  void SystemStatus() {
    static constexpr struct {
      ShipSystem system;
      MessageId text;
    } Rows[] = {
        {ShipSystem::MessageDisplay, Msg::ConsoleDamageMessageDisplay},
        {ShipSystem::StatusPanel, Msg::ConsoleDamageStatusPanel},
        {ShipSystem::SRS, Msg::ConsoleDamageSrs},
        {ShipSystem::LRS, Msg::ConsoleDamageLrs},
        {ShipSystem::Warp, Msg::ConsoleDamageWarp},
        {ShipSystem::Shield, Msg::ConsoleDamageShields},
        {ShipSystem::Phaser, Msg::ConsoleDamagePhasers},
        {ShipSystem::Photon, Msg::ConsoleDamagePhotons},
        {ShipSystem::DamageControl, Msg::ConsoleDamageControl},
    };
    for (const auto& row : Rows) {
      const double damage = gameState.Damage(row.system);
      const std::string state = damage == 0.0  ? std::string("OK")
                                : damage < 0.0 ? std::string("DESTROYED")
                                               : FormatConsoleText("%-4.1f", gameState.RepairDate(row.system));
      if (&row == &Rows[std::size(Rows) - 1])
        ConsolePrintThenPrompt(shipLog, row.text, state.c_str());
      else
        ConsolePrint(shipLog, row.text, state.c_str());
    }
  }

  // Days per alien: what the mission allows, what the player has taken so far (once six are
  // destroyed) and what is left for each remaining one; a verdict once a quarter are gone.
  void TimeAnalysis() {
    const int destroyed = gameState.alienTotal - gameState.aliensRemaining;
    const double requirement = gameState.alienTotal == 0 ? 0.0 : gameState.missionLength / gameState.alienTotal;
    const double rating =
        destroyed >= RatedAfterDestroyed ? (gameState.stardateNow - gameState.stardateStart) / destroyed : 0.0;
    // With no alien left the game is won; the time needed is then none.
    const double needed =
        gameState.aliensRemaining == 0
            ? 0.0
            : (gameState.stardateStart + gameState.missionLength - gameState.stardateNow) / gameState.aliensRemaining;
    ConsolePrint(shipLog, Msg::ConsoleAnalysisTitle);
    ConsolePrint(shipLog, Msg::ConsoleRequirement, requirement);
    if (rating != 0.0)
      ConsolePrint(shipLog, Msg::ConsoleRating, rating);
    else
      ConsolePrint(shipLog, Msg::ConsoleRatingNone);
    ConsolePrint(shipLog, Msg::ConsoleRequiredToWin, needed);
    if (destroyed >= gameState.alienTotal / 4 && rating != 0.0)
      ConsolePrintThenPrompt(shipLog, rating <= requirement ? Msg::ConsoleDoingWell : Msg::ConsoleFallingBehind);
    else
      Prompt();
  }

  void Unrecognised() {
    if (++sectorState.unrecognisedLineCount >= HelpAfterUnrecognised) {
      ConsolePrintThenPrompt(shipLog, Msg::ConsoleSeeManual);
      sectorState.unrecognisedLineCount = 0;
    } else {
      ConsolePrintThenPrompt(shipLog, Msg::ConsoleHuh);
    }
  }

  void Location() {
    ConsolePrintThenPrompt(shipLog, Msg::ConsoleLocation, ShipQuadrantColumn() + 1, ShipQuadrantRow() + 1,
                           gameState.shipSectorX + 1, gameState.shipSectorY + 1);
  }

  void StardateStatus() {
    const double end = gameState.stardateStart + gameState.missionLength;
    ConsolePrintThenPrompt(shipLog, Msg::ConsoleTimeReport, gameState.stardateNow, gameState.missionLength, end,
                           gameState.stardateNow - gameState.stardateStart, end - gameState.stardateNow);
  }

  void Power() {
    ConsolePrintThenPrompt(shipLog, Msg::ConsolePowerReport, gameState.shipEnergy, gameState.shieldEnergy,
                           gameState.shipEnergy + gameState.shieldEnergy);
  }

  void AlienCount() {
    ConsolePrintThenPrompt(shipLog, Msg::ConsoleAlienReport, gameState.alienTotal,
                           gameState.alienTotal - gameState.aliensRemaining, gameState.aliensRemaining);
  }

  void Refusal() { ConsolePrintThenPrompt(shipLog, Msg::ConsoleGetSerious); }

  void Help() { ConsolePrintThenPrompt(shipLog, Msg::ConsoleSeeManual); }

  void Skill() {
    const char* name = SkillName(gameState.skillLevel);
    ConsolePrintText(shipLog, name ? name : "");
    ConsolePrintTextThenPrompt(shipLog, "\n");
  }

  void CourseToQuadrant(const std::string& line) {
    CourseTo(line, "GETQ", ShipQuadrantColumn(), ShipQuadrantRow(), Msg::ConsoleWarpCourse);
  }

  void CourseToSector(const std::string& line) {
    CourseTo(line, "GETS", gameState.shipSectorX, gameState.shipSectorY, Msg::ConsoleImpulseCourse);
  }

  ConsoleAnswer LeaveConsole(const std::string&) {
    Prompt();
    sounds.PlaySoundNow(Sounds::Acknowledge, false);
    return ConsoleAnswer::Leave;
  }

  // A command that always stays in the console; it reads the line when it has arguments.
  template <auto Report>
  ConsoleAnswer Staying(const std::string& line) {
    if constexpr (std::is_invocable_v<decltype(Report), CommandRun&, const std::string&>)
      (this->*Report)(line);
    else
      (this->*Report)();
    return ConsoleAnswer::Stay;
  }
};

struct Command {
  const char* keyword;
  ConsoleAnswer (CommandRun::*carryOut)(const std::string& line);
};

// Each keyword is looked for anywhere in the line, in this order, and the first found runs
// its command: STARBASE is BAS, UNREROUTE holds RER, DIRECTION is DIR.
constexpr Command Commands[] = {
    {"BAS", &CommandRun::Staying<&CommandRun::StarbaseReport>},
    {"SCA", &CommandRun::Staying<&CommandRun::SectorScan>},
    {"RIC", &CommandRun::GravityRicochetCommand},
    {"LOC", &CommandRun::Staying<&CommandRun::Location>},
    {"STA", &CommandRun::Staying<&CommandRun::StardateStatus>},
    {"POW", &CommandRun::Staying<&CommandRun::Power>},
    {"ALI", &CommandRun::Staying<&CommandRun::AlienCount>},
    {"CD", &CommandRun::Staying<&CommandRun::Refusal>},
    {"DIR", &CommandRun::Staying<&CommandRun::Refusal>},
    {"HEL", &CommandRun::Staying<&CommandRun::Help>},
    {"SKI", &CommandRun::Staying<&CommandRun::Skill>},
    {"GETQ", &CommandRun::Staying<&CommandRun::CourseToQuadrant>},
    {"ADV", &CommandRun::Staying<&CommandRun::AdvanceTime>},
    {"GETS", &CommandRun::Staying<&CommandRun::CourseToSector>},
    {"RER", &CommandRun::Staying<&CommandRun::Reroute>},
    {"UNR", &CommandRun::Staying<&CommandRun::Unreroute>},
    {"DAM", &CommandRun::Staying<&CommandRun::SystemStatus>},
    {"ANA", &CommandRun::Staying<&CommandRun::TimeAnalysis>},
    {"BYE", &CommandRun::LeaveConsole},
    {"EXI", &CommandRun::LeaveConsole},
    {"> ", &CommandRun::Staying<&CommandRun::Prompt>},
};
}  // namespace

ConsoleAnswer ExecuteConsoleLine(const ConsoleWorld& world, std::string_view row) {
  const JournalEvent journaled(MakeJournalRecord(JournalKind::Console, {}, std::string(row)));
  CommandRun run{world};
  const std::string line = LineOf(row);
  if (CharAt(line, 0) == ' ' && CharAt(line, 1) == ' ') {
    run.Prompt();
    return ConsoleAnswer::Stay;
  }
  for (const Command& command : Commands)
    if (line.find(command.keyword) != std::string::npos) return (run.*command.carryOut)(line);
  run.Unrecognised();
  return ConsoleAnswer::Stay;
}
