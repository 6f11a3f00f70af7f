#include "core/temporary_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <string_view>

namespace {
constexpr std::string_view Marker = ".kestrav-";
constexpr std::string_view Unique = "XXXXXX";  // filled in by mkostemp with letters and digits

// ".<name>.kestrav-" and six letters or digits: a name only CreateTemporaryFor gives.
bool IsTemporaryName(std::string_view name) {
  const std::size_t tail = Marker.size() + Unique.size();
  if (name.size() <= tail + 1 || name.front() != '.') return false;
  const std::string_view unique = name.substr(name.size() - Unique.size());
  return name.substr(name.size() - tail, Marker.size()) == Marker &&
         std::all_of(unique.begin(), unique.end(), [](unsigned char c) { return std::isalnum(c) != 0; });
}

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// A leftover is ours, a plain file and unlocked: no save holds it any more.
void RemoveIfLeftOver(const std::string& path) {
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
  struct stat opened {};
  if (file.Get() < 0 || ::fstat(file.Get(), &opened) != 0) return;
  if (!S_ISREG(opened.st_mode) || opened.st_uid != ::geteuid()) return;
  if (::flock(file.Get(), LOCK_EX | LOCK_NB) != 0) return;  // a save is writing it
  struct stat named {};
  if (::lstat(path.c_str(), &named) == 0 && SameFile(named, opened)) ::unlink(path.c_str());
}
}  // namespace

void RemoveSaveLeftovers(const std::string& directory) {
  DIR* folder = ::opendir(directory.c_str());
  if (!folder) return;
  while (const dirent* entry = ::readdir(folder))
    if (IsTemporaryName(entry->d_name)) RemoveIfLeftOver(directory + '/' + entry->d_name);
  ::closedir(folder);
}

FileDescriptor CreateTemporaryFor(const std::string& directory, const std::string& name, std::string& temporaryPath) {
  RemoveSaveLeftovers(directory);
  // Another program's clean-up may find the new file before it is locked and remove it; the
  // file is then made afresh.
  for (int attempt = 0; attempt < 4; ++attempt) {
    temporaryPath = directory + "/." + name + std::string(Marker) + std::string(Unique);
    FileDescriptor file(::mkostemp(temporaryPath.data(), O_CLOEXEC));
    if (file.Get() < 0) return file;
    struct stat created {};
    if (::flock(file.Get(), LOCK_EX | LOCK_NB) == 0 && ::fstat(file.Get(), &created) == 0 && created.st_nlink > 0)
      return file;
    ::unlink(temporaryPath.c_str());
  }
  errno = EAGAIN;
  return FileDescriptor(-1);
}
