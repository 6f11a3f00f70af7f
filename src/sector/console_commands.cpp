#include "sector/console_commands.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <type_traits>

#include "core/console_print.h"
#include "core/core_state.h"
#include "core/game_state.h"
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

// Answers that print no text of their own end with the prompt typed at the caret; the others
// print it after their text.
void Prompt() { host().ConsolePrompt(); }

int ShipQuadrantColumn() { return QuadrantColumn(coreState.game.shipQuadrant); }
int ShipQuadrantRow() { return QuadrantRow(coreState.game.shipQuadrant); }

// Every starbase of the galaxy with a warp course to it; an uncharted one at a position
// guessed afresh each time, up to one below or two above the true one.
void StarbaseReport() {
  const int shipX = ShipQuadrantColumn() + 1, shipY = ShipQuadrantRow() + 1;
  for (int q = 0; q < QuadrantCount; ++q) {
    const QuadrantRecord& quadrant = coreState.game.galaxy[static_cast<std::size_t>(q)];
    if (quadrant.starbaseCount == 0) continue;
    int x = QuadrantColumn(q) + 1, y = QuadrantRow(q) + 1;
    if (quadrant.flags & QuadrantFlag::Charted) {
      ConsolePrint(Msg::ConsoleStarbaseFound, x, y);
    } else {
      x = std::clamp(QuadrantColumn(q) + (lcg::rand() & 3), 1, 8);
      y = std::clamp(QuadrantRow(q) + (lcg::rand() & 3), 1, 8);
      ConsolePrint(Msg::ConsoleStarbasePossible, x, y);
    }
    int warp = 0, course = 0;
    if (q != coreState.game.shipQuadrant) {
      course = CourseBearing(x - shipX, y - shipY);
      warp = GridDistance(shipX, shipY, x, y);
    }
    ConsolePrint(Msg::ConsoleWarpCourse, warp, course);
  }
  Prompt();
}

void ReportAlien(MessageId text, int x, int y) {
  const int index = FindAlienAt(coreState.game.shipQuadrant, x, y);
  if (index < 0) {
    PostShipMessage(Msg::InternalError, "com", __LINE__);
    return;
  }
  ConsolePrint(text, x + 1, y + 1, coreState.game.alienTable[static_cast<std::size_t>(index)].energy);
  ConsolePrint(Msg::ConsoleBearing, CourseBearing(x - coreState.game.shipSectorX, y - coreState.game.shipSectorY),
               GridDistance(coreState.game.shipSectorX, coreState.game.shipSectorY, x, y));
}

// Every object of the ship's quadrant, row by row, with bearings and distances to aliens.
void SectorScan() {
  ConsolePrint(Msg::ConsoleScanningSector);
  const QuadrantRecord& quadrant = coreState.game.ShipQuadrantRecord();
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      switch (Cell::Object(quadrant.cells[y][x])) {
        case Cell::Starbase: ConsolePrint(Msg::ConsoleScanStarbase, x + 1, y + 1); break;
        case Cell::StarA: ConsolePrint(Msg::ConsoleScanStar, 'A', x + 1, y + 1); break;
        case Cell::StarB: ConsolePrint(Msg::ConsoleScanStar, 'B', x + 1, y + 1); break;
        case Cell::StarX:
          ConsolePrint(Msg::ConsoleScanStar, 'X', x + 1, y + 1);
          if (quadrant.flags & QuadrantFlag::RicochetStar) ConsolePrint(Msg::ConsoleRicochetCompatible);
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
    ConsolePrint(Msg::ConsoleBusy);
    return;
  }
  sectorState.consoleBusy = true;
  for (int n = CountdownFrom; n >= 0; --n) {
    ConsolePrint(Msg::ConsoleCountdown, n);
    host().WaitPumping(CountdownStepMs);
  }
  host().PostScanRequest(RequestRicochet);
  sectorState.consoleBusy = false;
}

ConsoleAnswer GravityRicochetCommand() {
  const QuadrantRecord& quadrant = coreState.game.ShipQuadrantRecord();
  if (quadrant.starCount == 0) {
    ConsolePrintThenPrompt(Msg::ConsoleNoStars);
    return ConsoleAnswer::Stay;
  }
  if (!(quadrant.flags & QuadrantFlag::RicochetStar)) {
    ConsolePrintThenPrompt(Msg::ConsoleNoQualifyingStars);
    return ConsoleAnswer::Stay;
  }
  ConsolePrint(Msg::ConsoleComputingRicochet);
  RicochetCountdown();
  Prompt();
  return ConsoleAnswer::Leave;
}

// The target cell of GETQ and GETS: digits 1..8 at 5 and 7 places after the keyword, 0-based;
// false when either is not such a digit.
bool TargetAfter(const std::string& line, const char* keyword, int& x, int& y) {
  const std::size_t at = line.find(keyword);
  x = CharAt(line, at + 5) - '1';
  y = CharAt(line, at + 7) - '1';
  return x >= 0 && x <= 7 && y >= 0 && y <= 7;
}

// The course and distance from (fromX, fromY) to the target named after the keyword;
// 0 and 0 for the cell itself.
void CourseTo(const std::string& line, const char* keyword, int fromX, int fromY, MessageId answer) {
  int x = 0, y = 0;
  if (!TargetAfter(line, keyword, x, y)) {
    ConsolePrintThenPrompt(Msg::ConsoleInvalidCoordinates);
    return;
  }
  int distance = 0, course = 0;
  if (x != fromX || y != fromY) {
    course = CourseBearing(x - fromX, y - fromY);
    distance = GridDistance(fromX, fromY, x, y);
  }
  ConsolePrint(answer, distance, course);
  Prompt();
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

// Lets time pass: systems due back are repaired, but no energy is used and the game clock
// is not touched; the next condition evaluation finds a mission that has run out.
void AdvanceTime(const std::string& line) {
  const double days = TimeAfterAdv(line);
  if (days == 0.0) {
    ConsolePrintThenPrompt(Msg::ConsoleInvalidTime);
    return;
  }
  coreState.game.stardateNow += days;
  ApplyRepairs();
  host().InvalidateStation(Station::Status, false);
  ++coreState.game.changeCount;
  Prompt();
}

void Reroute() {
  PostShipMessage(Msg::PanelRerouted);  // still on the panel: the switch is not yet set
  ConsolePrintThenPrompt(Msg::ConsoleRerouting);
  coreState.game.messagesToComputer = 1;
}

void Unreroute() {
  coreState.game.messagesToComputer = 0;
  PostShipMessage(Msg::PanelEnabled);
  ConsolePrintThenPrompt(Msg::ConsoleUnrerouting);
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
    const double damage = coreState.game.Damage(row.system);
    const std::string state = damage == 0.0  ? std::string("OK")
                              : damage < 0.0 ? std::string("DESTROYED")
                                             : FormatConsoleText("%-4.1f", coreState.game.RepairDate(row.system));
    if (&row == &Rows[std::size(Rows) - 1])
      ConsolePrintThenPrompt(row.text, state.c_str());
    else
      ConsolePrint(row.text, state.c_str());
  }
}

// Days per alien: what the mission allows, what the player has taken so far (once six are
// destroyed) and what is left for each remaining one; a verdict once a quarter are gone.
void TimeAnalysis() {
  const int destroyed = coreState.game.alienTotal - coreState.game.aliensRemaining;
  const double requirement =
      coreState.game.alienTotal == 0 ? 0.0 : coreState.game.missionLength / coreState.game.alienTotal;
  const double rating =
      destroyed >= RatedAfterDestroyed ? (coreState.game.stardateNow - coreState.game.stardateStart) / destroyed : 0.0;
  // With no alien left the game is won; the time needed is then none.
  const double needed =
      coreState.game.aliensRemaining == 0
          ? 0.0
          : (coreState.game.stardateStart + coreState.game.missionLength - coreState.game.stardateNow) /
                coreState.game.aliensRemaining;
  ConsolePrint(Msg::ConsoleAnalysisTitle);
  ConsolePrint(Msg::ConsoleRequirement, requirement);
  if (rating != 0.0)
    ConsolePrint(Msg::ConsoleRating, rating);
  else
    ConsolePrint(Msg::ConsoleRatingNone);
  ConsolePrint(Msg::ConsoleRequiredToWin, needed);
  if (destroyed >= coreState.game.alienTotal / 4 && rating != 0.0)
    ConsolePrintThenPrompt(rating <= requirement ? Msg::ConsoleDoingWell : Msg::ConsoleFallingBehind);
  else
    Prompt();
}

void Unrecognised() {
  if (++sectorState.unrecognisedLineCount >= HelpAfterUnrecognised) {
    ConsolePrintThenPrompt(Msg::ConsoleSeeManual);
    sectorState.unrecognisedLineCount = 0;
  } else {
    ConsolePrintThenPrompt(Msg::ConsoleHuh);
  }
}

void Location() {
  ConsolePrintThenPrompt(Msg::ConsoleLocation, ShipQuadrantColumn() + 1, ShipQuadrantRow() + 1,
                         coreState.game.shipSectorX + 1, coreState.game.shipSectorY + 1);
}

void StardateStatus() {
  const double end = coreState.game.stardateStart + coreState.game.missionLength;
  ConsolePrintThenPrompt(Msg::ConsoleTimeReport, coreState.game.stardateNow, coreState.game.missionLength, end,
                         coreState.game.stardateNow - coreState.game.stardateStart, end - coreState.game.stardateNow);
}

void Power() {
  ConsolePrintThenPrompt(Msg::ConsolePowerReport, coreState.game.shipEnergy, coreState.game.shieldEnergy,
                         coreState.game.shipEnergy + coreState.game.shieldEnergy);
}

void AlienCount() {
  ConsolePrintThenPrompt(Msg::ConsoleAlienReport, coreState.game.alienTotal,
                         coreState.game.alienTotal - coreState.game.aliensRemaining, coreState.game.aliensRemaining);
}

void Refusal() { ConsolePrintThenPrompt(Msg::ConsoleGetSerious); }

void Help() { ConsolePrintThenPrompt(Msg::ConsoleSeeManual); }

void Skill() {
  const char* name = SkillName(coreState.game.skillLevel);
  ConsolePrintText(name ? name : "");
  ConsolePrintTextThenPrompt("\n");
}

void CourseToQuadrant(const std::string& line) {
  CourseTo(line, "GETQ", ShipQuadrantColumn(), ShipQuadrantRow(), Msg::ConsoleWarpCourse);
}

void CourseToSector(const std::string& line) {
  CourseTo(line, "GETS", coreState.game.shipSectorX, coreState.game.shipSectorY, Msg::ConsoleImpulseCourse);
}

ConsoleAnswer LeaveConsole(const std::string&) {
  Prompt();
  host().PlaySoundNow(Sounds::Acknowledge, false);
  return ConsoleAnswer::Leave;
}

// A command that always stays in the console; it reads the line when it has arguments.
template <auto Report>
ConsoleAnswer Staying(const std::string& line) {
  if constexpr (std::is_invocable_v<decltype(Report), const std::string&>)
    Report(line);
  else
    Report();
  return ConsoleAnswer::Stay;
}

struct Command {
  const char* keyword;
  ConsoleAnswer (*carryOut)(const std::string& line);
};

// Each keyword is looked for anywhere in the line, in this order, and the first found runs
// its command: STARBASE is BAS, UNREROUTE holds RER, DIRECTION is DIR.
constexpr Command Commands[] = {
    {"BAS", Staying<StarbaseReport>},
    {"SCA", Staying<SectorScan>},
    {"RIC", [](const std::string&) { return GravityRicochetCommand(); }},
    {"LOC", Staying<Location>},
    {"STA", Staying<StardateStatus>},
    {"POW", Staying<Power>},
    {"ALI", Staying<AlienCount>},
    {"CD", Staying<Refusal>},
    {"DIR", Staying<Refusal>},
    {"HEL", Staying<Help>},
    {"SKI", Staying<Skill>},
    {"GETQ", Staying<CourseToQuadrant>},
    {"ADV", Staying<AdvanceTime>},
    {"GETS", Staying<CourseToSector>},
    {"RER", Staying<Reroute>},
    {"UNR", Staying<Unreroute>},
    {"DAM", Staying<SystemStatus>},
    {"ANA", Staying<TimeAnalysis>},
    {"BYE", LeaveConsole},
    {"EXI", LeaveConsole},
    {"> ", Staying<Prompt>},
};
}  // namespace

ConsoleAnswer ExecuteConsoleLine(std::string_view row) {
  const std::string line = LineOf(row);
  if (CharAt(line, 0) == ' ' && CharAt(line, 1) == ' ') {
    Prompt();
    return ConsoleAnswer::Stay;
  }
  for (const Command& command : Commands)
    if (line.find(command.keyword) != std::string::npos) return command.carryOut(line);
  Unrecognised();
  return ConsoleAnswer::Stay;
}
