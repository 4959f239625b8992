#include <gtest/gtest.h>

#include <vector>

#include "framework/core/NVEngineLock.h"
#include "framework/core/NVInput.h"
#include "platform/host/display/null/NullDisplay.h"
#include "tests/support/EngineHarness.h"

namespace {

using nvhost::NullDisplay;

class InputTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { useNullDisplay(); }
  void SetUp() override {
    NullDisplay::movePointer(1000, 1000);
    left = makeTopLevel(100, 100, 200, 150);
    right = makeTopLevel(400, 100, 200, 150);
    engine = left->engine;
    leftHears = std::make_unique<EventRecorder>(left);
    rightHears = std::make_unique<EventRecorder>(right);
    settle();
  }
  void TearDown() override {
    leftHears.reset();
    rightHears.reset();
    delete left;
    delete right;
    freeDeferred();
  }
  // Lets the window thread see the injected state, then runs frames.
  void settle(int frames = 3) {
    waitForKeyStates(engine);
    runFrames(engine, frames);
  }
  // A click slow enough for the frame loop to see the button down.
  void clickAt(int x, int y) {
    NullDisplay::movePointer(x, y);
    settle();
    NullDisplay::pressButton();
    settle();
    NullDisplay::releaseButton();
    settle();
  }
  void clear() { leftHears->events.clear(), rightHears->events.clear(); }
  static std::vector<int> without(std::vector<int> kinds, int dropped) {
    std::erase(kinds, dropped);
    return kinds;
  }

  NVStageBase* left = nullptr;
  NVStageBase* right = nullptr;
  NVEngine* engine = nullptr;
  std::unique_ptr<EventRecorder> leftHears, rightHears;
};

TEST_F(InputTest, QuickClicksMakeADoubleClickButNotATriple) {
  NullDisplay::movePointer(150, 150);
  settle();
  clear();
  for (int i = 0; i < 3; ++i) {
    NullDisplay::pressButton();
    settle();
    NullDisplay::releaseButton();
    settle();
  }
  const std::vector<int> kinds = without(leftHears->kinds(), NV_EV_MOVE);
  // The first press also moves the focus here.
  EXPECT_EQ(kinds, (std::vector<int>{NV_EV_LDOWN, NV_EV_FOCUS, NV_EV_LUP, NV_EV_LDOWN, NV_EV_LDOUBLE, NV_EV_LUP,
                                     NV_EV_LDOWN, NV_EV_LUP}));
}

TEST_F(InputTest, EnterOfTheNewTargetComesBeforeLeaveOfTheOld) {
  NullDisplay::movePointer(150, 150);
  settle();
  clear();
  NullDisplay::movePointer(450, 150);
  settle();
  ASSERT_FALSE(rightHears->events.empty());
  EXPECT_EQ(rightHears->events.front().kind, NV_EV_ENTER);
  // One queue for both: the right window's enter went in before the left's leave.
  bool sawLeave = false;
  for (const NVEventState& e : leftHears->events) sawLeave |= e.kind == NV_EV_LEAVE;
  EXPECT_TRUE(sawLeave);
}

TEST_F(InputTest, ADragKeepsItsTargetAndHasNoEnterOrLeave) {
  NullDisplay::movePointer(150, 150);
  settle();
  NullDisplay::pressButton();
  settle();
  clear();
  NullDisplay::movePointer(450, 160);
  settle();
  NullDisplay::movePointer(460, 170);
  settle();
  EXPECT_TRUE(rightHears->events.empty());
  const std::vector<int> kinds = leftHears->kinds();
  ASSERT_FALSE(kinds.empty());
  for (int kind : kinds) EXPECT_EQ(kind, NV_EV_MOVE);
  EXPECT_EQ(leftHears->events.back().clientX, 460 - 100);
  NullDisplay::releaseButton();
  settle();
  bool leftGotUp = false;
  for (int k : leftHears->kinds()) leftGotUp |= k == NV_EV_LUP;
  EXPECT_TRUE(leftGotUp);
}

TEST_F(InputTest, APressOutsideEveryWindowMakesNoEvent) {
  NullDisplay::movePointer(900, 900);
  settle();
  clear();
  NullDisplay::pressButton();
  settle();
  NullDisplay::releaseButton();
  settle();
  EXPECT_TRUE(leftHears->events.empty());
  EXPECT_TRUE(rightHears->events.empty());
}

TEST_F(InputTest, KeysGoToTheFocusAndOnlyKeyDownCountsWithinOneFrame) {
  clickAt(150, 150);
  clear();
  NullDisplay::typeKey('A');  // down and up before the next frame
  settle();
  std::vector<int> keys;
  for (const NVEventState& e : leftHears->events)
    if (e.kind == NV_EV_KEYDOWN || e.kind == NV_EV_KEYUP) keys.push_back(e.kind);
  EXPECT_EQ(keys, (std::vector<int>{NV_EV_KEYDOWN}));
  EXPECT_EQ(leftHears->events.front().keyCode, 'A');
}

TEST_F(InputTest, TwoWheelNotchesInOneFrameReportTheLastOnly) {
  clickAt(150, 150);
  clear();
  NullDisplay::turnWheel(1);
  NullDisplay::turnWheel(1);
  settle();
  int wheel = 0;
  for (const NVEventState& e : leftHears->events)
    if (e.kind == NV_EV_WHEEL) wheel = e.wheel;
  EXPECT_EQ(wheel, 120);
}

TEST_F(InputTest, AnImeCommitBecomesAKeyDownWithTheText) {
  clickAt(150, 150);
  clear();
  NullDisplay::commitIme("\x82\xa0");  // あ
  settle();
  bool keyDown = false;
  for (const NVEventState& e : leftHears->events) keyDown |= e.kind == NV_EV_KEYDOWN;
  EXPECT_TRUE(keyDown);
  std::lock_guard lock(engineLock);
  EXPECT_EQ(engine->imeResultText, "\x82\xa0");
}

// A commit after a key must not look like that key again: a text box would
// take a stale Backspace for an erase instead of inserting the text.
TEST_F(InputTest, AnImeCommitAfterAKeyCarriesNoKeyCode) {
  clickAt(150, 150);
  NullDisplay::typeKey(0x08);
  settle();
  clear();
  NullDisplay::commitIme("\x82\xa0");
  settle();
  int keyDowns = 0;
  for (const NVEventState& e : leftHears->events) {
    if (e.kind != NV_EV_KEYDOWN) continue;
    ++keyDowns;
    EXPECT_EQ(e.keyCode, 0);
  }
  EXPECT_EQ(keyDowns, 1);
}

TEST_F(InputTest, SeveralFocusRequestsInOneFrameEachMakeALostGainedPair) {
  NullDisplay::movePointer(150, 150);
  settle();
  clear();
  engine->requestFocus({left, nullptr, nullptr, nullptr});
  engine->requestFocus({right, nullptr, nullptr, nullptr});
  engine->requestFocus({right, nullptr, nullptr, nullptr});  // no change: no pair
  runFrame(engine);
  std::vector<std::pair<int, NVStageBase*>> focus;
  for (auto* r : {leftHears.get(), rightHears.get()})
    for (const NVEventState& e : r->events)
      if (e.kind == NV_EV_FOCUS || e.kind == NV_EV_BLUR) focus.push_back({e.kind, e.stage});
  EXPECT_EQ(focus, (std::vector<std::pair<int, NVStageBase*>>{{NV_EV_FOCUS, left}, {NV_EV_BLUR, left}, {NV_EV_FOCUS, right}}));
}

TEST_F(InputTest, FocusRequestsWaitWhileThePointerIsOutside) {
  NullDisplay::movePointer(900, 900);
  settle();
  clear();
  engine->requestFocus({right, nullptr, nullptr, nullptr});
  runFrames(engine, 3);
  EXPECT_TRUE(rightHears->events.empty());
  NullDisplay::movePointer(150, 150);
  settle();
  bool gained = false;
  for (const NVEventState& e : rightHears->events) gained |= e.kind == NV_EV_FOCUS;
  EXPECT_TRUE(gained);
}

}  // namespace
