#pragma once
// Runs a check as a user whom file permissions bind. The tests run as root, who may read and
// write any file whatever its mode; the check runs in a child process that has given up root
// for the "nobody" user (or as the user the tests already run as), and reports back through
// its exit status.

#include <grp.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <functional>

// True when `check` returned true in the child. A check that fails should say why on stderr.
inline bool PassesAsUnprivilegedUser(const std::function<bool()>& check) {
  std::fflush(nullptr);
  const pid_t child = ::fork();
  if (child < 0) return false;
  if (child == 0) {
    constexpr uid_t Nobody = 65534;
    if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(Nobody) != 0 || ::setuid(Nobody) != 0)) {
      std::fputs("cannot become an unprivileged user\n", stderr);
      ::_exit(2);
    }
    const bool passed = check();
    std::fflush(nullptr);
    ::_exit(passed ? 0 : 1);
  }
  int status = 0;
  while (::waitpid(child, &status, 0) < 0) {
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
