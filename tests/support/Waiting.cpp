#include "tests/support/Waiting.h"

#include <chrono>
#include <thread>

bool waitFor(const std::function<bool()>& done, WaitLimits limits) {
  const auto limit = std::chrono::steady_clock::now() + std::chrono::milliseconds(limits.limitMs);
  while (std::chrono::steady_clock::now() < limit) {
    if (done()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(limits.periodMs));
  }
  return done();
}
