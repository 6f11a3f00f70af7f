#include <gtest/gtest.h>

#include <string>

#include "core/journal_format.h"

namespace {
const std::string Header =
    "kestrav-journal 1\n"
    "program 2.0\n"
    "start new 12345 2\n"
    "random 99\n"
    "clock 1000000 1045000\n";

JournalReading Read(const std::string& records) { return ParseJournal(Header + records); }

// The problem a damaged journal is refused with, and its line.
std::string Refusal(const std::string& text) {
  const JournalReading reading = ParseJournal(text);
  EXPECT_FALSE(reading.journal) << text;
  return std::to_string(reading.line) + ": " + reading.problem;
}

TEST(JournalFormat, EveryKindOfRecordReadsBackAsWritten) {
  const std::string records =
      "1000000 check 0123456789abcdef energy=3000 shields=0 torpedoes=10 stardate=5034.0 quadrant=12 sector=3,4 "
      "aliens=17\n"
      "1000000 shields 2500 500\n"
      "1000012 move 90 0 2\n"
      "@3 1000200 frames\n"
      "@3 1000200 random 4294967295\n"
      "1000900 torpedo 302 5\n"
      "1001000 ricochet\n"
      "1002000 charge 500 single\n"
      "1002000 phasers 500 wide\n"
      "1003000 console \">SHE \\\"x\\\" \\\\ \\x07\"\n"
      "1045001 idle 1045001\n"
      "1050000 save\n"
      "1200000 end\n";
  const JournalReading reading = Read(records);
  ASSERT_TRUE(reading.journal) << reading.line << ": " << reading.problem;
  const Journal& journal = *reading.journal;
  EXPECT_EQ(journal.program, "2.0");
  EXPECT_TRUE(journal.start.newMission);
  EXPECT_EQ(journal.start.seed, 12345u);
  EXPECT_EQ(journal.start.skill, SkillLevel::Officer);
  EXPECT_EQ(journal.start.randomState, 99u);
  EXPECT_EQ(journal.start.nextClockTick, 1045000u);
  ASSERT_EQ(journal.records.size(), 13u);
  EXPECT_EQ(journal.records[3].pump, 3);
  EXPECT_EQ(journal.records[9].text, ">SHE \"x\" \\ \a");
  EXPECT_EQ(journal.records[0].check.hash, 0x0123456789abcdefull);
  EXPECT_EQ(journal.lines.front(), 6);

  std::string again = FormatJournalHeader(journal.program, journal.start);
  for (const JournalRecord& record : journal.records) again += FormatJournalRecord(record);
  EXPECT_EQ(again, Header + records);
}

TEST(JournalFormat, ALoadedGameIsCarriedWholeInHex) {
  JournalStart start;
  start.newMission = false;
  start.savedGame.resize(9456 + 36 * 3);
  for (std::size_t i = 0; i < start.savedGame.size(); ++i) start.savedGame[i] = static_cast<std::uint8_t>(i * 7);
  start.randomState = 5;
  const std::string text = FormatJournalHeader("2.0", start) + "1 end\n";
  const JournalReading reading = ParseJournal(text);
  ASSERT_TRUE(reading.journal) << reading.problem;
  EXPECT_EQ(reading.journal->start, start);

  std::string cut = text;
  cut.erase(cut.find("\ngame ") + 7, 2);  // a line one byte short
  EXPECT_EQ(Refusal(cut), "4: a \"game\" line holds bad hex");
}

TEST(JournalFormat, ADamagedJournalNamesItsLineAndFault) {
  EXPECT_EQ(Refusal(""), "1: not a Kestrav journal");
  EXPECT_EQ(Refusal("PK\x03\x04 zip\n"), "1: not a Kestrav journal");
  EXPECT_EQ(Refusal("kestrav-journal 2\n"), "1: a journal of another format version (this program reads version 1)");
  EXPECT_EQ(Refusal("kestrav-journal 1\nprogram 2.0\nstart new 1 6\n"), "3: a bad seed or skill");
  EXPECT_EQ(Refusal(Header + "1000 move 90 0 2"), "6: a line cut short or too long");
  EXPECT_EQ(Refusal(Header + "1000 move 90 0\n"), "6: \"move\" takes 3 figures");
  EXPECT_EQ(Refusal(Header + "1000 move 360 0 2\n"), "6: a bad figure \"360\"");
  EXPECT_EQ(Refusal(Header + "1000 move 9x 0 2\n"), "6: a bad figure \"9x\"");
  EXPECT_EQ(Refusal(Header + "1000 move -1 0 2\n"), "6: a bad figure \"-1\"");
  EXPECT_EQ(Refusal(Header + "1000 move 090 0 2\n"), "6: a bad figure \"090\"");
  EXPECT_EQ(Refusal(Header + "99999999999 ricochet\n"), "6: a bad tick");
  EXPECT_EQ(Refusal(Header + "1000 warp 9\n"), "6: an unknown record \"warp\"");
  EXPECT_EQ(Refusal(Header + "1000  ricochet\n"), "6: a record's words are separated by single spaces");
  EXPECT_EQ(Refusal(Header + "@0 1000 frames\n"), "6: a bad wait number after @");
  EXPECT_EQ(Refusal(Header + "1000 phasers 10 both\n"), "6: a bad figure \"both\"");
  EXPECT_EQ(Refusal(Header + "1000 console \">LOC\n"), "6: a console record holds one quoted row");
  EXPECT_EQ(Refusal(Header + "1000 console \">\\q\"\n"), "6: a console record holds one quoted row");
  EXPECT_EQ(Refusal(Header + "1000 ricochet \"x\"\n"), "6: only a console record holds a quoted row");
  EXPECT_EQ(Refusal(Header + "1000 check 12 energy=1\n"), "6: a checkpoint is a 16-digit hash and its seven figures");
  EXPECT_EQ(Refusal(Header + std::string(5000, '1') + "\n"), "6: a line cut short or too long");
  EXPECT_EQ(Refusal(Header + "1000 console \">\x1a\"\n"), "6: a line holds a byte that is not printable text");
  EXPECT_EQ(Refusal(Header + "1000 ricochet\r\n"), "6: a line holds a byte that is not printable text");
  EXPECT_EQ(Refusal(std::string("kestrav-journal 1\nprogram \0\n", 28)),
            "2: a line holds a byte that is not printable text");
}

TEST(JournalFormat, ACheckpointHashesTheSavedGamesBytes) {
  GameState state;
  state.alienTable.resize(1);
  state.alienTotal = 1;
  const std::uint64_t before = SavedGameHash(state);
  EXPECT_EQ(CheckpointOf(state).hash, before);
  state.galaxy[63].cells[7][7] = 0x108;  // a star one frame on, in the last quadrant
  EXPECT_NE(SavedGameHash(state), before);
  state.shipEnergy = 2990;
  state.stardateNow = 5034.06;
  const JournalCheck check = CheckpointOf(state);
  EXPECT_EQ(check.fields[0], (std::pair<std::string, std::string>("energy", "2990")));
  EXPECT_EQ(check.fields[3], (std::pair<std::string, std::string>("stardate", "5034.1")));
}
}  // namespace
