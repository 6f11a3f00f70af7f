// Any bytes read as a journal give either a journal or the line and fault that stop it, never a
// crash; a journal that is read writes out as text that reads back as the same journal.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/journal_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const JournalReading reading = ParseJournal(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!reading.journal) {
    if (reading.line < 1 || reading.problem.empty()) __builtin_trap();
    return 0;
  }
  const Journal& journal = *reading.journal;
  std::string text = FormatJournalHeader(journal.program, journal.start);
  for (const JournalRecord& record : journal.records) text += FormatJournalRecord(record);
  const JournalReading again = ParseJournal(text);
  if (!again.journal || again.journal->start != journal.start || again.journal->records != journal.records)
    __builtin_trap();
  return 0;
}
