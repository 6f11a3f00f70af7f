#pragma once
// Journals on disk: one file a mission in a folder of journals, written through a buffer and
// flushed to the disk when asked; the oldest beyond a count are removed as a new one begins.

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "core/journal_recorder.h"

inline constexpr const char* JournalExtension = ".journal";
inline constexpr std::size_t JournalsKept = 50;

// A new journal file at `path` (never one that exists); null, with the reason in `reason`,
// when it cannot be made.
std::unique_ptr<JournalOutput> CreateJournalFile(const std::string& path, std::string* reason = nullptr);

// The journals of `folder`, oldest first (their names begin with the time they were begun).
std::vector<std::string> JournalsIn(const std::string& folder);

// Makes `folder` if need be, removes its oldest journals so that `keep` - 1 remain, and begins a
// new one named after `stamp` (a sortable time, "20261209-081500"); null when it cannot.
std::unique_ptr<JournalOutput> BeginJournalIn(const std::string& folder, const std::string& stamp,
                                              std::size_t keep = JournalsKept, std::string* reason = nullptr);
