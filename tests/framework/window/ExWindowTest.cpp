#include <gtest/gtest.h>

#include "framework/compose/NV2DItem.h"
#include "framework/compose/NV2DStage.h"
#include "framework/compose/NVImage.h"
#include "framework/core/NVEngineLock.h"
#include "framework/widgets/NVPushButton.h"
#include "framework/widgets/NVTransParentLabel.h"
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
    // The engine outlives each case: a press here must not make a double
    // click with the last release of the case before.
    {
      std::lock_guard lock(engineLock);
      engine->systemState.lastReleasedButton = NVPointerButton::None;
    }
    recorder = std::make_unique<EventRecorder>(window, std::vector<NVEventKind>{NV_EV_CLOSE});
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

// Every edge and corner drag keeps the opposite edges where they were. The
// frame is 312 x 338 at (300, 300): the title bar's top 6 pixels and outer 6
// columns resize, and so do the bottom edge's lowest 4 rows and outer 6
// columns.
TEST_F(ExWindowTest, EdgeAndCornerDragsResizeFromTheirSide) {
  struct Case {
    const char* name;
    int x, y, dx, dy;
    int left, top, width, height;
  };
  const Case cases[] = {
      {"top", 400, 302, 0, -40, 300, 260, 300, 340},
      {"bottom", 400, 635, 0, 30, 300, 300, 300, 330},
      {"right", 609, 450, 20, 0, 300, 300, 320, 300},
      {"top-left", 302, 302, -20, -30, 280, 270, 320, 330},
      {"top-right", 609, 302, 25, -10, 300, 290, 325, 310},
      {"bottom-left", 302, 635, -10, 20, 290, 300, 310, 320},
      {"bottom-right", 609, 635, 15, 15, 300, 300, 315, 315},
      {"top, past the minimum", 400, 302, 0, 400, 300, 520, 300, 80},
      {"bottom edge, middle rows", 400, 630, 0, 30, 300, 300, 300, 300},
  };
  // Presses on the title bar follow each other quickly: no double clicks.
  window->maximizeOnDoubleClick = false;
  for (const Case& c : cases) {
    window->setRect(300, 300, 300, 300);
    settle();
    drag(c.x, c.y, c.x + c.dx, c.y + c.dy);
    const RECT frame = frameRect();
    EXPECT_EQ(frame.left, c.left) << c.name;
    EXPECT_EQ(frame.top, c.top) << c.name;
    EXPECT_EQ(window->width, c.width) << c.name;
    EXPECT_EQ(window->height, c.height) << c.name;
    EXPECT_EQ(frame.right - frame.left, c.width + 12) << c.name;
    EXPECT_EQ(frame.bottom - frame.top, c.height + 38) << c.name;
    EXPECT_EQ(window->resizeMode, NVExWindow::ResizeMode::None) << c.name;
  }
}

// Drags whose end reaches the program between two frames: the last motion
// and the release together, or the whole drag (press, motion and release)
// at once, as a quick hand or a busy machine gives them. Each ends where the
// button came up, not where the last frame saw the pointer.
TEST_F(ExWindowTest, ADragWhoseEndComesBetweenFramesEndsWhereTheButtonCameUp) {
  struct Case {
    const char* name;
    bool wholeAtOnce;
    int x, y, dx, dy;
    int left, top, width;
  };
  const Case cases[] = {
      {"title, release with the last motion", false, 400, 312, 40, 25, 340, 325, 300},
      {"title, whole drag at once", true, 400, 312, -30, 20, 270, 320, 300},
      {"left edge, release with the last motion", false, 302, 450, -50, 0, 250, 300, 350},
      {"left edge, whole drag at once", true, 302, 450, 40, 0, 340, 300, 260},
  };
  window->maximizeOnDoubleClick = false;
  for (const Case& c : cases) {
    window->setRect(300, 300, 300, 300);
    settle();
    NullDisplay::movePointer(c.x, c.y);
    settle();
    NullDisplay::pressButton();
    if (!c.wholeAtOnce) {
      settle();
      NullDisplay::movePointer(c.x + c.dx / 2, c.y + c.dy / 2);
      settle();
    }
    NullDisplay::movePointer(c.x + c.dx, c.y + c.dy);
    NullDisplay::releaseButton();
    settle();
    const RECT frame = frameRect();
    EXPECT_EQ(frame.left, c.left) << c.name;
    EXPECT_EQ(frame.top, c.top) << c.name;
    EXPECT_EQ(window->width, c.width) << c.name;
    EXPECT_FALSE(window->moving) << c.name;
    EXPECT_EQ(window->resizeMode, NVExWindow::ResizeMode::None) << c.name;
  }
}

TEST_F(ExWindowTest, TheMinimizeButtonMinimizesTheFrame) {
  ASSERT_FALSE(IsIconic(window->frameStage->hwnd));
  press(300 + 6 + 300 - 82 + 12, 314);               // the minimize button's middle
  EXPECT_FALSE(IsIconic(window->frameStage->hwnd));  // only on the release
  release();
  EXPECT_TRUE(IsIconic(window->frameStage->hwnd));
  EXPECT_TRUE(recorder->kinds().empty());
}

// The title label only moves the window: over its glyphs (where it is hit)
// the title bar keeps the arrow, also within its own top 6 rows, where the
// title bar itself shows the resize cursor.
TEST_F(ExWindowTest, TheTitleLabelShowsNoResizeCursors) {
  NV2DItem* label = window->titleLabel->item2D();
  ASSERT_NE(label, nullptr);
  const NVImage* glyphs = label->getTextImage();
  ASSERT_NE(glyphs, nullptr);
  // A glyph pixel in the label's top 6 rows, in screen coordinates.
  int glyphX = -1, glyphY = -1;
  for (int v = 0; v < glyphs->getHeight() && glyphX < 0; ++v)
    for (int u = 0; u < glyphs->getWidth() && glyphX < 0; ++u) {
      const int lx = label->textOffsetX + u, ly = label->textOffsetY + v;
      if (ly >= 0 && ly < 6 && lx >= 6 && glyphs->getAlpha(u, v) > 0) glyphX = 306 + lx, glyphY = 306 + ly;
    }
  ASSERT_GE(glyphX, 0) << "no glyph of the title in the label's top rows";
  struct Case {
    int x, y;
    const char* cursor;
  };
  const Case cases[] = {
      {400, 302, IDC_SIZENS},       // the title bar's top rows
      {glyphX, glyphY, IDC_ARROW},  // the label
      {303, 310, IDC_SIZEWE},       // the title bar's left columns
      {glyphX, glyphY, IDC_ARROW},
  };
  for (const Case& c : cases) {
    NullDisplay::movePointer(c.x, c.y);
    settle();
    EXPECT_EQ(window->edges[NVExWindow::Top].stage->cursor.load(), LoadCursorA(nullptr, c.cursor)) << c.x << "," << c.y;
  }
  // A drag that starts on the label moves the window.
  drag(glyphX, glyphY, glyphX + 20, glyphY + 40);
  const RECT frame = frameRect();
  EXPECT_EQ(frame.left, 320);
  EXPECT_EQ(frame.top, 340);
  EXPECT_EQ(window->height, 300);
}

}  // namespace
