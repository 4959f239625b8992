#include <gtest/gtest.h>

#include "framework/compose/NV2DItem.h"
#include "framework/widgets/NVPushButton.h"
#include "framework/window/NVExWindow.h"
#include "platform/host/display/null/NullDisplay.h"
#include "tests/support/EngineHarness.h"

namespace {

using nvhost::NullDisplay;

class ExWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { useNullDisplay(); }
  void SetUp() override {
    NullDisplay::movePointer(1200, 1000);
    window = new NVExWindow(300, 300, 300, 300, NVString("Brisel"));
    window->attach(true, nullptr, nullptr);
    engine = window->engine;
    recorder = std::make_unique<EventRecorder>(window, std::vector<int>{NV_EV_CLOSE});
    runFrames(engine, 3);
  }
  void TearDown() override {
    recorder.reset();
    delete window;
    freeDeferred();
  }
  RECT frameRect() const {
    RECT r;
    GetWindowRect(window->frameStage->hwnd, &r);
    return r;
  }
  void settle() {
    waitForKeyStates(engine);
    runFrames(engine, 3);
  }
  void press(int x, int y) {
    NullDisplay::movePointer(x, y);
    settle();
    NullDisplay::pressButton();
    settle();
  }
  void release() {
    NullDisplay::releaseButton();
    settle();
  }
  void drag(int fromX, int fromY, int toX, int toY) {
    press(fromX, fromY);
    NullDisplay::movePointer((fromX + toX) / 2, (fromY + toY) / 2);
    settle();
    NullDisplay::movePointer(toX, toY);
    settle();
    release();
  }
  void doubleClick(int x, int y) {
    for (int i = 0; i < 2; ++i) {
      press(x, y);
      release();
    }
  }

  NVExWindow* window = nullptr;
  NVEngine* engine = nullptr;
  std::unique_ptr<EventRecorder> recorder;
};

TEST_F(ExWindowTest, FrameAndClientAreWhereTheyBelong) {
  const RECT frame = frameRect();
  EXPECT_EQ(frame.left, 300);
  EXPECT_EQ(frame.top, 300);
  EXPECT_EQ(frame.right - frame.left, 312);
  EXPECT_EQ(frame.bottom - frame.top, 338);
  RECT client;
  GetWindowRect(window->hwnd, &client);
  EXPECT_EQ(client.left, 306);
  EXPECT_EQ(client.top, 328);
  EXPECT_EQ(client.right - client.left, 300);
  EXPECT_EQ(client.bottom - client.top, 300);
  NV2DItem* close = window->closeButton->item2D();
  EXPECT_EQ(close->getAbsoluteX(), 312 - 6 - 30);
  EXPECT_EQ(close->getAbsoluteY(), 4);
  EXPECT_EQ(close->width, 30);
  EXPECT_EQ(close->height, 20);
}

TEST_F(ExWindowTest, TheCloseButtonAsksOnceAndLeavesTheWindowOpen) {
  press(300 + 312 - 6 - 15, 314);
  release();
  EXPECT_EQ(recorder->kinds(), (std::vector<int>{NV_EV_CLOSE}));
  EXPECT_TRUE(window->created);
  EXPECT_TRUE(IsWindowVisible(window->frameStage->hwnd));
}

TEST_F(ExWindowTest, DraggingTheLeftEdgeWidensTheWindowAndKeepsTheRightEdge) {
  drag(302, 450, 252, 450);
  RECT frame = frameRect();
  EXPECT_EQ(frame.left, 250);
  EXPECT_EQ(frame.right, 612);
  EXPECT_EQ(window->width, 350);
  // So far to the right that the width would fall below the minimum.
  drag(251, 450, 551, 450);
  frame = frameRect();
  EXPECT_EQ(window->width, 150);
  EXPECT_EQ(frame.right, 612);
}

TEST_F(ExWindowTest, WithoutResizingTheTitleBarsEdgesMoveTheWindow) {
  window->disableResize();
  drag(400, 302, 420, 322);  // the top 6 pixels would resize a resizable window
  const RECT frame = frameRect();
  EXPECT_EQ(frame.left, 320);
  EXPECT_EQ(frame.top, 320);
  EXPECT_EQ(window->height, 300);
}

TEST_F(ExWindowTest, ADoubleClickOnTheTitleMaximizesAndASecondRestores) {
  doubleClick(400, 312);
  EXPECT_TRUE(window->maximized);
  RECT frame = frameRect();
  EXPECT_EQ(frame.left, 0);
  EXPECT_EQ(frame.right - frame.left, 1280);
  // Pressing an edge of a maximized window does nothing.
  drag(2, 500, 40, 500);
  EXPECT_EQ(frameRect().right - frameRect().left, 1280);
  doubleClick(400, 12);
  EXPECT_FALSE(window->maximized);
  frame = frameRect();
  EXPECT_EQ(frame.left, 300);
  EXPECT_EQ(frame.right - frame.left, 312);
}

TEST_F(ExWindowTest, ADoubleClickDoesNothingSpecialWhenMaximizingIsOff) {
  window->maximizeOnDoubleClick = false;
  doubleClick(400, 312);
  EXPECT_FALSE(window->maximized);
  EXPECT_EQ(frameRect().right - frameRect().left, 312);
}

TEST_F(ExWindowTest, SizesBelowTheMinimumAreRaised) {
  window->setRect(300, 300, 100, 20);
  EXPECT_EQ(window->width, 150);
  EXPECT_EQ(window->height, 80);
  EXPECT_EQ(frameRect().right - frameRect().left, 162);
}

}  // namespace
