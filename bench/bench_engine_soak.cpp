// Soak of the engine on the host's null display: windows created and
// destroyed many times, and a million events through the queue and dispatch.
// Reports the rates and the resident memory before and after, which must not
// grow with the count (no leak), and ends (no hang).
//
//   bench_engine_soak [--windows N] [--events N]
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "framework/core/NVEngine.h"
#include "framework/core/NVEventConnector.h"
#include "framework/core/NVEventDispatch.h"
#include "framework/core/NVGUICoreObject.h"
#include "framework/core/NVStageBase.h"
#include "platform/host/display/null/NullDisplay.h"

namespace {

long residentKb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

double seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

int main(int argc, char** argv) {
  long windows = 10000, events = 1000000;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--windows") == 0) windows = std::atol(argv[i + 1]);
    if (std::strcmp(argv[i], "--events") == 0) events = std::atol(argv[i + 1]);
  }
  nvhost::NullDisplay::select();
  auto* top = new NVStageBase();
  top->setWindowParams(WS_POPUP, 0, NVString("NV_WINDOW"), NVString("soak"));
  top->attach(true, nullptr, nullptr);
  NVEngine* engine = top->engine;

  const long startKb = residentKb();
  auto start = std::chrono::steady_clock::now();
  for (long i = 0; i < windows; ++i) {
    auto* child = new NVStageBase();
    child->setRect(static_cast<int>(i % 200), 10, 20, 20);
    if (!top->addChild(child, true) || !top->removeChild(child)) {
      std::fprintf(stderr, "window %ld failed\n", i);
      return 1;
    }
    delete child;
    // The frame loop's own steps: queued window events go, memory is freed.
    dispatchEvents(engine);
    freeDeferred();
  }
  const double windowSeconds = seconds(start);

  long delivered = 0;
  NVEventConnector counter(top);
  counter.connect(NV_EV_COMMAND, [&delivered](NVEventState) { ++delivered; });
  start = std::chrono::steady_clock::now();
  NVEventState event;
  event.kind = NV_EV_COMMAND;
  event.stage = top;
  for (long i = 0; i < events; i += 1000) {
    for (long j = 0; j < 1000 && i + j < events; ++j) engine->pushEvent(event);
    dispatchEvents(engine);
  }
  const double eventSeconds = seconds(start);
  const long endKb = residentKb();

  std::printf("windows created and destroyed: %ld in %.2f s (%.0f per second)\n", windows, windowSeconds,
              windows / windowSeconds);
  std::printf("events delivered: %ld of %ld in %.2f s (%.0f per second)\n", delivered, events, eventSeconds,
              events / eventSeconds);
  std::printf("peak resident memory: %ld KiB before, %ld KiB after\n", startKb, endKb);
  return delivered == events ? 0 : 1;
}
