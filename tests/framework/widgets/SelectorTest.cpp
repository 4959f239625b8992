#include <gtest/gtest.h>

#include "framework/compose/NVImage.h"
#include "framework/compose/NVStageItem.h"
#include "framework/widgets/NVSelector.h"
#include "framework/widgets/NVSelectorGroup.h"
#include "framework/window/NVExWindow.h"
#include "platform/host/display/null/NullDisplay.h"
#include "tests/support/EngineHarness.h"

namespace {

using nvhost::NullDisplay;

// The client area's origin on the desktop for a window placed at (100, 100).
constexpr int kClientX = 100 + 6, kClientY = 100 + 28;

bool allAlpha(const NVImage* image, int alpha) {
  for (int y = 0; y < image->getHeight(); ++y)
    for (int x = 0; x < image->getWidth(); ++x)
      if (image->getAlpha(x, y) != alpha) return false;
  return image->getWidth() > 0;
}

class SelectorTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { useNullDisplay(); }
  void SetUp() override {
    NullDisplay::movePointer(1200, 1000);
    window = new NVExWindow(100, 100, 300, 200, NVString("selectors"));
    window->attach(true, nullptr, nullptr);
    engine = window->engine;
    first = new NVSelector(&group, 10, 10, 60, 18, NVString("File"));
    second = new NVSelector(&group, 80, 10, 60, 18, NVString("Edit"));
    for (NVSelector* s : {first, second}) {
      ASSERT_TRUE(window->addChild(s->stageItem(), true));
      s->onAttach();
    }
    runFrames(engine, 2);
  }
  void TearDown() override {
    for (NVSelector* s : {first, second}) {
      window->removeChild(s->stageItem());
      delete s;
    }
    delete window;
    freeDeferred();
  }
  void pointAt(int x, int y) {
    NullDisplay::movePointer(kClientX + x, kClientY + y);
    runFrames(engine, 3);
  }
  void clickAt(int x, int y) {
    pointAt(x, y);
    NullDisplay::pressButton();
    runFrames(engine, 3);
    NullDisplay::releaseButton();
    runFrames(engine, 3);
  }
  NVExWindow* window = nullptr;
  NVEngine* engine = nullptr;
  NVSelectorGroup group;
  NVSelector* first = nullptr;
  NVSelector* second = nullptr;
};

TEST_F(SelectorTest, HoverShowsTheTranslucentHighlightUntilThePointerLeaves) {
  EXPECT_EQ(first->stageItem()->image, nullptr);
  pointAt(30, 15);
  EXPECT_EQ(first->stageItem()->image, first->highlight.get());
  EXPECT_TRUE(allAlpha(first->highlight.get(), 174));
  pointAt(250, 150);
  EXPECT_EQ(first->stageItem()->image, nullptr);
}

TEST_F(SelectorTest, AClickChoosesAndTheChoiceSurvivesHoverAndLeave) {
  clickAt(30, 15);
  EXPECT_EQ(group.current, first);
  EXPECT_TRUE(first->chosen);
  EXPECT_TRUE(allAlpha(first->highlight.get(), 255));
  EXPECT_EQ(group.getSelectedText(), "File");
  pointAt(250, 150);
  EXPECT_EQ(first->stageItem()->image, first->highlight.get());
  pointAt(30, 15);
  EXPECT_EQ(first->stageItem()->image, first->highlight.get());
  EXPECT_TRUE(allAlpha(first->highlight.get(), 255));
}

TEST_F(SelectorTest, ChoosingAnotherMemberReleasesTheFirst) {
  clickAt(30, 15);
  clickAt(100, 15);
  EXPECT_EQ(group.current, second);
  EXPECT_FALSE(first->chosen);
  EXPECT_EQ(first->stageItem()->image, nullptr);
  EXPECT_TRUE(allAlpha(first->highlight.get(), 174));
  EXPECT_EQ(group.getSelectedText(), "Edit");
}

TEST_F(SelectorTest, SelectingAStrangerOnlyClearsTheChoice) {
  NVSelector stranger(nullptr, 0, 0, 10, 10, NVString("x"));
  group.select(first);
  group.select(&stranger);
  EXPECT_EQ(group.current, nullptr);
  EXPECT_FALSE(first->chosen);
  EXPECT_EQ(group.getSelectedText(), "");
}

TEST_F(SelectorTest, ADeletedMemberLeavesItsGroup) {
  NVSelector* third = new NVSelector(&group, 0, 0, 10, 10, NVString("x"));
  group.select(third);
  delete third;
  EXPECT_EQ(group.current, nullptr);
  EXPECT_EQ(group.members.size(), 2u);
}

TEST_F(SelectorTest, AResizedChosenSelectorKeepsAnOpaqueHighlight) {
  group.select(first);
  first->setSize(40, 18);
  EXPECT_EQ(first->highlight->getWidth(), 40);
  EXPECT_TRUE(allAlpha(first->highlight.get(), 255));
}

}  // namespace
