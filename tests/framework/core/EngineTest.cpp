#include <gtest/gtest.h>

#include <vector>

#include "framework/core/NVEngineLock.h"
#include "framework/core/NVEventDispatch.h"
#include "framework/core/NVGUICoreObject.h"
#include "tests/support/EngineHarness.h"

namespace {

class EngineTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { useNullDisplay(); }
  void TearDown() override { freeDeferred(); }
};

struct Probe : public virtual NVGUICoreObject {
  Probe() { typeName = "Probe"; }
  ~Probe() override { value = -1; }
  int value = 42;
};

TEST_F(EngineTest, TheFirstStageCreatesTheEngineAndItsWindow) {
  EXPECT_EQ(NVEngine::instance, nullptr);
  NVStageBase* stage = makeTopLevel(10, 10, 100, 80);
  ASSERT_NE(NVEngine::instance, nullptr);
  EXPECT_TRUE(stage->created);
  EXPECT_NE(stage->hwnd.load(), nullptr);
  EXPECT_EQ(NVEngine::instance->mainWindow, stage);
  EXPECT_EQ(NVEngine::instance->stageForWindow(stage->hwnd), stage);
  EXPECT_EQ(stage->typeName, "NVStageBase");
  delete stage;
  EXPECT_EQ(NVEngine::instance->mainWindow, nullptr);
}

TEST_F(EngineTest, DeletionInsideAHandlerKeepsMemoryUntilTheFrameEnds) {
  NVStageBase* stage = makeTopLevel(10, 10, 100, 80);
  NVEngine* engine = stage->engine;
  Probe* probe = new Probe();
  const int* field = &probe->value;  // read as plain memory after the delete
  int seenAfterDelete = 0;
  NVEventConnector connector(stage);
  connector.connect(NV_EV_CHANGED, [&](NVEventState) {
    delete probe;
    // The destructor ran, but the block is still ours to read this frame.
    seenAfterDelete = *field;
    EXPECT_EQ(pendingFreeCount(), 1u);
  });
  NVEventState event;
  event.kind = NV_EV_CHANGED;
  event.stage = stage;
  engine->pushEvent(event);
  dispatchEvents(engine);
  EXPECT_EQ(seenAfterDelete, -1);
  freeDeferred();
  EXPECT_EQ(pendingFreeCount(), 0u);
  delete stage;
  freeDeferred();
}

std::vector<void*> released;
void recordRelease(void* block) { released.push_back(block); }

TEST_F(EngineTest, FreeDeferredReleasesInReverseOrder) {
  freeDeferred();
  Probe* probes[3] = {new Probe(), new Probe(), new Probe()};
  for (Probe* p : probes) delete p;
  EXPECT_EQ(pendingFreeCount(), 3u);
  released.clear();
  setReleaseObserver(recordRelease);
  freeDeferred();
  setReleaseObserver(nullptr);
  EXPECT_EQ(pendingFreeCount(), 0u);
  // Each block once, the last deleted first.
  EXPECT_EQ(released, (std::vector<void*>{probes[2], probes[1], probes[0]}));
}

TEST_F(EngineTest, QuitDropsPendingEventsAndRefusesNewWork) {
  NVStageBase* stage = makeTopLevel(10, 10, 100, 80);
  NVEngine* engine = stage->engine;
  EventRecorder recorder(stage, {NV_EV_COMMAND});
  NVEventState event;
  event.kind = NV_EV_COMMAND;
  event.stage = stage;
  engine->pushEvent(event);
  engine->quit();
  // The frame loop stops turning once a stop is requested; wait for the
  // window thread alone.
  for (int i = 0; i < 5000 && !engine->isFinished(); ++i) Sleep(1);
  ASSERT_TRUE(engine->isFinished());
  dispatchEvents(engine);
  EXPECT_TRUE(recorder.events.empty());
  EXPECT_FALSE(stage->created);  // the windows ended with their thread
  NVStageBase child;
  EXPECT_FALSE(stage->addChild(&child, true));
  EXPECT_FALSE(child.queueCreate());
  // The ended engine can go; its thread is joined.
  delete stage;
  delete engine;
  EXPECT_EQ(NVEngine::instance, nullptr);
}

TEST_F(EngineTest, ASecondEngineRunsAndStopsBesideTheFirst) {
  NVStageBase* stage = makeTopLevel(10, 10, 100, 80);
  NVEngine* main = stage->engine;
  auto* second = new NVEngine();
  NVStageBase* modal = makeTopLevel(200, 200, 50, 50, second);
  ASSERT_TRUE(modal->created);  // its classes were registered again, quietly
  EXPECT_NE(second->windowThreadId.load(), main->windowThreadId.load());
  EXPECT_EQ(modal->engine, second);
  delete second;  // takes its window down and stops its thread
  EXPECT_FALSE(modal->created);
  EXPECT_TRUE(stage->created);
  EXPECT_FALSE(main->isStopRequested());
  delete modal;
  delete stage;
  freeDeferred();
}

// A repaint asked for by the main thread (UpdateWindow sends the paint) can do
// a paint the window thread has just seen waiting; the window thread must not
// then wait for a message that is no longer there. Rounds with and without a
// pause between the two steps; the stall shows within a few thousand rounds
// on a loaded machine.
TEST_F(EngineTest, TheWindowThreadKeepsTurningWhenAWaitingPaintIsDoneForIt) {
  NVStageBase* top = makeTopLevel(10, 10, 200, 200);
  NVEngine* engine = top->engine;
  auto* child = new NVStageBase();
  child->setRect(10, 10, 50, 50);
  ASSERT_TRUE(top->addChild(child, true));
  for (int i = 0; i < 3000; ++i) {
    InvalidateRect(child->hwnd, nullptr, FALSE);
    Sleep(i % 2);
    UpdateWindow(child->hwnd);
    ASSERT_TRUE(windowThreadTurned(engine, 10000)) << "stalled after round " << i;
  }
  top->removeChild(child);
  delete child;
  delete top;
}

}  // namespace

namespace {

// A shorter run of the soak benchmark, so that the sanitizers see many
// windows come and go and many events pass.
TEST(EngineSoak, WindowsComeAndGoAndEventsFlowWithoutLeaks) {
  useNullDisplay();
  NVStageBase* top = makeTopLevel(0, 0, 200, 200);
  NVEngine* engine = top->engine;
  for (int i = 0; i < 300; ++i) {
    auto* child = new NVStageBase();
    child->setRect(i % 150, 10, 20, 20);
    ASSERT_TRUE(top->addChild(child, true));
    ASSERT_TRUE(top->removeChild(child));
    delete child;
    dispatchEvents(engine);
    freeDeferred();
  }
  long delivered = 0;
  {
    NVEventConnector counter(top);
    counter.connect(NV_EV_COMMAND, [&delivered](NVEventState) { ++delivered; });
    NVEventState event;
    event.kind = NV_EV_COMMAND;
    event.stage = top;
    for (int i = 0; i < 100; ++i) {
      for (int j = 0; j < 1000; ++j) engine->pushEvent(event);
      dispatchEvents(engine);
    }
  }
  EXPECT_EQ(delivered, 100000);
  EXPECT_TRUE(top->children.empty());
  delete top;
  freeDeferred();
}

}  // namespace
