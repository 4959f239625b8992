#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "framework/core/NVEngineLock.h"
#include "framework/core/NVEventConnector.h"
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

// Clicks whose presses and releases all reach the window thread before the
// next frame, as touchpads, remote desktops and XTest click. Every press is
// seen held for one frame and released in a later one; double clicks go by
// the messages' own times. Times are given, so the cases do not depend on
// how fast the frames run.
TEST_F(InputTest, ClicksMadeBetweenTwoFramesAreEachSeen) {
  struct Case {
    const char* name;
    int button;
    int clicks;
    DWORD spacing;  // from one press to the next, ms
    std::vector<int> kinds;
  };
  const Case cases[] = {
      {"one left click", VK_LBUTTON, 1, 100, {NV_EV_LDOWN, NV_EV_LUP}},
      {"left double click", VK_LBUTTON, 2, 100, {NV_EV_LDOWN, NV_EV_LUP, NV_EV_LDOWN, NV_EV_LDOUBLE, NV_EV_LUP}},
      {"left triple click",
       VK_LBUTTON,
       3,
       100,
       {NV_EV_LDOWN, NV_EV_LUP, NV_EV_LDOWN, NV_EV_LDOUBLE, NV_EV_LUP, NV_EV_LDOWN, NV_EV_LUP}},
      {"two slow left clicks", VK_LBUTTON, 2, 400, {NV_EV_LDOWN, NV_EV_LUP, NV_EV_LDOWN, NV_EV_LUP}},
      {"middle double click", VK_MBUTTON, 2, 100, {NV_EV_MDOWN, NV_EV_MUP, NV_EV_MDOWN, NV_EV_MDOUBLE, NV_EV_MUP}},
      {"right double click", VK_RBUTTON, 2, 100, {NV_EV_RDOWN, NV_EV_RUP, NV_EV_RDOWN, NV_EV_RDOUBLE, NV_EV_RUP}},
  };
  NullDisplay::movePointer(150, 150);
  settle();
  // Far from any earlier press, and each case far from the one before.
  DWORD time = timeGetTime() + 100000;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    clear();
    for (int i = 0; i < c.clicks; ++i) {
      NullDisplay::pressButton(c.button, time + i * c.spacing);
      NullDisplay::releaseButton(c.button, time + i * c.spacing + 30);
    }
    time += 100000;
    settle(2 * c.clicks + 2);
    std::vector<int> kinds;
    for (int k : leftHears->kinds())
      if (k <= NV_EV_RDOUBLE && k != NV_EV_MOVE) kinds.push_back(k);
    EXPECT_EQ(kinds, c.kinds);
    // A press already released keeps no capture: the next move is no drag.
    EXPECT_EQ(GetCapture(), nullptr);
  }
}

// The press belongs to the window it was made on, even when the last frame
// saw the pointer over another one.
TEST_F(InputTest, AQuickClickGoesToTheWindowItWasMadeOn) {
  NullDisplay::movePointer(150, 150);
  settle();
  clear();
  NullDisplay::movePointer(450, 150);
  NullDisplay::pressButton();
  NullDisplay::releaseButton();
  settle();
  std::vector<int> rightKinds;
  for (int k : rightHears->kinds())
    if (k == NV_EV_LDOWN || k == NV_EV_LUP) rightKinds.push_back(k);
  EXPECT_EQ(rightKinds, (std::vector<int>{NV_EV_LDOWN, NV_EV_LUP}));
  for (int k : leftHears->kinds()) EXPECT_TRUE(k != NV_EV_LDOWN && k != NV_EV_LUP) << k;
}

TEST_F(InputTest, EnterOfTheNewTargetComesBeforeLeaveOfTheOld) {
  NullDisplay::movePointer(150, 150);
  settle();
  // One log for both windows keeps the order in which the events arrived.
  std::vector<std::pair<NVStageBase*, int>> log;
  NVEventConnector leftLog(left), rightLog(right);
  for (NVEventKind kind : {NV_EV_ENTER, NV_EV_LEAVE}) {
    leftLog.connect(kind, [&log, this](NVEventState e) { log.push_back({left, e.kind}); });
    rightLog.connect(kind, [&log, this](NVEventState e) { log.push_back({right, e.kind}); });
  }
  NullDisplay::movePointer(450, 150);
  settle();
  using Entry = std::pair<NVStageBase*, int>;
  EXPECT_EQ(log, (std::vector<Entry>{{right, NV_EV_ENTER}, {left, NV_EV_LEAVE}}));
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
  EXPECT_EQ(focus,
            (std::vector<std::pair<int, NVStageBase*>>{{NV_EV_FOCUS, left}, {NV_EV_BLUR, left}, {NV_EV_FOCUS, right}}));
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
