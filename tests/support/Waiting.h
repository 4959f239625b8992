// Polling waits for tests that watch another thread or process: the condition
// is asked again every period until it holds or the limit of real time runs
// out. The default limit is a generous bound a loaded machine stays within;
// reaching it fails the caller.
#pragma once

#include <functional>

struct WaitLimits {
  int periodMs = 5;
  int limitMs = 60000;
};

// Whether `done` held within the limit; asks once more at the end.
bool waitFor(const std::function<bool()>& done, WaitLimits limits = {});
