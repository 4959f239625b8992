#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "framework/core/NVEngineLock.h"
#include "framework/core/NVEventConnector.h"
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

// Drops that arrive while no frame runs each keep their own list: the list
// travels with its event, and the engine's list is that event's while its
// handlers run.
TEST_F(WindowProcTest, DropsQueuedBeforeOneFrameEachKeepTheirOwnPaths) {
  DragAcceptFiles(top->hwnd, TRUE);
  const std::vector<std::vector<std::string>> drops = {
      {"/m/a.mqo", "/m/b.mqo"}, {"/m/c.mqo"}, {"/m/d.mqo", "/m/e.mqo", "/m/f.mqo"}};
  std::vector<std::vector<std::string>> carried, seenByHandler;
  NVEventConnector* connector = new NVEventConnector(top);
  connector->connect(NV_EV_DROPFILES, [&](NVEventState e) {
    carried.push_back(e.files ? *e.files : std::vector<std::string>{});
    seenByHandler.push_back(dropped());
  });
  for (const auto& paths : drops) ASSERT_TRUE(NullDisplay::dropFiles(150, 150, paths));
  waitForKeyStates(engine);  // the window thread has handled all three
  runFramesUntil(engine, [&] { return carried.size() >= drops.size(); });
  delete connector;
  EXPECT_EQ(carried, drops);
  EXPECT_EQ(seenByHandler, drops);
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

// The window system resizes the window; the handler of kind 18 already sees
// the new size on the stage.
TEST_F(WindowProcTest, ResizingRaisesKind18WithTheNewSize) {
  std::vector<std::pair<int, int>> seen;
  NVEventConnector sizes(top);
  sizes.connect(NV_EV_RESIZED, [&](NVEventState) { seen.push_back({top->width, top->height}); });
  MoveWindow(top->hwnd, 100, 100, 220, 170, TRUE);
  ASSERT_TRUE(waitFor(NV_EV_RESIZED));
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.back(), (std::pair<int, int>{220, 170}));
}

// A right double click on a window's frame (outside its client area) is
// kind 9 with the value -12345 and the flag set, for the stage.
TEST_F(WindowProcTest, ANonClientRightDoubleClickIsKind9WithItsMark) {
  PostMessageA(top->hwnd, WM_NCRBUTTONDBLCLK, HTCAPTION, MAKELPARAM(150, 105));
  ASSERT_TRUE(waitFor(NV_EV_RDOUBLE));
  const NVEventState* e = find(NV_EV_RDOUBLE);
  EXPECT_EQ(e->value, -12345);
  EXPECT_EQ(e->flag, 1);
  EXPECT_EQ(e->stage, top);
  EXPECT_EQ(e->targetType, NVTargetType::None);
  EXPECT_EQ(e->widget, nullptr);
}

TEST_F(WindowProcTest, CommandsCarryTheirIdentifier) {
  PostMessageA(top->hwnd, WM_COMMAND, MAKEWPARAM(1234, 0), 0);
  ASSERT_TRUE(waitFor(NV_EV_COMMAND));
  EXPECT_EQ(find(NV_EV_COMMAND)->value, 1234);
}

}  // namespace
