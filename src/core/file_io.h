#pragma once
// Reading a whole file with a size limit, and replacing a file atomically: the new content
// goes to a temporary file beside the target, is flushed to disk and then renamed over the
// target, so a crash, a full disk or a write error never leaves a half-written file behind.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

enum class ReadFailure { None, Missing, Unreadable, TooLarge };

struct FileContent {
  std::vector<std::uint8_t> bytes;
  ReadFailure failure = ReadFailure::None;
  bool Ok() const { return failure == ReadFailure::None; }
};

// The whole file, or why it could not be had. A file longer than `limit` bytes fails as
// TooLarge with its first `limit` bytes read.
FileContent ReadWholeFile(const std::string& path, std::size_t limit);

// Writes `bytes` to `path` through a temporary file in the same directory; false (and the
// previous file untouched) when anything fails.
bool ReplaceFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);
