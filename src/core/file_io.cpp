#include "file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {
// Closes the descriptor when it goes out of scope.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int Get() const { return fd_; }
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// A replaced file keeps its permissions; a new one gets the usual ones for this user.
mode_t ModeFor(const std::string& path) {
  struct stat existing {};
  if (::stat(path.c_str(), &existing) == 0) return existing.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

std::string DirectoryOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}
}  // namespace

ReadableFile::ReadableFile(const std::string& path) : fd_(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)) {
  if (fd_ < 0) {
    systemError_ = errno;
    failure_ = systemError_ == ENOENT ? ReadFailure::Missing : ReadFailure::Unreadable;
    return;
  }
  struct stat info {};
  if (::fstat(fd_, &info) != 0) {
    systemError_ = errno;
    failure_ = ReadFailure::Unreadable;
  } else if (!S_ISREG(info.st_mode)) {
    systemError_ = S_ISDIR(info.st_mode) ? EISDIR : 0;
    failure_ = ReadFailure::NotRegular;
  }
  // Reads from a regular file never wait anyway, so the descriptor can stay non-blocking.
}

ReadableFile::~ReadableFile() {
  if (fd_ >= 0) ::close(fd_);
}

FileContent ReadWholeFile(const std::string& path, std::size_t limit) {
  FileContent content;
  const ReadableFile file(path);
  if (!file.Ok()) {
    content.failure = file.Failure();
    content.systemError = file.SystemError();
    return content;
  }
  std::uint8_t chunk[4096];
  for (;;) {
    const ssize_t n = ::read(file.Descriptor(), chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      content.failure = ReadFailure::Unreadable;
      content.systemError = errno;
      return content;
    }
    if (n == 0) break;
    if (content.bytes.size() + static_cast<std::size_t>(n) > limit) {
      content.bytes.insert(content.bytes.end(), chunk, chunk + (limit - content.bytes.size()));
      content.failure = ReadFailure::TooLarge;
      return content;
    }
    content.bytes.insert(content.bytes.end(), chunk, chunk + n);
  }
  return content;
}

bool ReplaceFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
  std::string temporary = path + ".XXXXXX";
  FileDescriptor file(::mkostemp(temporary.data(), O_CLOEXEC));
  if (file.Get() < 0) return false;
  ::fchmod(file.Get(), ModeFor(path));
  const bool written = WriteAll(file.Get(), bytes) && ::fsync(file.Get()) == 0;
  if (!file.Close() || !written || ::rename(temporary.c_str(), path.c_str()) != 0) {
    const int error = errno;  // the caller is told why the file was not replaced, not how the clean-up went
    ::unlink(temporary.c_str());
    errno = error;
    return false;
  }
  // Make the rename itself durable; a failure here no longer endangers either file.
  FileDescriptor directory(::open(DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (directory.Get() >= 0) ::fsync(directory.Get());
  return true;
}

int ReplaceRefusal(const std::string& path) {
  if (::access(DirectoryOf(path).c_str(), W_OK | X_OK) != 0) return errno;
  if (::access(path.c_str(), W_OK) != 0 && errno != ENOENT) return errno;
  return 0;
}
