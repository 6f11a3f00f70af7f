#include "core/journal_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace {
namespace fs = std::filesystem;

class JournalFile : public JournalOutput {
 public:
  explicit JournalFile(int fd) : fd_(fd) {}
  ~JournalFile() override { close(fd_); }
  JournalFile(const JournalFile&) = delete;
  JournalFile& operator=(const JournalFile&) = delete;

  bool Write(std::string_view text) override {
    while (!text.empty()) {
      const ssize_t written = write(fd_, text.data(), text.size());
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) return false;
      text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
  }
  bool Flush() override { return fdatasync(fd_) == 0 || errno == EINVAL; }

 private:
  int fd_;
};

bool IsJournal(const fs::directory_entry& entry) {
  std::error_code error;
  return entry.is_regular_file(error) && entry.path().extension() == JournalExtension;
}
}  // namespace

std::unique_ptr<JournalOutput> CreateJournalFile(const std::string& path, std::string* reason) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644);
  if (fd < 0) {
    if (reason) *reason = path + ": " + std::strerror(errno);
    return nullptr;
  }
  return std::make_unique<JournalFile>(fd);
}

std::vector<std::string> JournalsIn(const std::string& folder) {
  std::vector<std::string> journals;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
    if (IsJournal(*it)) journals.push_back(it->path().string());
  std::sort(journals.begin(), journals.end());
  return journals;
}

std::unique_ptr<JournalOutput> BeginJournalIn(const std::string& folder, const std::string& stamp, std::size_t keep,
                                              std::string* reason) {
  std::error_code error;
  fs::create_directories(folder, error);
  if (error) {
    if (reason) *reason = folder + ": " + error.message();
    return nullptr;
  }
  std::vector<std::string> journals = JournalsIn(folder);
  for (std::size_t i = 0; i + std::max<std::size_t>(keep, 1) <= journals.size(); ++i) fs::remove(journals[i], error);
  // Two missions begun in the same second are told apart by a number.
  for (int n = 1; n < 100; ++n) {
    const std::string path = folder + "/" + stamp + (n == 1 ? "" : "-" + std::to_string(n)) + JournalExtension;
    if (fs::exists(path, error)) continue;
    return CreateJournalFile(path, reason);
  }
  if (reason) *reason = folder + ": too many journals begun at " + stamp;
  return nullptr;
}
