#pragma once
// The flight recorder's journal: a text file a person can read, a mission from its start to
// its end, one record a line. It begins with a header:
//
//   kestrav-journal 1              the format's version
//   program 2.0                    the program that wrote it
//   start new 12345 2              a new mission from random state 12345 at skill 2, or
//   start load 9492                a saved game of 9492 bytes, given by the "game" lines
//   game 4b564600...               up to 64 bytes of it in hex, as many lines as it takes
//   random 3141592653              the random state as play begins
//   clock 1000000 1045000          the tick count then, and the next clock step's tick
//
// then the records, each with the tick at which it happened and what happened:
//
//   1000000 shields 2500 500       the Shields station's commit: ship and shield energy
//   1000012 move 90 0 2            a move: course, impulse, warp
//   1000900 torpedo 302 5          a torpedo: course and DISTANCE
//   1001000 ricochet               the gravity ricochet
//   1002000 charge 500 single      the Phasers station's EXECUTE paying a charge
//   1002000 phasers 500 single     the phaser shot the scan carries out (single or wide)
//   1003000 console ">LOC"         a console row entered ("\"", "\\" and "\xHH" escape)
//   1045001 idle 1045001           an idle pass that changed the game, with its message time
//   1045300 frames                 the scan's stars and starbases stepped on a frame
//   1045300 random 2718281828      the bridge drew from the random source (the shields'
//                                  shimmer): the state it left
//   1050000 save                   the game was saved
//   1050000 check 9f... energy=2990 shields=500 torpedoes=9 stardate=5034.1 quadrant=12 sector=3,4 aliens=17
//                                  a checkpoint: the FNV-1a hash of the saved game's bytes
//                                  and its main figures
//   1200000 end                    the mission is over; a journal without it was cut short
//
// A record that arrived while the game waited in the middle of another (a timer step during a
// move's animation) begins with "@K": it came during the K-th wait of the record running then.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/game_state.h"

inline constexpr int JournalVersion = 1;
// A journal longer than this is no journal of a mission.
inline constexpr std::size_t LargestJournal = 256u << 20;

enum class JournalKind {
  Move,
  Torpedo,
  Ricochet,
  PhaserCharge,
  Phasers,
  Shields,
  Console,
  Idle,
  Frames,
  Random,
  Save,
  Check,
  End
};

// A checkpoint: the saved game's hash and the figures a person reads first, as "name=value".
struct JournalCheck {
  std::uint64_t hash = 0;
  std::vector<std::pair<std::string, std::string>> fields;
  bool operator==(const JournalCheck&) const = default;
};

struct JournalRecord {
  JournalKind kind = JournalKind::End;
  std::uint32_t tick = 0;
  int pump = 0;                        // 0 between records; K during the K-th wait of the one running
  std::vector<std::uint32_t> numbers;  // the kind's figures in order; single is 1, wide 0
  std::string text;                    // a console row
  JournalCheck check;
  bool operator==(const JournalRecord&) const = default;
};

struct JournalStart {
  bool newMission = true;
  std::uint32_t seed = 0;  // a new mission's random state before it is generated
  SkillLevel skill = SkillLevel::Crewman;
  std::vector<std::uint8_t> savedGame;  // a loaded game's bytes
  std::uint32_t randomState = 0;        // as play begins
  std::uint32_t tick = 0;
  std::uint32_t nextClockTick = 0;
  bool operator==(const JournalStart&) const = default;
};

struct Journal {
  std::string program;
  JournalStart start;
  std::vector<JournalRecord> records;
  std::vector<int> lines;  // the line each record stands on, from 1
};

// A record of `kind` with its figures (or a console row); its tick is set when it is made.
JournalRecord MakeJournalRecord(JournalKind kind, std::vector<std::uint32_t> numbers = {}, std::string text = {});

// A figure of the game as a record holds it.
inline std::uint32_t JournalFigure(int value) { return static_cast<std::uint32_t>(value); }

std::string FormatJournalHeader(const std::string& program, const JournalStart& start);
std::string FormatJournalRecord(const JournalRecord& record);  // one line, with its newline

// The journal in `text`, or the first line that is not as the format says and what is wrong.
struct JournalReading {
  std::optional<Journal> journal;
  int line = 0;
  std::string problem;
};
JournalReading ParseJournal(std::string_view text);

// What a record does, in the journal's words: "move 90 0 2".
std::string DescribeJournalRecord(const JournalRecord& record);

// The FNV-1a 64-bit hash of the game's saved-game bytes, and a checkpoint of the game.
std::uint64_t SavedGameHash(const GameState& state);
JournalCheck CheckpointOf(const GameState& state);
