#pragma once
// A named pipe put where the game expects one of its files, and a way to tell whether a reader
// would wait on it for ever: a reader stuck in the pipe is let go by a writer that comes and
// leaves at once, so a failing test ends instead of hanging the suite.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <future>

// Makes the pipe at `path`; false when the file system cannot hold one.
inline bool MakeNamedPipe(const std::filesystem::path& path) { return ::mkfifo(path.c_str(), 0644) == 0; }

// Runs `read` on another thread; true when it finished within two seconds with nobody writing
// to the pipe at `pipe`.
inline bool FinishesWithoutAWriter(const std::filesystem::path& pipe, const std::function<void()>& read) {
  std::future<void> reading = std::async(std::launch::async, read);
  if (reading.wait_for(std::chrono::seconds(2)) == std::future_status::ready) return true;
  for (;;) {  // the reader may be waiting in open() or in read(): a writer's visit ends both
    const int writer = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (writer >= 0) ::close(writer);
    if (reading.wait_for(std::chrono::milliseconds(50)) == std::future_status::ready) return false;
  }
}
