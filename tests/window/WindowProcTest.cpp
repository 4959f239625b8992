#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/NVEngineLock.h"
#include "platform/host/display/null/NullDisplay.h"
#include "tests/support/EngineHarness.h"

namespace {

using nvhost::NullDisplay;

class WindowProcTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { useNullDisplay(); }
  void SetUp() override {
    top = makeTopLevel(100, 100, 200, 150);
    engine = top->engine;
    recorder = std::make_unique<EventRecorder>(top);
  }
  void TearDown() override {
    recorder.reset();
    delete top;
    freeDeferred();
  }
  bool waitFor(int kind) {
    return runFramesUntil(engine, [&] {
      for (const NVEventState& e : recorder->events)
        if (e.kind == kind) return true;
      return false;
    });
  }
  const NVEventState* find(int kind) const {
    for (const NVEventState& e : recorder->events)
      if (e.kind == kind) return &e;
    return nullptr;
  }
  std::vector<std::string> dropped() {
    std::lock_guard lock(engineLock);
    return engine->systemState.droppedFiles;
  }

  NVStageBase* top = nullptr;
  NVEngine* engine = nullptr;
  std::unique_ptr<EventRecorder> recorder;
};

TEST_F(WindowProcTest, ACloseRequestRaisesKind19AndLeavesTheWindowOpen) {
  NullDisplay::requestClose(top->hwnd);
  ASSERT_TRUE(waitFor(NV_EV_CLOSE));
  EXPECT_EQ(find(NV_EV_CLOSE)->stage, top);
  EXPECT_TRUE(IsWindow(top->hwnd));
  EXPECT_TRUE(top->created);
}

TEST_F(WindowProcTest, DroppedFilesArriveInOrderAndASecondDropReplacesThem) {
  DragAcceptFiles(top->hwnd, TRUE);
  ASSERT_TRUE(NullDisplay::dropFiles(150, 150, {"/m/a.mqo", "/m/b.mqo", "/m/c.mqo"}));
  ASSERT_TRUE(waitFor(NV_EV_DROPFILES));
  EXPECT_EQ(find(NV_EV_DROPFILES)->value, 3);
  EXPECT_EQ(dropped(), (std::vector<std::string>{"/m/a.mqo", "/m/b.mqo", "/m/c.mqo"}));
  recorder->events.clear();
  ASSERT_TRUE(NullDisplay::dropFiles(150, 150, {"/m/d.mqo"}));
  ASSERT_TRUE(waitFor(NV_EV_DROPFILES));
  EXPECT_EQ(dropped(), (std::vector<std::string>{"/m/d.mqo"}));
}

TEST_F(WindowProcTest, ALongDroppedPathArrivesWhole) {
  DragAcceptFiles(top->hwnd, TRUE);
  const std::string longPath = "/" + std::string(300, 'd') + "/" + std::string(200, 'n') + ".mqo";
  ASSERT_TRUE(NullDisplay::dropFiles(150, 150, {longPath}));
  ASSERT_TRUE(waitFor(NV_EV_DROPFILES));
  EXPECT_EQ(dropped(), (std::vector<std::string>{longPath}));
}

TEST_F(WindowProcTest, AWindowThatDoesNotAcceptFilesGetsNoDrop) {
  EXPECT_FALSE(NullDisplay::dropFiles(150, 150, {"/m/a.mqo"}));
  runFrames(engine, 5);
  EXPECT_EQ(find(NV_EV_DROPFILES), nullptr);
}

TEST_F(WindowProcTest, MovingToNegativeCoordinatesKeepsTheSign) {
  MoveWindow(top->hwnd, -50, -20, 200, 150, TRUE);
  ASSERT_TRUE(waitFor(NV_EV_MOVED));
  EXPECT_EQ(top->x, -50);
  EXPECT_EQ(top->y, -20);
}

TEST_F(WindowProcTest, ResizingRaisesKind18WithTheNewSize) {
  top->setRect(100, 100, 220, 170);
  ASSERT_TRUE(waitFor(NV_EV_RESIZED));
  EXPECT_EQ(top->width, 220);
  EXPECT_EQ(top->height, 170);
}

TEST_F(WindowProcTest, CommandsCarryTheirIdentifier) {
  PostMessageA(top->hwnd, WM_COMMAND, MAKEWPARAM(1234, 0), 0);
  ASSERT_TRUE(waitFor(NV_EV_COMMAND));
  EXPECT_EQ(find(NV_EV_COMMAND)->value, 1234);
}

}  // namespace
