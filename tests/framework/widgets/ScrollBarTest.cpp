// The vertical scroll bar: its geometry and values, the change events, and
// the button, thumb and track driven by injected pointer input.
#include <gtest/gtest.h>

#include "framework/compose/NV2DItem.h"
#include "framework/compose/NV2DScene.h"
#include "framework/core/NVEventConnector.h"
#include "framework/widgets/NVAnimation.h"
#include "framework/widgets/NVPushButton.h"
#include "framework/widgets/NVVScroll.h"
#include "tests/framework/widgets/WidgetWindow.h"

namespace {

TEST(ScrollBarGeometry, HeightIsAtLeastFourWidths) {
  struct Case {
    int constructed, width, rectHeight, expected;
  };
  const Case cases[] = {
      {40, 16, -1, 64}, {64, 16, -1, 64}, {150, 16, -1, 150}, {150, 16, 30, 64}, {150, 20, 50, 80}, {150, 16, 200, 200},
  };
  for (const Case& c : cases) {
    NVVScroll bar(c.constructed);
    EXPECT_EQ(bar.typeName, "NVVScroll");
    if (c.rectHeight >= 0) bar.setRect(0, 0, c.width, c.rectHeight);
    EXPECT_EQ(bar.getHeight(), c.expected) << c.constructed << " " << c.rectHeight;
  }
  NVVScroll bar(40);
  EXPECT_EQ(bar.getX(), 463);
  EXPECT_EQ(bar.getY(), 1);
  EXPECT_EQ(bar.getWidth(), 16);
  EXPECT_EQ(bar.downButton->getY(), 64 - 16);
  EXPECT_EQ(bar.track->getHeight(), 64 - 32);
}

TEST(ScrollBarDetached, ValuesAreOnlyStored) {
  NVVScroll bar(100);
  bar.setMaximum(50);
  bar.setPosition(20);
  EXPECT_EQ(bar.getPosition(), 20);
  EXPECT_EQ(bar.thumb->getY(), 0);
  EXPECT_EQ(bar.thumbOffset, 0);
  bar.setPosition(80);
  EXPECT_EQ(bar.getPosition(), 50);
  bar.setMaximum(-5);
  EXPECT_EQ(bar.getMaximum(), 0);
  EXPECT_EQ(bar.getPosition(), 0);
}

// A scroll bar squeezed to nothing has neither room for the thumb nor any
// travel, and nothing divides by zero.
TEST(ScrollBarSqueezed, NoRoomAndNoRange) {
  NVImage target(100, 100);
  NVRect dirty{100, 100, 0, 0};
  auto* scene = new NV2DScene();
  scene->bindImage(&target, &dirty);
  auto* bar = new NVVScroll(100);
  ASSERT_TRUE(scene->addRoot(bar->item2D()));
  bar->onAttach();
  ASSERT_TRUE(bar->isAttached());
  bar->setRect(0, 0, 0, 0);
  // Hosts are at least one pixel in each direction: the buttons overlap and
  // the room for the thumb is negative.
  ASSERT_EQ(bar->getHeight() - bar->upButton->getHeight() - bar->downButton->getHeight(), -1);
  for (int maximum : {1, 0, 9}) {
    bar->setMaximum(maximum);  // 1: maximum + room is 0
    EXPECT_EQ(bar->thumb->getHeight(), 10) << maximum;
    bar->setThumbOffset(3);
    EXPECT_EQ(bar->getPosition(), maximum);
    EXPECT_EQ(bar->thumbOffset, 0);
    bar->setThumbOffset(-1);
    EXPECT_EQ(bar->getPosition(), 0);
  }
  delete bar;
  delete scene;
  freeDeferred();
}

// A bar 100 high at (20, 10) of the client: up button 16, track 68, down
// button 16.
class ScrollBarTest : public WidgetWindow {
 protected:
  static constexpr int kX = 20, kY = 10, kTrackTop = kY + 16;
  void SetUp() override {
    WidgetWindow::SetUp();
    bar = new NVVScroll(100);
    bar->setRect(kX, kY, 16, 100);
    attach(bar);
    changes = new NVEventConnector(bar);
    changes->connect(NV_EV_CHANGED, [this](NVEventState e) {
      EXPECT_EQ(e.widget, bar);
      ++changeCount;
    });
  }
  void TearDown() override {
    delete changes;
    WidgetWindow::TearDown();
  }
  int travel() const { return bar->track->getHeight() - bar->thumb->getHeight(); }

  NVVScroll* bar = nullptr;
  NVEventConnector* changes = nullptr;
  int changeCount = 0;
  unsigned int now = 10000;
};

TEST_F(ScrollBarTest, ThumbLengthFollowsTheMaximum) {
  struct Case {
    int maximum, storedMaximum, thumbLength;
  };
  const Case cases[] = {
      {-5, 0, 68},  // nothing to scroll: the thumb fills the track
      {0, 0, 68},           {68, 68, 34}, {100, 100, 27}, {400, 400, 10},  // 4624 / 468 = 9, raised to 10
      {100000, 100000, 10},
  };
  for (const Case& c : cases) {
    bar->setMaximum(c.maximum);
    EXPECT_EQ(bar->getMaximum(), c.storedMaximum) << c.maximum;
    EXPECT_EQ(bar->thumb->getHeight(), c.thumbLength) << c.maximum;
    EXPECT_EQ(bar->thumb->getWidth(), 16);
    EXPECT_EQ(bar->getPosition(), 0);
  }
  EXPECT_EQ(bar->track->getHeight(), 68);
}

TEST_F(ScrollBarTest, PositionsAndOffsetsAreClamped) {
  bar->setMaximum(100);
  ASSERT_EQ(travel(), 41);
  struct Case {
    bool byOffset;
    int value, position, offset;
  };
  const Case cases[] = {
      {false, 150, 100, 41}, {false, -3, 0, 0},  {false, 50, 50, 20}, {true, -5, 0, 0},     {true, 0, 0, 0},
      {true, 20, 48, 20},    {true, 40, 97, 40}, {true, 41, 100, 41}, {true, 500, 100, 41},
  };
  for (const Case& c : cases) {
    if (c.byOffset)
      bar->setThumbOffset(c.value);
    else
      bar->setPosition(c.value);
    EXPECT_EQ(bar->getPosition(), c.position) << c.byOffset << " " << c.value;
    EXPECT_EQ(bar->thumbOffset, c.offset) << c.byOffset << " " << c.value;
    EXPECT_EQ(bar->thumb->getY(), c.offset);
  }
  // A lower maximum pulls the position and the thumb along.
  bar->setPosition(100);
  bar->setMaximum(10);
  EXPECT_EQ(bar->getPosition(), 10);
  EXPECT_EQ(bar->thumbOffset, travel());
}

TEST_F(ScrollBarTest, ChangeEventsOnlyWhenThePositionMoves) {
  bar->setMaximum(100);
  frames(1);
  EXPECT_EQ(changeCount, 0);
  bar->setPosition(10);
  frames(1);
  EXPECT_EQ(changeCount, 1);
  bar->setPosition(10);
  bar->setMaximum(50);
  frames(1);
  EXPECT_EQ(changeCount, 1);
  bar->setMaximum(5);
  frames(1);
  EXPECT_EQ(changeCount, 2);
  bar->setThumbOffset(1000);
  frames(1);
  EXPECT_EQ(changeCount, 2);  // already at the end
  bar->setThumbOffset(-3);
  frames(1);
  EXPECT_EQ(changeCount, 3);
  bar->setThumbOffset(0);
  frames(1);
  EXPECT_EQ(changeCount, 3);
}

// One step at the press; the first 300 ms only switch the animation over;
// then one step at the end of every 50 ms period, each measured from its
// restart. The release stops the animation, whose end still comes once at the
// next frame step: in the stepping periods that end makes one last step, in
// the first 300 ms it only switches over.
TEST_F(ScrollBarTest, HoldingAButtonRepeatsAfterAPause) {
  setAnimationClock([this] { return now; });
  bar->setMaximum(100);
  struct Phase {
    int buttonY, startPosition;
    int expected[6];
    int afterRelease;
  };
  const int times[6] = {0, 299, 300, 340, 350, 400};
  const Phase phases[] = {
      {kY + 84 + 8, 0, {1, 1, 1, 1, 2, 3}, 4},     // down button
      {kY + 8, 50, {49, 49, 49, 49, 48, 47}, 46},  // up button
  };
  for (const Phase& phase : phases) {
    bar->setPosition(phase.startPosition);
    const unsigned int pressTime = now;
    moveTo(kX + 8, phase.buttonY);
    press();
    for (int i = 0; i < 6; ++i) {
      now = pressTime + times[i];
      runAnimations();
      EXPECT_EQ(bar->getPosition(), phase.expected[i]) << phase.buttonY << " at " << times[i] << " ms";
    }
    release();
    now += 200;
    runAnimations();
    runAnimations();
    EXPECT_EQ(bar->getPosition(), phase.afterRelease) << "after the release";
    EXPECT_FALSE(bar->repeatAnimation->running);
    now += 1000;
  }
  // Released inside the first period: the press's own step only.
  bar->setPosition(10);
  const unsigned int pressTime = now;
  moveTo(kX + 8, kY + 84 + 8);
  press();
  now = pressTime + 100;
  runAnimations();
  release();
  now += 400;
  runAnimations();
  runAnimations();
  EXPECT_EQ(bar->getPosition(), 11);
  EXPECT_FALSE(bar->repeatAnimation->running);
}

TEST_F(ScrollBarTest, DraggingTheThumbMovesThePosition) {
  bar->setMaximum(100);
  ASSERT_EQ(bar->thumb->getHeight(), 27);
  moveTo(kX + 8, kTrackTop + 13);
  press();
  EXPECT_TRUE(bar->dragging);
  struct Step {
    int y, offset, position;
  };
  const Step steps[] = {
      {kTrackTop + 33, 20, 48},    // 20 pixels down
      {kTrackTop + 200, 41, 100},  // past the end, and off the bar
      {kTrackTop + 20, 7, 17},
      {0, 0, 0},  // above the start
  };
  for (const Step& s : steps) {
    moveTo(kX + 30, s.y);
    EXPECT_EQ(bar->thumbOffset, s.offset) << s.y;
    EXPECT_EQ(bar->getPosition(), s.position) << s.y;
  }
  release();
  EXPECT_FALSE(bar->dragging);
  moveTo(kX + 8, kTrackTop + 30);
  EXPECT_EQ(bar->getPosition(), 0);
}

// A press on the track moves the thumb by its own length: down when the
// press lies more than the up button's height below the thumb's top, up
// otherwise.
TEST_F(ScrollBarTest, PressingTheTrackPages) {
  struct Case {
    int maximum, position, trackY, offset, newPosition;
  };
  const Case cases[] = {
      {100, 0, 30, 27, 65},                              // below the thumb (0..26)
      {100, 100, 10, 14, 34},                            // above the thumb (41..67)
      {400, 0, 17, 10, 68},                              // thumb 0..9: 17 - 16 lies below its top
      {400, 0, 12, 0, 0},                                // 12 - 16 does not: a page up, at the top already
      {400, 400, 50, 48, 331}, {400, 200, 60, 39, 268},  // thumb 29..38
      {400, 200, 40, 19, 131},                           // 40 - 16 = 24 lies above the thumb's top
  };
  for (const Case& c : cases) {
    bar->setMaximum(c.maximum);
    bar->setPosition(c.position);
    frames(1);
    click(kX + 8, kTrackTop + c.trackY);
    EXPECT_EQ(bar->thumbOffset, c.offset) << c.maximum << " " << c.position << " " << c.trackY;
    EXPECT_EQ(bar->getPosition(), c.newPosition) << c.maximum << " " << c.position << " " << c.trackY;
  }
}

}  // namespace
