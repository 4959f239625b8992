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
      {10, 20, true, true},  {29, 49, true, true},   {30, 20, false, true},  {49, 49, false, true},
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

// The texel at the point's offset in the item less the source position
// decides, unstretched: with the source shown from column 10, the point 15
// columns into the item asks texel 5; points beyond the texture are missed.
TEST_F(ItemHitTest, TheTexelAtTheOffsetLessTheSourcePositionDecides) {
  dv_Image wide = halfOpaque(60, 30, 20);  // texture columns 0..9 opaque below
  dv_Image small = halfOpaque(4, 3, 2);
  struct Case {
    dv_Image* source;
    int sourceX, x, y;
    bool hit;
  };
  const Case cases[] = {
      {&wide, 10, 10 + 15, 25, true},                              // texel 5
      {&wide, 10, 10 + 9, 25, false},                              // texel -1
      {&wide, 10, 10 + 19, 25, true},                              // texel 9
      {&wide, 10, 10 + 20, 25, false},                             // texel 10
      {&wide, 0, 10 + 19, 25, true},   {&small, 0, 11, 22, true},  // texel (1, 2)
      {&small, 0, 12, 21, false},                                  // texel (2, 1): transparent
      {&small, 0, 11, 23, false},                                  // texel (1, 3): below the texture
      {&small, 0, 29, 49, false},                                  // no stretching over the item
  };
  for (const Case& c : cases) {
    item.setSourcePosition(c.sourceX, 0);
    item.setSourceToolkitImage(c.source);
    EXPECT_EQ(hitAt(c.x, c.y), c.hit ? &item : nullptr)
        << c.source->getWidth() << " from " << c.sourceX << " at " << c.x << "," << c.y;
  }
}

}  // namespace
