// The limit is RLIMIT_AS, set in a forked child on top of the address space
// it already holds, so that every allocation counts whether or not it is
// ever touched.
#include "tests/toolkit/MemoryLimit.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

namespace {

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kCanLimit = false;
#else
constexpr bool kCanLimit = true;
#endif

size_t addressSpaceInUse() {
  std::ifstream statm("/proc/self/statm");
  size_t pages = 0;
  statm >> pages;
  return pages * static_cast<size_t>(sysconf(_SC_PAGESIZE));
}

}  // namespace

BoundedRun runWithMemoryLimit(size_t extraBytes, const std::function<int()>& work) {
  const bool limited = kCanLimit && addressSpaceInUse() > 0;
  std::fflush(nullptr);
  const pid_t child = fork();
  if (child < 0) return {};
  if (child == 0) {
    if (limited) {
      const rlim_t bound = addressSpaceInUse() + extraBytes;
      const rlimit limit{bound, bound};
      if (setrlimit(RLIMIT_AS, &limit) != 0) _exit(254);
    }
    _exit(work() & 0xFF);
  }
  int status = 0;
  if (waitpid(child, &status, 0) != child) return {};
  return {limited, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}
