#pragma once
// What the flight recorder keeps while the game runs: the journal being written and where
// the record it is writing stands. Part of the core's record, so a reset stops it.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/journal_format.h"
#include "core/journal_recorder.h"

// What is running while the recorder listens: records whose rules run, and waits inside them.
enum class JournalRunning { Record, Wait };

struct JournalRecorderState {
  JournalSettings settings;
  std::unique_ptr<JournalOutput> output;
  std::optional<JournalStart> starting;  // between a mission's start and its play
  std::vector<JournalRunning> running;
  std::string pending;            // the lines of the record running at the top, until it is over
  std::string unwritten;          // lines not yet handed to the output
  int waits = 0;                  // waits so far in the record running at the top
  std::uint32_t randomState = 0;  // the random source as the rules last left it
  int sinceCheck = 0;             // records since the last checkpoint
  std::uint32_t lastFlush = 0;
  // Which journal is being written: a new number whenever one stops, so that the records
  // still running when a mission ends (a new one begun in a wait) leave the next journal alone.
  int generation = 1;
};
