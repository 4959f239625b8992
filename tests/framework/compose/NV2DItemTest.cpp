#include <gtest/gtest.h>

#include <cmath>

#include "framework/compose/NV2DItem.h"
#include "framework/compose/NV2DScene.h"
#include "framework/compose/NVImage.h"
#include "framework/core/NVGUICoreObject.h"

namespace {

// A scene composed into a plain image, without any window.
class ItemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    target = new NVImage(100, 80);
    scene = new NV2DScene();
    scene->setBackgroundColor(0, 0, 0, 255);
    scene->bindImage(target, &stageDirty);
  }
  void TearDown() override {
    delete scene;
    delete target;
    freeDeferred();
  }
  std::uint32_t at(int x, int y) const { return target->getPixels()[y * 100 + x]; }
  // An opaque image of one colour.
  static NVImage* solid(int w, int h, int r, int g, int b, int a = 255) {
    auto* image = new NVImage(w, h);
    image->fill(r, g, b, a);
    return image;
  }

  NVRect stageDirty{100, 80, 0, 0};
  NVImage* target = nullptr;
  NV2DScene* scene = nullptr;
};

TEST_F(ItemTest, SetRectWithTheSameValuesChangesNothing) {
  NV2DItem item(0, 5, 5, 0, -3);
  EXPECT_EQ(item.width, 1);
  EXPECT_EQ(item.height, 1);
  scene->addRoot(&item);
  scene->compose();
  EXPECT_FALSE(item.setRect(5, 5, 1, 1));
  EXPECT_FALSE(scene->isDirty());
  EXPECT_TRUE(item.setRect(6, 5, 1, 1));
  EXPECT_TRUE(scene->isDirty());
  scene->removeRoot(&item);
}

TEST_F(ItemTest, DerivedValuesWalkTheParentChain) {
  NV2DItem parent(0, 10, 20, 50, 40), child(0, 3, 4, 10, 10), grandchild(0, 1, 1, 2, 2);
  NV2DItemBase::addChild(&parent, &child, true);
  NV2DItemBase::addChild(&child, &grandchild, true);
  parent.setAlpha(128);
  child.setAlpha(128);
  EXPECT_EQ(child.getEffectiveAlpha(), 64);
  EXPECT_EQ(grandchild.getAbsoluteX(), 14);
  EXPECT_EQ(grandchild.getAbsoluteY(), 25);
  EXPECT_FALSE(grandchild.isShown());  // the root is not in a scene and not visible
  scene->addRoot(&parent);
  EXPECT_TRUE(grandchild.isShown());
  parent.visible = false;
  EXPECT_FALSE(grandchild.isShown());
  parent.visible = true;
  parent.setEnabled(false);
  EXPECT_FALSE(child.enabled);
  EXPECT_FALSE(grandchild.isActive());
  EXPECT_EQ(grandchild.getScene(), scene);
  scene->removeRoot(&parent);
}

TEST_F(ItemTest, TheLocalMatrixIsTheIdentityWithoutScaleOrRotation) {
  NV2DItem parent(0, 10, 10, 40, 40), child(0, 5, 5, 10, 10);
  NV2DItemBase::addChild(&parent, &child, true);
  child.setRect(6, 6, 10, 10);
  const NVBlitMatrix m = child.local;
  EXPECT_EQ(m.xx, 1.0);
  EXPECT_EQ(m.yy, 1.0);
  EXPECT_EQ(m.tx, 0.0);
  EXPECT_EQ(m.ty, 0.0);
}

TEST_F(ItemTest, RotationIsAboutTheCentreAndMapsBackAndForth) {
  NV2DItem item(0, 10, 20, 40, 20);
  item.setRotation(90);
  double sx, sy, u, v;
  item.localToStage(20, 10, sx, sy);  // the centre stays put
  EXPECT_NEAR(sx, 30, 1e-4);
  EXPECT_NEAR(sy, 30, 1e-4);
  item.localToStage(0, 0, sx, sy);
  item.stageToLocal(sx, sy, u, v);
  EXPECT_NEAR(u, 0, 1e-9);
  EXPECT_NEAR(v, 0, 1e-9);
  // The box of the turned item is 20 wide and 40 high, plus 2 on each side.
  const NVRect box = item.getBoundingBox();
  EXPECT_NEAR(box.right - box.left, 24, 1);
  EXPECT_NEAR(box.bottom - box.top, 44, 1);
}

TEST_F(ItemTest, AnOpaqueImageIsCopiedExactlyWhereTheItemIs) {
  NVImage* image = solid(10, 6, 200, 100, 50);
  NV2DItem item(0, 30, 20, 10, 6);
  item.setImage(image);
  scene->addRoot(&item);
  scene->compose();
  EXPECT_EQ(at(30, 20), 0xFEC86432u);
  EXPECT_EQ(at(39, 25), 0xFEC86432u);
  EXPECT_EQ(at(40, 25), 0xFF000000u);
  EXPECT_EQ(at(29, 20), 0xFF000000u);
  EXPECT_EQ(at(0, 0), 0xFF000000u);  // the background
  scene->removeRoot(&item);
  delete image;
}

TEST_F(ItemTest, ClipChildrenKeepsDescendantsInsideTheParent) {
  NVImage* red = solid(30, 30, 255, 0, 0);
  NVImage* green = solid(40, 40, 0, 255, 0);
  NV2DItem parent(0, 10, 10, 20, 20), child(0, 10, 10, 40, 40);
  parent.setImage(red);
  child.setImage(green);
  parent.clipChildren = true;
  scene->addRoot(&parent);
  NV2DItemBase::addChild(&parent, &child, true);
  scene->compose();
  EXPECT_EQ(at(25, 25), 0xFE00FF00u);  // the child inside the parent (opaque samples store alpha 254)
  EXPECT_EQ(at(35, 35), 0xFF000000u);  // the child outside the parent: not drawn
  std::vector<NV2DItemBase*> hits;
  child.hitTest(35, 35, hits, 1);
  EXPECT_TRUE(hits.empty());
  // The parent's last column still lets the child be hit; one further does not.
  child.wholeRectHit = true;
  child.hitTest(29, 25, hits, 1);
  EXPECT_EQ(hits.size(), 1u);
  hits.clear();
  child.hitTest(30, 25, hits, 1);
  EXPECT_TRUE(hits.empty());
  NV2DItemBase::removeChild(&parent, &child);
  scene->removeRoot(&parent);
  delete red;
  delete green;
}

TEST_F(ItemTest, HitsFollowAlphaUnlessTheWholeRectangleCounts) {
  NVImage* image = solid(10, 10, 1, 2, 3, 0);
  image->setRGBA(4, 4, 1, 2, 3, 10);
  NV2DItem item(0, 0, 0, 10, 10);
  item.setImage(image);
  scene->addRoot(&item);
  std::vector<NV2DItemBase*> hits;
  item.hitTest(3, 3, hits, 1);
  EXPECT_TRUE(hits.empty());
  item.hitTest(4, 4, hits, 1);
  EXPECT_EQ(hits.size(), 1u);
  hits.clear();
  item.wholeRectHit = true;
  item.hitTest(3, 3, hits, 1);
  EXPECT_EQ(hits.size(), 1u);
  scene->removeRoot(&item);
  delete image;
}

TEST_F(ItemTest, AfterDetachANewParentSortsTheItemAtDepthZero) {
  NV2DItem parent(0, 0, 0, 10, 10), item(7, 0, 0, 5, 5);
  NV2DItemBase::addChild(&parent, &item, true);
  EXPECT_EQ(parent.children.begin()->first, 7);
  item.detach();
  EXPECT_TRUE(parent.children.empty());
  NV2DItemBase::addChild(&parent, &item, false);
  EXPECT_EQ(parent.children.begin()->first, 0);
  EXPECT_FALSE(item.visible);
}

TEST_F(ItemTest, AChildIsNotDrawnWhenItsParentsBoxMissesTheClip) {
  NVImage* image = solid(5, 5, 0, 0, 255);
  NV2DItem parent(0, 0, 0, 5, 5), child(0, 60, 60, 5, 5);
  scene->addRoot(&parent);
  NV2DItemBase::addChild(&parent, &child, true);
  scene->compose();
  child.setImage(image);  // only the child's area is dirty now
  scene->compose();
  EXPECT_EQ(at(62, 62), 0xFF000000u);  // still background: the parent's box missed the clip
  NV2DItemBase::removeChild(&parent, &child);
  scene->removeRoot(&parent);
  delete image;
}

// An item drawn straight into a target of its own: only the area is touched,
// the toolkit layout stores rows bottom-up with red first, and an unknown
// layout draws nothing.
TEST_F(ItemTest, DrawKeepsToTheAreaInEveryLayout) {
  struct Case {
    int layout;
    std::uint32_t drawn;
    bool flipped;
  };
  const Case cases[] = {{1, 0xFEC86432u, false}, {2, 0xFE3264C8u, true}, {3, 0u, false}};
  NVImage* image = solid(4, 3, 200, 100, 50);
  NV2DItem item(0, 2, 1, 4, 3);
  item.setImage(image);
  scene->addRoot(&item);
  for (const Case& c : cases) {
    std::vector<std::uint32_t> pixels(8 * 6, 0u);
    const NVPixelTarget view{pixels.data(), 8, 6, 8, NVPixelLayout(c.layout)};
    item.draw(view, NVRect{3, 0, 8, 6});
    for (int y = 0; y < 6; ++y) {
      for (int x = 0; x < 8; ++x) {
        const bool inside = x >= 3 && x < 6 && y >= 1 && y < 4;
        const int row = c.flipped ? 5 - y : y;
        EXPECT_EQ(pixels[std::size_t(row * 8 + x)], inside ? c.drawn : 0u)
            << "layout " << c.layout << " at " << x << ", " << y;
      }
    }
  }
  scene->removeRoot(&item);
  delete image;
}

}  // namespace
