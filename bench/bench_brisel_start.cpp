// The desktop tool on the null display, in one run: time from start to the
// first presented frame, resident memory, and the CPU it uses while idle
// compared with the floor of two bare threads that sleep 1 ms per turn (what
// the frame loop and the window thread do at rest).
#include <sys/resource.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <thread>

#include "app/BriselApp.h"
#include "framework/core/NVEngine.h"
#include "framework/core/NVStageBase.h"
#include "platform/host/display/null/NullDisplay.h"

namespace {

using Clock = std::chrono::steady_clock;

double cpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// CPU share of one core over a wall-clock span.
double cpuShare(double seconds, const std::function<void()>& during) {
  const double before = cpuSeconds();
  const auto start = Clock::now();
  during();
  std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
  const double wall = std::chrono::duration<double>(Clock::now() - start).count();
  return (cpuSeconds() - before) / wall;
}

double bareThreadsFloor(double seconds) {
  std::atomic<bool> stop{false};
  auto sleeper = [&stop] {
    while (!stop) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  };
  std::thread a(sleeper), b(sleeper);
  const double share = cpuShare(seconds, [] {});
  stop = true;
  a.join();
  b.join();
  return share;
}

}  // namespace

int main() {
  nvhost::NullDisplay::select();
  const double floor = bareThreadsFloor(3.0);

  const auto start = Clock::now();
  std::thread program([] { briselMain(); });
  double firstFrameMs = -1;
  for (int i = 0; i < 10000 && firstFrameMs < 0; ++i) {
    NVStageBase* window = currentMainWindow.load();
    if (window && window->hwnd) {
      const RECT presented = nvhost::NullDisplay::takePresented(window->hwnd);
      if (presented.right > presented.left)
        firstFrameMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    }
    if (firstFrameMs < 0) std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(500));  // let start-up work settle
  const double idle = cpuShare(3.0, [] {});
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);

  std::printf("start to first presented frame: %.1f ms (goal under 150 ms)\n", firstFrameMs);
  std::printf("peak resident memory: %.1f MB (goal under 30 MB)\n", usage.ru_maxrss / 1024.0);
  std::printf("idle CPU: %.2f %% of a core; two bare sleeping threads: %.2f %%; ratio %.2f (goal at most 1.25)\n",
              idle * 100, floor * 100, idle / floor);
  if (NVEngine::instance) NVEngine::instance->quit();
  program.join();
  return 0;
}
