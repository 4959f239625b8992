#include <gtest/gtest.h>

#include <array>

#include "framework/compose/NV2DItem.h"
#include "framework/compose/NV2DScene.h"
#include "framework/compose/NV2DStage.h"
#include "framework/core/NVEngineLock.h"
#include "platform/host/display/null/NullDisplay.h"
#include "platform/host/gdi/Surfaces.h"
#include "tests/support/EngineHarness.h"

namespace {

class SceneTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { useNullDisplay(); }
  void SetUp() override {
    top = makeTopLevel(50, 50, 200, 200);
    stage = new NV2DStage(100, 100, NVString(""));
    ASSERT_TRUE(top->addChild(stage, true));
    scene = new NV2DScene();
    stage->bindScene(scene);
  }
  void TearDown() override {
    delete scene;
    delete stage;
    delete top;
    freeDeferred();
  }
  std::uint32_t back(int x, int y) const { return stage->backBuffer->getPixels()[y * 100 + x]; }
  std::array<int, 4> stageDirty() const {
    std::lock_guard lock(engineLock);
    return {stage->dirty.left, stage->dirty.top, stage->dirty.right, stage->dirty.bottom};
  }

  NVStageBase* top = nullptr;
  NV2DStage* stage = nullptr;
  NV2DScene* scene = nullptr;
};

TEST_F(SceneTest, AnUnsetBackgroundClearsToTransparentBlack) {
  NV2DItem item(0, 0, 0, 1, 1);
  scene->addRoot(&item);
  scene->compose();
  EXPECT_EQ(back(50, 50), 0x00000000u);
  scene->removeRoot(&item);
}

TEST_F(SceneTest, ADirtyAreaIsRecomposedWithTwoPixelsAround) {
  NV2DItem item(0, 0, 0, 1, 1);
  scene->addRoot(&item);
  scene->compose();
  stage->resetDirty();
  scene->growDirty({10, 10, 20, 20});
  scene->compose();
  EXPECT_EQ(stageDirty(), (std::array<int, 4>{8, 8, 22, 22}));
  EXPECT_FALSE(scene->isDirty());
  scene->removeRoot(&item);
}

TEST_F(SceneTest, ASceneWithoutRootsIsNotComposedAndKeepsItsPixels) {
  NVImage red(5, 5);
  red.fill(255, 0, 0, 255);
  NV2DItem item(0, 10, 10, 5, 5);
  item.setImage(&red);
  scene->addRoot(&item);
  scene->compose();
  ASSERT_EQ(back(12, 12), 0xFEFF0000u);
  item.detach();
  scene->compose();
  EXPECT_EQ(back(12, 12), 0xFEFF0000u);
  EXPECT_TRUE(scene->isDirty());
}

TEST_F(SceneTest, ASceneShownByAnotherStageCannotBeBound) {
  NV2DStage second(50, 50, NVString(""));
  NV2DScene own;
  second.bindScene(&own);
  second.bindScene(scene);  // already shown by the first stage
  EXPECT_EQ(second.scene, &own);
  EXPECT_FALSE(own.active);
  EXPECT_EQ(NV2DStage::findStage(scene), stage);
}

TEST_F(SceneTest, ResizingTheStageRebindsAndRecomposesEverything) {
  NV2DItem item(0, 0, 0, 1, 1);
  scene->addRoot(&item);
  scene->compose();
  stage->setRect(0, 0, 120, 90);
  EXPECT_EQ(stage->backBuffer->getWidth(), 120);
  EXPECT_EQ(scene->targetWidth, 120);
  EXPECT_GE(scene->dirtyRight, 120);
  EXPECT_GE(scene->dirtyBottom, 90);
  EXPECT_EQ(scene->dirtyLeft, 0);
  scene->removeRoot(&item);
}

TEST_F(SceneTest, TheTopmostItemIsHitFirst) {
  NVImage image(10, 10);
  NV2DItem low(1, 0, 0, 10, 10), high(2, 5, 5, 10, 10);
  low.setImage(&image);
  high.setImage(&image);
  scene->addRoot(&low);
  scene->addRoot(&high);
  auto hits = stage->hitTest(7, 7);
  ASSERT_EQ(hits.size(), 1u);
  EXPECT_EQ(hits[0], &high);
  hits = stage->hitTest(2, 2);
  ASSERT_EQ(hits.size(), 1u);
  EXPECT_EQ(hits[0], &low);
  scene->removeRoot(&low);
  scene->removeRoot(&high);
}

TEST_F(SceneTest, ThePointerOverAnItemNamesItInInputEvents) {
  NVImage image(20, 20);
  NV2DItem item(0, 10, 10, 20, 20);
  item.setImage(&image);
  scene->addRoot(&item);
  NVEventConnector connector(&item);
  std::vector<NVEventState> heard;
  connector.connect(NV_EV_MOVE, [&](NVEventState e) { heard.push_back(e); });
  nvhost::NullDisplay::movePointer(50 + 15, 50 + 15);
  runFrames(stage->engine, 3);
  nvhost::NullDisplay::movePointer(50 + 16, 50 + 17);
  runFrames(stage->engine, 3);
  ASSERT_FALSE(heard.empty());
  EXPECT_EQ(heard.back().item2D, &item);
  EXPECT_EQ(heard.back().localX, 6);
  EXPECT_EQ(heard.back().localY, 7);
  scene->removeRoot(&item);
}

TEST_F(SceneTest, TheComposedPictureReachesTheWindow) {
  NVImage red(5, 5);
  red.fill(255, 0, 0, 255);
  NV2DItem item(0, 10, 10, 5, 5);
  item.setImage(&red);
  scene->setBackgroundColor(0, 0, 255, 255);
  scene->addRoot(&item);
  runFrames(stage->engine, 3);
  EXPECT_EQ(windowColour(stage->hwnd, 12, 12), 0xFF0000u);
  EXPECT_EQ(windowColour(stage->hwnd, 50, 50), 0x0000FFu);
  item.moveTo(40, 40);
  runFrames(stage->engine, 3);
  EXPECT_EQ(windowColour(stage->hwnd, 12, 12), 0x0000FFu);
  EXPECT_EQ(windowColour(stage->hwnd, 42, 42), 0xFF0000u);
  scene->removeRoot(&item);
}

TEST_F(SceneTest, AStageWithoutASceneShowsBlack) {
  NV2DStage bare(40, 40, NVString(""));
  bare.setRect(120, 0, 40, 40);
  ASSERT_TRUE(top->addChild(&bare, true));
  runFrames(stage->engine, 3);
  EXPECT_EQ(windowColour(bare.hwnd, 20, 20), 0x000000u);
  top->removeChild(&bare);
}

}  // namespace
