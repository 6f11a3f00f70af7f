#pragma once
// Reading a whole file with a size limit, and replacing a file atomically: the new content
// goes to a temporary file beside the target, is flushed to disk and then renamed over the
// target, so a crash, a full disk or a write error never leaves a half-written file behind.
// The target's permissions and symbolic links are honoured as a write into it would.

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

// Writes `bytes` to `path` through a temporary file in the target's directory; false, with
// the previous file untouched and the reason in `reason` when one is asked for, when anything
// fails: a file this user may not write, one that is not a regular file, a full disk. A
// replaced file keeps its permissions; through a symbolic link, the file it points to is
// replaced and the link stays.
bool ReplaceFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes, std::string* reason = nullptr);
