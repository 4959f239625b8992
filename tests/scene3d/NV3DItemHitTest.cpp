#include <gtest/gtest.h>

#include <vector>

#include "framework/compose/NV3DItem.h"
#include "framework/compose/NV3DStage.h"
#include "framework/core/NVGUICoreObject.h"
#include "tests/support/EngineHarness.h"

namespace {

// A toolkit picture whose columns below `opaqueColumns` are opaque and the
// rest fully transparent.
dv_Image halfOpaque(int w, int h, int opaqueColumns) {
  dv_Image image(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < opaqueColumns; ++x) image.setRGBA(x, y, 200, 100, 50, 255);
  return image;
}

class ItemHitTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { useNullDisplay(); }
  void SetUp() override {
    picture = halfOpaque(40, 30, 20);
    item.setSourceToolkitImage(&picture);
    stage3D.addItem(&item, true);
  }
  void TearDown() override { freeDeferred(); }
  NV3DItemBase* hitAt(int x, int y) {
    const auto hits = stage3D.hitTest(x, y);
    return hits.empty() ? nullptr : hits.front();
  }

  dv_Image picture;
  NV3DStage stage3D{nullptr, nullptr};
  NV3DItem item{10, 20, 40, 30};
};

TEST_F(ItemHitTest, OnlyOpaquePixelsOfTheRectangleAreHit) {
  struct Case {
    int x, y;
    bool hit, wholeRectHit;
  };
  const Case cases[] = {
      {10, 20, true, true},  {29, 49, true, true},  {30, 20, false, true}, {49, 49, false, true},
      {9, 20, false, false}, {10, 19, false, false}, {50, 30, false, false}, {20, 50, false, false},
  };
  for (const Case& c : cases) {
    item.wholeRectHit = false;
    EXPECT_EQ(hitAt(c.x, c.y), c.hit ? &item : nullptr) << c.x << "," << c.y;
    item.wholeRectHit = true;
    EXPECT_EQ(hitAt(c.x, c.y), c.wholeRectHit ? &item : nullptr) << c.x << "," << c.y << " whole";
  }
}

TEST_F(ItemHitTest, HiddenOrTransparentItemsAreNotHit) {
  ASSERT_EQ(hitAt(15, 25), &item);
  item.setVisible(false);
  EXPECT_EQ(hitAt(15, 25), nullptr);
  item.setVisible(true);
  item.setAlpha(0);
  EXPECT_EQ(hitAt(15, 25), nullptr);
  item.setAlpha(1);
  EXPECT_EQ(hitAt(15, 25), &item);
}

TEST_F(ItemHitTest, ChildrenAreAskedFirstTopmostFirst) {
  dv_Image full = halfOpaque(8, 8, 8);
  NV3DItem low(2, 2, 8, 8), high(4, 4, 8, 8);
  low.setSourceToolkitImage(&full);
  high.setSourceToolkitImage(&full);
  NV3DItemBase::addChild(&item, &low, true);
  NV3DItemBase::addChild(&low, &high, true);
  EXPECT_EQ(hitAt(17, 27), &high);  // inside all three
  EXPECT_EQ(hitAt(12, 22), &low);   // left of the innermost child
  EXPECT_EQ(hitAt(25, 40), &item);  // outside both children
  // Children are asked through their roots only: the stage holds all three
  // but reports one hit.
  std::vector<NV3DItemBase*> all;
  item.hitTest(17, 27, all, 3);
  EXPECT_EQ(all, (std::vector<NV3DItemBase*>{&high, &low, &item}));
  EXPECT_EQ(stage3D.hitTest(17, 27, 3).size(), 3u);
  EXPECT_EQ(stage3D.hitTest(17, 27, 2).size(), 2u);
  high.detach();
  low.detach();
}

// The texel shown at a point decides, also when the picture starts inside
// its source or is smaller than the item and stretched over it.
TEST_F(ItemHitTest, TheShownTexelDecides) {
  dv_Image wide = halfOpaque(60, 30, 20);
  item.setSourceToolkitImage(&wide);
  item.setSourcePosition(10, 0);  // the first ten shown columns are opaque
  ASSERT_EQ(item.textureImage.getWidth(), 40);
  EXPECT_EQ(hitAt(19, 25), &item);
  EXPECT_EQ(hitAt(20, 25), nullptr);
  dv_Image small = halfOpaque(4, 3, 2);
  item.setSourcePosition(0, 0);
  item.setSourceToolkitImage(&small);
  ASSERT_EQ(item.textureImage.getWidth(), 4);
  EXPECT_EQ(hitAt(29, 49), &item);  // left half of the stretched picture
  EXPECT_EQ(hitAt(30, 20), nullptr);
}

}  // namespace
