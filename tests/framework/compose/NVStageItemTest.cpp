#include <gtest/gtest.h>

#include "framework/compose/NVStageItem.h"
#include "framework/core/NVEngineLock.h"
#include "platform/host/display/null/NullDisplay.h"
#include "platform/host/gdi/Surfaces.h"
#include "tests/support/EngineHarness.h"

namespace {

class StageItemTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { useNullDisplay(); }
  void SetUp() override {
    top = makeTopLevel(20, 20, 200, 100);
    item = new NVStageItem(10, 10, 120, 40);
    ASSERT_TRUE(top->addChild(item, true));
  }
  void TearDown() override {
    top->removeChild(item);
    delete item;
    delete top;
    freeDeferred();
  }
  std::uint32_t shown(int x, int y) const {
    std::lock_guard lock(engineLock);
    const NVImage* buffer = item->display->getBuffer();
    return buffer->getPixels()[y * buffer->getWidth() + x];
  }

  NVStageBase* top = nullptr;
  NVStageItem* item = nullptr;
};

TEST_F(StageItemTest, ShowsTheBackgroundWhereNothingCoversIt) {
  ASSERT_NE(item->display, nullptr);
  EXPECT_EQ(shown(60, 20), 0xFFF7FAFFu);
}

TEST_F(StageItemTest, ImagesAreCopiedWithTheirAlphaIgnored) {
  NVImage image(10, 10);
  image.fill(200, 100, 50, 0);
  item->setImage(&image);
  EXPECT_EQ(shown(5, 5), 0x00C86432u);  // the colour bytes as they are
  EXPECT_EQ(shown(15, 5), 0xFFF7FAFFu);
}

TEST_F(StageItemTest, DisabledTextIsLighter) {
  item->setText(NVString("MQO"));
  std::uint32_t darkest = 0xFFFFFFFF;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 40; ++x) darkest = std::min(darkest, shown(x, y) & 0xFF);
  item->setEnabled(false);
  std::uint32_t darkestDisabled = 0xFFFFFFFF;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 40; ++x) darkestDisabled = std::min(darkestDisabled, shown(x, y) & 0xFF);
  EXPECT_LT(darkest, 60u);
  EXPECT_GT(darkestDisabled, 100u);
}

TEST_F(StageItemTest, ResizingReallocatesTheDisplayAtTheNewSize) {
  item->setText(NVString("MQO"));
  item->setRect(10, 10, 60, 30);
  std::lock_guard lock(engineLock);
  EXPECT_EQ(item->display->width, 60);
  EXPECT_EQ(item->display->getBuffer()->getWidth(), 60);
}

TEST_F(StageItemTest, TheWindowIsPaintedFromTheDisplay) {
  NVImage image(10, 10);
  image.fill(200, 100, 50, 255);
  item->setImage(&image);
  runFrames(top->engine, 3);
  nvhost::gdi::PixelImage pixels;
  ASSERT_TRUE(nvhost::NullDisplay::windowPixels(item->hwnd, pixels));
  EXPECT_EQ(pixels.words[5 * pixels.width + 5] & 0xFFFFFF, 0xC86432u);
  EXPECT_EQ(pixels.words[20 * pixels.width + 60] & 0xFFFFFF, 0xF7FAFFu);
}

}  // namespace
