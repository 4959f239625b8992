#include "tests/support/EngineHarness.h"

#include <gtest/gtest.h>

#include "framework/core/NVEngineLock.h"
#include "framework/core/NVGUICoreObject.h"
#include "framework/window/NVModal.h"
#include "platform/host/display/null/NullDisplay.h"

void useNullDisplay() { nvhost::NullDisplay::select(); }

std::uint32_t windowColour(HWND window, int x, int y) {
  nvhost::gdi::PixelImage image;
  if (!nvhost::NullDisplay::windowPixels(window, image)) return 0xDEADBEEF;
  return image.words[static_cast<size_t>(y) * image.width + x] & 0xFFFFFF;
}

void runFrame(NVEngine* engine) {
  runFrameSteps(engine);
  Sleep(2);
}

bool runFramesUntil(NVEngine* engine, const std::function<bool()>& done, int maxFrames) {
  for (int i = 0; i < maxFrames; ++i) {
    if (done()) return true;
    runFrame(engine);
  }
  return done();
}

void runFrames(NVEngine* engine, int count) {
  for (int i = 0; i < count; ++i) runFrame(engine);
}

bool windowThreadTurned(NVEngine* engine, DWORD timeoutMs) {
  auto counter = [engine] {
    std::lock_guard lock(engineLock);
    return engine->systemState.keyState[256];
  };
  const std::uint8_t first = counter();
  const DWORD start = timeGetTime();
  while (static_cast<std::uint8_t>(counter() - first) < 2) {
    if (timeGetTime() - start > timeoutMs) return false;
    Sleep(1);
  }
  return true;
}

void waitForKeyStates(NVEngine* engine) {
  if (!windowThreadTurned(engine, 20000)) ADD_FAILURE() << "the window thread did not go through its queue within 20 s";
}

NVStageBase* makeTopLevel(int x, int y, int width, int height, NVEngine* engine) {
  auto* stage = new NVStageBase();
  stage->setWindowParams(WS_POPUP, 0, NVString("NV_WINDOW"), NVString("test"));
  stage->setRect(x, y, width, height);
  stage->attach(true, nullptr, engine);
  return stage;
}

EventRecorder::EventRecorder(NVStageBase* stage, std::vector<NVEventKind> kinds)
    : connector_(new NVEventConnector(stage)) {
  if (kinds.empty())
    for (int k = 0; k < NV_EV_KIND_COUNT; ++k) kinds.push_back(static_cast<NVEventKind>(k));
  for (NVEventKind kind : kinds) connector_->connect(kind, [this](NVEventState e) { events.push_back(e); });
}

EventRecorder::~EventRecorder() { delete connector_; }

std::vector<int> EventRecorder::kinds() const {
  std::vector<int> out;
  for (const NVEventState& e : events) out.push_back(e.kind);
  return out;
}

namespace {

// Widgets and items deleted by a test keep their memory until the next frame
// frees it; a test that ends without another frame releases it here, before
// the leak checker looks.
class FreeDeferredAtExit : public ::testing::Environment {
 public:
  void TearDown() override { freeDeferred(); }
};

::testing::Environment* const freeDeferredAtExit = ::testing::AddGlobalTestEnvironment(new FreeDeferredAtExit);

}  // namespace
