#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

#include "tests/toolkit/MathExpect.h"
#include "tests/toolkit/ReportCapture.h"
#include "toolkit/dv_Model.h"
#include "toolkit/dv_ModelTree.h"
#include "toolkit/dv_Shape.h"

namespace {

constexpr double kPi = std::numbers::pi;

TEST(ModelTest, NewModelDefaults) {
  dv_Model a;
  dv_Model b;
  EXPECT_EQ(a.getType(), 4);
  expectNear(a.getPosition(), dv_Vector(0, 0, 0));
  expectNear(a.getDirection(), dv_Vector(0, 0, -1));
  expectNear(a.getUp(), dv_Vector(0, 1, 0));
  expectNear(a.getAngle(), dv_Angle());
  EXPECT_TRUE(a.getBaseMatrix() == dv_Matrix());
  EXPECT_FALSE(a.isScaled());
  EXPECT_EQ(a.getDrawParts(), 0);
  EXPECT_EQ(a.getColorSource(), 1);
  EXPECT_FALSE(a.getPickable() || a.getSmoothShading() || a.getReverseOrder());
  EXPECT_EQ(a.getLineColor(), nullptr);
  EXPECT_FALSE(a.hasOwnMaterial());
  EXPECT_FALSE(a.hasTreeNode());
  EXPECT_EQ(b.getID(), a.getID() + 1);
  a.setPointSize(0);
  a.setLineWidth(-1);
  EXPECT_DOUBLE_EQ(a.getPointSize(), 1);
  EXPECT_DOUBLE_EQ(a.getLineWidth(), 1);
  a.setPointSize(3);
  EXPECT_DOUBLE_EQ(a.getPointSize(), 3);
}

TEST(ModelTest, ShapeTypeChoosesDrawParts) {
  struct Case {
    int type;
    int parts;
  };
  for (const Case c :
       {Case{26, 0}, Case{12, 1}, Case{10, 2}, Case{16, 2}, Case{9, 4}, Case{54, 4}, Case{25, 0}, Case{19, 4}}) {
    dv_Shape shape(c.type);
    dv_Model model(&shape);
    EXPECT_EQ(model.getDrawParts(), c.parts) << c.type;
  }
  dv_Shape faces(9), otherFaces(9), points(12);
  dv_Model model(&faces);
  model.setDrawParts(4 + 16);
  model.setShape(&otherFaces);  // same type: the choice stays
  EXPECT_EQ(model.getDrawParts(), 20);
  model.setShape(nullptr);
  EXPECT_EQ(model.getShape(), nullptr);
  EXPECT_EQ(model.getDrawParts(), 20);
  model.setShape(&points);
  EXPECT_EQ(model.getDrawParts(), 1);
}

TEST(ModelTest, MaterialAndColoursAreInherited) {
  dv_Model root, mid, leaf;
  mid.setParent(&root, false);
  leaf.setParent(&mid, false);
  EXPECT_EQ(&leaf.getEffectiveMaterial(), &root.getMaterial());
  dv_Material red;
  red.setDiffuse(1, 0, 0);
  mid.setMaterial(red);
  EXPECT_EQ(&leaf.getEffectiveMaterial(), &mid.getMaterial());
  EXPECT_TRUE(leaf.getEffectiveMaterial() == red);
  EXPECT_EQ(leaf.getEffectiveLineColor(), nullptr);
  ASSERT_TRUE(root.setLineColor(0.5, 0.5, 0.5));
  EXPECT_EQ(leaf.getEffectiveLineColor(), root.getLineColor());
  ReportCapture capture;
  EXPECT_FALSE(leaf.setPointColor(2, 0, 0));
  ASSERT_NE(leaf.getPointColor(), nullptr);
  EXPECT_TRUE(*leaf.getPointColor() == dv_Color(0.2, 0.2, 0.2));
  EXPECT_EQ(leaf.getEffectivePointColor(), leaf.getPointColor());
}

TEST(ModelTest, ParentLinksAreMirroredInTheTree) {
  dv_Model parent, child;
  ASSERT_TRUE(child.setParent(&parent, false));
  ASSERT_TRUE(parent.hasTreeNode() && child.hasTreeNode());
  EXPECT_EQ(child.getTreeNode()->parent, parent.getTreeNode());
  EXPECT_EQ(parent.getTreeNode()->parent, dv_ModelTree().getRoot());
  // Appended: GCC 12 at -O3 misreads "m" + a temporary as an overlapping copy.
  std::string name = "m";
  name += std::to_string(child.getID());
  EXPECT_EQ(child.getTreeNode()->name, name);
  EXPECT_EQ(dv_ModelOfNode(child.getTreeNode()), &child);
  ASSERT_TRUE(parent.removeChild(&child, false));
  EXPECT_EQ(child.getParent(), nullptr);
  EXPECT_EQ(child.getTreeNode()->parent, dv_ModelTree().getRoot());
  EXPECT_FALSE(parent.removeChild(&child, false));
}

TEST(ModelTest, CyclesAreRefusedWithoutChange) {
  dv_Model grand, parent, child;
  parent.setParent(&grand, false);
  child.setParent(&parent, false);
  EXPECT_FALSE(parent.setParent(&child, true));
  EXPECT_FALSE(grand.setParent(&child, false));
  EXPECT_FALSE(child.setParent(&child, false));
  EXPECT_EQ(parent.getParent(), &grand);
  EXPECT_EQ(child.getParent(), &parent);
  EXPECT_EQ(parent.getTreeNode()->parent, grand.getTreeNode());
}

TEST(ModelTest, KeepGlobalPreservesThePlacement) {
  dv_Model parent, child;
  parent.glSetPosition(1, 2, 3);
  parent.glSetAngle(0.5, -0.2, 0.3);
  parent.setScale(2);
  child.glSetPosition(-1, 4, 0.5);
  child.glSetAngle(1.0, 0.1, -0.4);
  const dv_Vector position = child.getGlobalPosition();
  const dv_Angle angle = child.getGlobalAngle();
  ASSERT_TRUE(child.setParent(&parent, true));
  expectNear(child.getGlobalPosition(), position);
  expectNear(child.getGlobalAngle(), angle);
  dv_Vector direction = child.getGlobalVec();
  direction.normalize();
  expectNear(direction, dv_EulerMatrix(angle) * dv_Vector(0, 0, -1));
  ASSERT_TRUE(child.clearParent(true));
  expectNear(child.getPosition(), position);
  expectNear(child.getAngle(), angle);
}

TEST(ModelTest, WithoutKeepGlobalTheLocalPlacementStays) {
  dv_Model parent, child;
  parent.glSetPosition(10, 0, 0);
  child.glSetPosition(1, 0, 0);
  ASSERT_TRUE(parent.addChild(&child, false));
  expectNear(child.getPosition(), dv_Vector(1, 0, 0));
  expectNear(child.getGlobalPosition(), dv_Vector(11, 0, 0));
  expectNear(child.getGlobalMatrix() * dv_Vector(), dv_Vector(11, 0, 0));
  expectNear(child.getGlobalInvMatrix() * dv_Vector(11, 0, 0), dv_Vector());
}

TEST(ModelTest, DestroyingAModelDetachesItsChildren) {
  dv_Model child;
  const size_t before = dv_ModelTree().size();
  {
    dv_Model parent;
    child.setParent(&parent, false);
    parent.removeChildren(false);
    child.setParent(&parent, false);
  }
  EXPECT_EQ(child.getParent(), nullptr);
  EXPECT_EQ(child.getTreeNode()->parent, dv_ModelTree().getRoot());
  EXPECT_EQ(dv_ModelTree().size(), before + 1);  // the child keeps its node
}

TEST(ModelTest, SnapshotsAndInterpolation) {
  dv_Model m;
  EXPECT_FALSE(m.restoreState());
  EXPECT_FALSE(m.restoreState(0.5));
  m.glSetAngle(0.2, 0, 0);
  m.saveState();
  m.glSetPosition(4, 0, 0);
  m.glSetAngle(1.0, 0, 0);
  EXPECT_FALSE(m.restoreState(0.0));
  EXPECT_FALSE(m.restoreState(1.001));
  ASSERT_TRUE(m.restoreState(0.5));
  expectNear(m.getPosition(), dv_Vector(2, 0, 0));
  expectNear(m.getAngle(), dv_Angle(0.6, 0, 0));
  ASSERT_TRUE(m.restoreState());
  expectNear(m.getPosition(), dv_Vector());
  expectNear(m.getAngle(), dv_Angle(0.2, 0, 0));
}

struct CollisionCase {
  dv_Vector from1, to1, from2, to2;
  bool colliding;
  double time;
};

TEST(ModelTest, SweptSphereCollisions) {
  const CollisionCase cases[] = {
      // Head-on: the gap of 10 closes to 2 after 8 of the 10 units of relative motion.
      {{0, 0, 0}, {5, 0, 0}, {10, 0, 0}, {5, 0, 0}, true, 0.8},
      // Passing each other 3 apart: the spheres (reach 2) never touch.
      {{0, 0, 0}, {10, 0, 0}, {10, 3, 0}, {0, 3, 0}, false, -1},
      // Moving apart: on the line, the first touch lies before the move.
      {{0, 0, 0}, {-5, 0, 0}, {4, 0, 0}, {9, 0, 0}, false, -0.6},
      // Would meet only after the move has ended: gap 10 to 2 at 2 units a move.
      {{0, 0, 0}, {1, 0, 0}, {10, 0, 0}, {9, 0, 0}, false, 4},
  };
  for (const CollisionCase& c : cases) {
    dv_Model a, b;
    a.setRadius(1);
    b.setRadius(1);
    a.glSetPosition(c.from1);
    b.glSetPosition(c.from2);
    a.saveState();
    b.saveState();
    a.glSetPosition(c.to1);
    b.glSetPosition(c.to2);
    EXPECT_EQ(a.isColliding(&b), c.colliding);
    EXPECT_NEAR(a.collisionTime(&b), c.time, 1e-12);
  }
}

TEST(ModelTest, IntersectionAndMissingSnapshots) {
  dv_Model a, b;
  a.setRadius(1);
  b.setRadius(0.5);
  b.setRadius(-2);
  b.glSetPosition(1.5, 0, 0);
  EXPECT_TRUE(a.isIntersecting(&b));
  b.glSetPosition(1.6, 0, 0);
  EXPECT_FALSE(a.isIntersecting(&b));
  EXPECT_FALSE(a.isColliding(&b));
  EXPECT_EQ(a.collisionTime(&b), -1);
  a.saveState();
  b.saveState();
  EXPECT_EQ(a.collisionTime(&b), 0);  // no relative motion
  EXPECT_FALSE(a.isIntersecting(nullptr));
}

TEST(ModelTest, GlobalAngleOfAChild) {
  dv_Model parent, child;
  parent.glSetAngle(kPi / 4, 0, 0);
  child.setParent(&parent, false);
  child.glSetAngle(kPi / 4, 0, 0);
  expectNear(child.getGlobalAngle(), dv_Angle(kPi / 2, 0, 0));
}

}  // namespace
