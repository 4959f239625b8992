// Runs a piece of work in a child process whose address space may grow only
// by a given amount, so that a test can bound the memory a loader takes.
#pragma once

#include <cstddef>
#include <functional>

struct BoundedRun {
  // The limit was in force; false where the system or the build cannot set
  // one (sanitizer builds reserve huge shadow areas; Windows has no fork).
  bool limited = false;
  // What the work returned (0-255), or -1 when the child did not exit.
  int status = -1;
};

BoundedRun runWithMemoryLimit(size_t extraBytes, const std::function<int()>& work);
