#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "framework/compose/NV3DItem.h"
#include "framework/compose/NV3DStage.h"
#include "framework/core/NVGUICoreObject.h"
#include "framework/core/NVStageBase.h"
#include "tests/support/EngineHarness.h"

namespace {

// Items laid out on a stage window of a chosen size that is never shown.
class ItemLayoutTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { useNullDisplay(); }
  void TearDown() override {
    stage3D.reset();
    delete window;
    freeDeferred();
  }
  NV3DStage* stageOf(int w, int h) {
    if (w == 0) {
      stage3D = std::make_unique<NV3DStage>(nullptr, nullptr);
    } else {
      window = new NVStageBase();
      window->width = w;
      window->height = h;
      stage3D = std::make_unique<NV3DStage>(window, nullptr);
    }
    return stage3D.get();
  }

  NVStageBase* window = nullptr;
  std::unique_ptr<NV3DStage> stage3D;
};

// Expected values from the picture: the whole stage spans 2 units each way,
// y up, so a pixel rectangle's centre (cx, cy) lies at (2 cx / sw - 1,
// 1 - 2 cy / sh); every level of depth moves the item 0.0001 towards -z.
TEST_F(ItemLayoutTest, RectanglesCoverTheirPixelsInDeviceUnits) {
  struct Case {
    int stageW, stageH;  // 0: no window, counted as 300 x 300
    int parentX, parentY;
    int x, y, w, h;
  };
  const Case cases[] = {
      {300, 300, 0, 0, 0, 0, 100, 50},   {0, 0, 0, 0, 0, 0, 100, 50},      {400, 200, 0, 0, 0, 0, 400, 200},
      {400, 200, 0, 0, 100, 50, 20, 10}, {300, 300, 10, 20, 5, 6, 30, 40}, {640, 480, 0, 0, -20, 470, 40, 30},
  };
  for (const Case& c : cases) {
    NV3DStage* s = stageOf(c.stageW, c.stageH);
    NV3DItem parent(c.parentX, c.parentY, 300, 300), item(c.x, c.y, c.w, c.h);
    const bool nested = c.parentX != 0 || c.parentY != 0;
    s->addItem(&parent, true);
    if (nested)
      NV3DItemBase::addChild(&parent, &item, true);
    else
      s->addItem(&item, true);
    const double sw = c.stageW ? c.stageW : 300, sh = c.stageH ? c.stageH : 300;
    const double cx = c.parentX + c.x + c.w / 2.0, cy = c.parentY + c.y + c.h / 2.0;
    const dv_RectSize size = item.rectTexture.getSize();
    const dv_Vector p = item.getPosition();
    SCOPED_TRACE(testing::Message() << "stage " << sw << "x" << sh << " item " << c.x << "," << c.y);
    EXPECT_NEAR(size.w, c.w * 2 / sw, 1e-6);
    EXPECT_NEAR(size.h, c.h * 2 / sh, 1e-6);
    EXPECT_NEAR(p.x, 2 * cx / sw - 1, 1e-9);
    EXPECT_NEAR(p.y, 1 - 2 * cy / sh, 1e-9);
    EXPECT_NEAR(p.z, nested ? -0.0001 : 0.0, 1e-12);
    EXPECT_EQ(item.rectTexture.getImage(), &item.textureImage);
    item.detach();
    parent.detach();
    stage3D.reset();
    delete window;
    window = nullptr;
  }
}

TEST_F(ItemLayoutTest, TheFirstItemOfTheStageLandsWhereExpected) {
  NV3DStage* s = stageOf(300, 300);
  NV3DItem item(0, 0, 100, 50);
  s->addItem(&item, true);
  EXPECT_NEAR(item.rectTexture.getWidth(), 0.6667, 1e-4);
  EXPECT_NEAR(item.rectTexture.getHeight(), 0.3333, 1e-4);
  EXPECT_NEAR(item.getPosition().x, -0.6667, 1e-4);
  EXPECT_NEAR(item.getPosition().y, 0.8333, 1e-4);
  EXPECT_EQ(item.getPosition().z, 0.0);
}

TEST_F(ItemLayoutTest, HiddenItemsAndTheirChildrenLeaveTheView) {
  const dv_Vector away(-30000, -30000, -1000);
  NV3DStage* s = stageOf(300, 300);
  NV3DItem parent(10, 10, 100, 100), child(5, 5, 10, 10);
  s->addItem(&parent, false);
  NV3DItemBase::addChild(&parent, &child, true);
  EXPECT_EQ(parent.getPosition(), away);
  EXPECT_EQ(child.getPosition(), away);  // shown only under a shown parent
  parent.setVisible(true);
  child.layout();
  EXPECT_NE(parent.getPosition(), away);
  EXPECT_NE(child.getPosition(), away);
  parent.setVisible(false);
  child.layout();
  EXPECT_EQ(parent.getPosition(), away);
  EXPECT_EQ(child.getPosition(), away);
}

TEST_F(ItemLayoutTest, ChildrenGoOneLevelDeeperIntoTheStage) {
  NV3DStage* s = stageOf(300, 300);
  NV3DItem root(0, 0, 50, 50), child(0, 0, 10, 10), grandchild(0, 0, 5, 5);
  s->addItem(&root, true);
  NV3DItemBase::addChild(&root, &child, true);
  NV3DItemBase::addChild(&child, &grandchild, false);
  EXPECT_EQ(child.depth, 1);
  EXPECT_EQ(grandchild.depth, 2);
  EXPECT_EQ(grandchild.stage3D, s);
  EXPECT_EQ(s->roots.size(), 3u);
  EXPECT_EQ(child.children.count(2), 1u);
  EXPECT_FALSE(grandchild.visible);
  // An item can be entered only once.
  s->addItem(&child, true);
  EXPECT_EQ(s->roots.size(), 3u);
  child.detach();
  EXPECT_EQ(child.parent, nullptr);
  EXPECT_EQ(child.stage3D, nullptr);
  EXPECT_TRUE(root.children.empty());
  EXPECT_EQ(s->roots.size(), 2u);
}

TEST_F(ItemLayoutTest, AlphaIsLimitedAndReachesTheMaterialThroughTheParents) {
  struct Case {
    int parentAlpha, alpha;
    int ownAlpha, effective;
  };
  const Case cases[] = {{255, 255, 255, 255}, {128, 128, 128, 64}, {255, 300, 255, 255},
                        {255, -5, 0, 0},      {0, 200, 200, 0},    {51, 255, 255, 51}};
  NV3DStage* s = stageOf(300, 300);
  for (const Case& c : cases) {
    NV3DItem parent(0, 0, 50, 50), child(0, 0, 10, 10);
    s->addItem(&parent, true);
    NV3DItemBase::addChild(&parent, &child, true);
    parent.setAlpha(c.parentAlpha);
    child.setAlpha(c.alpha);
    EXPECT_EQ(child.alpha, c.ownAlpha);
    EXPECT_EQ(child.getEffectiveAlpha(), c.effective);
    EXPECT_NEAR(child.getMaterial().getAlpha(), c.effective / 255.0, 1e-6);
    EXPECT_NEAR(child.getEffectiveMaterial().getDiffuse().getR(), 1.0, 1e-6);
  }
}

TEST_F(ItemLayoutTest, DestroyingItemsLeavesNoLinksBehind) {
  NV3DStage* s = stageOf(300, 300);
  auto* parent = new NV3DItem(10, 10, 50, 50);
  auto* child = new NV3DItem(5, 5, 10, 10);
  NV3DItem survivor(1, 1, 4, 4);
  s->addItem(parent, true);
  NV3DItemBase::addChild(parent, child, true);
  NV3DItemBase::addChild(parent, &survivor, true);
  delete child;
  EXPECT_EQ(parent->children.size(), 1u);
  EXPECT_EQ(s->roots.size(), 2u);
  delete parent;
  // The orphan stays in the stage and stands on its own.
  EXPECT_EQ(survivor.parent, nullptr);
  EXPECT_EQ(survivor.getAbsoluteX(), 1);
  EXPECT_EQ(s->roots.size(), 1u);
  survivor.layout();
  stage3D.reset();
  EXPECT_EQ(survivor.stage3D, nullptr);
}

}  // namespace
