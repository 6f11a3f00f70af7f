#pragma once
// Opening a file for reading safely, reading a whole file with a size limit, and replacing a
// file atomically: the new content goes to a temporary file beside the target, is flushed to
// disk and then renamed over the target, so a crash, a full disk or a write error never leaves
// a half-written file behind. The target's permissions and symbolic links are honoured as a
// write into it would.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

enum class ReadFailure { None, Missing, Unreadable, NotRegular, TooLarge };

// A file opened for reading. It is opened without waiting on it and kept only when it is a
// regular file: a named pipe or a device in a file's place would otherwise hold the game until
// something else writes to it. The descriptor is closed with the object.
class ReadableFile {
 public:
  explicit ReadableFile(const std::string& path);
  ~ReadableFile();
  ReadableFile(const ReadableFile&) = delete;
  ReadableFile& operator=(const ReadableFile&) = delete;

  bool Ok() const { return failure_ == ReadFailure::None; }
  int Descriptor() const { return fd_; }
  ReadFailure Failure() const { return failure_; }
  int SystemError() const { return systemError_; }  // errno of the refusal, 0 when the system gave none

 private:
  int fd_ = -1;
  ReadFailure failure_ = ReadFailure::None;
  int systemError_ = 0;
};

struct FileContent {
  std::vector<std::uint8_t> bytes;
  ReadFailure failure = ReadFailure::None;
  int systemError = 0;  // errno of the failure, 0 when the system gave none
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

// What the system would refuse a replacement of `path` with, as far as it can tell beforehand
// (a folder that takes no new file, a file this user may not change, such as an immutable one
// or one on a read-only disk): its errno, or 0 when nothing stands in the way.
int ReplaceRefusal(const std::string& path);
