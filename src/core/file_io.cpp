#include "core/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>

#include "core/file_descriptor.h"
#include "core/message_catalogue.h"
#include "core/temporary_file.h"

namespace {
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

// The mode a new file gets: the usual one for this user.
mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

struct PathParts {
  std::string directory, name;
};
PathParts Split(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return {".", path};
  return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

// The file `path` finally names, each symbolic link followed from the folder that holds it;
// nothing (errno set) when a link cannot be read or the links go round in circles.
std::optional<std::string> FollowLinks(std::string path) {
  constexpr int MostLinks = 40;  // as the system itself allows
  for (int link = 0; link <= MostLinks; ++link) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) return errno == ENOENT ? std::optional(path) : std::nullopt;
    if (!S_ISLNK(info.st_mode)) return path;
    std::string target(PATH_MAX, '\0');
    const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
    if (length < 0) return std::nullopt;
    target.resize(static_cast<std::size_t>(length));
    path = target.starts_with('/') ? target : Split(path).directory + '/' + target;
  }
  errno = ELOOP;
  return std::nullopt;
}

bool Fail(std::string* reason, std::string why) {
  if (reason) *reason = std::move(why);
  return false;
}
bool FailWithSystemReason(std::string* reason) { return Fail(reason, std::strerror(errno)); }
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

bool ReplaceFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes, std::string* reason) {
  // Through a symbolic link the file it points to is replaced, in its own folder.
  const std::optional<std::string> target = FollowLinks(path);
  if (!target) return FailWithSystemReason(reason);
  struct stat existing {};
  const bool replacing = ::stat(target->c_str(), &existing) == 0;
  if (replacing && !S_ISREG(existing.st_mode)) return Fail(reason, MessageText(Msg::NotRegularFileReason));
  // Renaming over a file needs only the folder's permission: the file's own is asked here.
  if (replacing && ::faccessat(AT_FDCWD, target->c_str(), W_OK, AT_EACCESS) != 0) return FailWithSystemReason(reason);

  const PathParts parts = Split(*target);
  std::string temporary;
  FileDescriptor file = CreateTemporaryFor(parts.directory, parts.name, temporary);
  if (file.Get() < 0) return FailWithSystemReason(reason);
  // A replaced file keeps its owner where the system allows it, and its permissions.
  if (replacing && ::fchown(file.Get(), existing.st_uid, existing.st_gid) != 0) {
    // Only root gives a file away; anybody else's copy is theirs, as any new file would be.
  }
  const mode_t mode = replacing ? existing.st_mode & 07777 : NewFileMode();
  const bool written = WriteAll(file.Get(), bytes) && ::fsync(file.Get()) == 0 && ::fchmod(file.Get(), mode) == 0 &&
                       file.Close() && ::rename(temporary.c_str(), target->c_str()) == 0;
  if (!written) {
    const int error = errno;
    ::unlink(temporary.c_str());
    errno = error;
    return FailWithSystemReason(reason);
  }
  // Make the rename itself durable; a failure here no longer endangers either file.
  FileDescriptor directory(::open(parts.directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (directory.Get() >= 0) ::fsync(directory.Get());
  return true;
}

int ReplaceRefusal(const std::string& path) {
  const std::optional<std::string> target = FollowLinks(path);
  if (!target) return errno;
  if (::access(Split(*target).directory.c_str(), W_OK | X_OK) != 0) return errno;
  if (::access(target->c_str(), W_OK) != 0 && errno != ENOENT) return errno;
  return 0;
}
