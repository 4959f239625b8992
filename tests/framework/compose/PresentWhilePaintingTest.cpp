// The main thread composes and presents while the window thread keeps
// painting the same windows: every change the main thread has presented must
// be on the screen when its frame ends, however the two threads interleave.
#include <gtest/gtest.h>

#include <mutex>
#include <thread>

#include "framework/compose/NV2DItem.h"
#include "framework/compose/NV2DScene.h"
#include "framework/compose/NV2DStage.h"
#include "framework/compose/NVStageItem.h"
#include "framework/core/NVEngineLock.h"
#include "framework/core/NVFrameCycle.h"
#include "framework/core/NVGUICoreObject.h"
#include "platform/host/display/null/NullDisplay.h"
#include "platform/host/gdi/Surfaces.h"
#include "tests/support/EngineHarness.h"

namespace {

constexpr int kTurns = 400;

// Whether the window thread's BeginPaint has taken the window's update area
// within `limitMs`.
bool paintBegun(HWND window, DWORD limitMs = 60000) {
  const DWORD start = timeGetTime();
  while (GetUpdateRect(window, nullptr, FALSE)) {
    if (timeGetTime() - start > limitMs) return false;
    std::this_thread::yield();
  }
  return true;
}

// Takes `lock` and, holding it, has the window thread begin painting one
// corner of `window`, so that the paint then waits for the lock. The window
// thread may be waiting for the lock itself when asked (its turn copies the
// key states under it) and cannot begin the paint until it has it: then the
// lock is let go until that paint is over, and the whole is tried again.
bool beginPaintWhileHolding(std::unique_lock<nvrt::RankedRecursiveMutex>& lock, HWND window, NVEngine* engine) {
  const RECT corner = {0, 0, 1, 1};
  for (int attempt = 0; attempt < 100; ++attempt) {
    lock.lock();
    InvalidateRect(window, &corner, FALSE);
    if (paintBegun(window, 100)) return true;
    lock.unlock();
    if (!paintBegun(window)) return false;
    waitForKeyStates(engine);
  }
  return false;
}

// Asks the window thread to paint `window` (all of it or one corner pixel)
// and returns once it has begun: its BeginPaint has taken the update area.
// The caller's next change then races that paint.
bool startPaint(HWND window, bool whole) {
  const RECT corner = {0, 0, 1, 1};
  InvalidateRect(window, whole ? nullptr : &corner, FALSE);
  return paintBegun(window);
}

// One of a few distinct opaque colours per turn.
int channel(int turn, int shift) { return ((turn * 37) >> shift) & 0xFF; }

class PresentWhilePaintingTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { useNullDisplay(); }
  void SetUp() override { top = makeTopLevel(40, 40, 200, 200); }
  void TearDown() override {
    delete top;
    freeDeferred();
  }
  NVStageBase* top = nullptr;
};

TEST_F(PresentWhilePaintingTest, EveryComposedSceneChangeIsOnTheWindowAfterItsFrame) {
  NV2DStage stage(100, 100, NVString(""));
  ASSERT_TRUE(top->addChild(&stage, true));
  NV2DScene scene;
  stage.bindScene(&scene);
  NVImage swatch(10, 10);
  NV2DItem item(0, 60, 60, 10, 10);
  item.setImage(&swatch);
  scene.addRoot(&item);
  int lost = 0;
  for (int turn = 0; turn < kTurns; ++turn) {
    ASSERT_TRUE(startPaint(stage.hwnd, turn % 2 == 0));
    {
      const int r = channel(turn, 0), g = channel(turn, 2) | 1, b = channel(turn, 4);
      scene.setBackgroundColor(r, g, b, 255);
      updateScenes();
      flushInvalidations(stage.engine);
      const std::uint32_t want = static_cast<std::uint32_t>(r << 16 | g << 8 | b);
      if (windowColour(stage.hwnd, 30, 30) != want) ++lost;
    }
  }
  EXPECT_EQ(lost, 0) << "of " << kTurns << " composed changes never reached the window";
  scene.removeRoot(&item);
  top->removeChild(&stage);
}

// The window thread has begun painting one corner of a 2D stage and waits
// for the engine lock while the main thread composes a change elsewhere; the
// frame's present that follows must still show that change.
TEST_F(PresentWhilePaintingTest, ACompositionMadeWhileAPaintWaitsIsPresented) {
  NV2DStage stage(100, 100, NVString(""));
  ASSERT_TRUE(top->addChild(&stage, true));
  NV2DScene scene;
  stage.bindScene(&scene);
  scene.setBackgroundColor(0, 0, 255, 255);
  NVImage swatch(10, 10);
  swatch.fill(0, 255, 0, 255);
  NV2DItem item(0, 60, 60, 10, 10);
  item.setImage(&swatch);
  scene.addRoot(&item);
  ASSERT_TRUE(runFramesUntil(stage.engine, [&] { return windowColour(stage.hwnd, 65, 65) == 0x00FF00u; }));
  {
    std::unique_lock lock(engineLock, std::defer_lock);
    ASSERT_TRUE(beginPaintWhileHolding(lock, stage.hwnd, stage.engine));
    swatch.fill(255, 0, 0, 255);
    item.setImage(&swatch);
    updateScenes();
  }
  // The paint has ended once the window thread is idle again.
  waitForKeyStates(stage.engine);
  flushInvalidations(stage.engine);
  EXPECT_EQ(windowColour(stage.hwnd, 65, 65), 0xFF0000u);
  scene.removeRoot(&item);
  top->removeChild(&stage);
}

TEST_F(PresentWhilePaintingTest, EveryRedrawOfAStageItemIsOnTheWindowAfterItsFrame) {
  NVStageItem item(10, 10, 120, 40);
  ASSERT_TRUE(top->addChild(&item, true));
  NVImage swatch(120, 40);
  int lost = 0;
  for (int turn = 0; turn < kTurns; ++turn) {
    ASSERT_TRUE(startPaint(item.hwnd, turn % 2 == 0));
    {
      const int r = channel(turn, 0), g = channel(turn, 2) | 1, b = channel(turn, 4);
      swatch.fill(r, g, b, 255);
      item.setImage(&swatch);
      flushInvalidations(item.engine);
      const std::uint32_t want = static_cast<std::uint32_t>(r << 16 | g << 8 | b);
      if (windowColour(item.hwnd, 60, 20) != want) ++lost;
    }
  }
  EXPECT_EQ(lost, 0) << "of " << kTurns << " redraws never reached the window";
  top->removeChild(&item);
}

}  // namespace
