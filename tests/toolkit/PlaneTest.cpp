#include <gtest/gtest.h>

#include "tests/toolkit/MathExpect.h"
#include "toolkit/dv_Plane.h"

namespace {

TEST(PlaneTest, PointNormalAlongZ) {
  dv_Plane plane;
  ASSERT_TRUE(plane.setFromPointNormal(dv_Vector(0, 0, 5), dv_Vector(0, 0, 2)));
  expectNear(plane.getUVec(), dv_Vector(1, 0, 0));
  expectNear(plane.getVVec(), dv_Vector(0, 1, 0));
  expectNear(plane.getNormal(), dv_Vector(0, 0, 1));
  double t = 0;
  ASSERT_TRUE(plane.intersectLineParam(dv_Vector(0, 0, 0), dv_Vector(0, 0, 10), t));
  EXPECT_DOUBLE_EQ(t, 0.5);
  dv_Vector point;
  ASSERT_TRUE(plane.intersectLine(dv_Vector(0, 0, 0), dv_Vector(0, 0, 10), point));
  expectNear(point, dv_Vector(0, 0, 5));
  EXPECT_FALSE(plane.intersectLine(dv_Vector(0, 0, 0), dv_Vector(1, 0, 0), point));
  EXPECT_DOUBLE_EQ(plane.distanceTo(dv_Vector(3, 4, 1)), 4.0);
  EXPECT_DOUBLE_EQ(plane.distanceToOrigin(), 5.0);
  ASSERT_TRUE(plane.setFromPointNormal(dv_Vector(), dv_Vector(0, 0, -1)));
  expectNear(plane.getVVec(), dv_Vector(0, -1, 0));
  expectNear(plane.getNormal(), dv_Vector(0, 0, -1));
}

TEST(PlaneTest, PointNormalAlongX) {
  dv_Plane plane;
  ASSERT_TRUE(plane.setFromPointNormal(dv_Vector(), dv_Vector(1, 0, 0)));
  expectNear(plane.getUVec(), dv_Vector(0, -1, 0));
  expectNear(plane.getVVec(), dv_Vector(0, 0, -1));
  EXPECT_FALSE(plane.setFromPointNormal(dv_Vector(1, 1, 1), dv_Vector(1e-7, 0, 0)));
  expectNear(plane.getBase(), dv_Vector());
}

TEST(PlaneTest, DistanceFollowsANewBase) {
  dv_Plane plane;
  ASSERT_TRUE(plane.setFromPointNormal(dv_Vector(0, 0, 1), dv_Vector(0, 0, 1)));
  double t = 0;
  ASSERT_TRUE(plane.intersectLineParam(dv_Vector(0, 0, 0), dv_Vector(0, 0, 4), t));
  EXPECT_DOUBLE_EQ(t, 0.25);
  ASSERT_TRUE(plane.setFromPointNormal(dv_Vector(0, 0, 2), dv_Vector(0, 0, 1)));
  ASSERT_TRUE(plane.intersectLineParam(dv_Vector(0, 0, 0), dv_Vector(0, 0, 4), t));
  EXPECT_DOUBLE_EQ(t, 0.5);
}

TEST(PlaneTest, ThreePointsAndAxes) {
  dv_Plane plane;
  EXPECT_FALSE(plane.setFromThreePoints(dv_Vector(), dv_Vector(1, 0, 0), dv_Vector(2, 0, 0)));
  ASSERT_TRUE(plane.setFromThreePoints(dv_Vector(1, 1, 1), dv_Vector(3, 1, 1), dv_Vector(2, 3, 1)));
  expectNear(plane.getUVec(), dv_Vector(1, 0, 0));
  expectNear(plane.getNormal(), dv_Vector(0, 0, 1));  // unit although vVec leans on uVec
  EXPECT_DOUBLE_EQ(plane.distanceTo(dv_Vector(7, 7, 3)), 2.0);
  EXPECT_TRUE(plane.isParallelTo(dv_Vector(5, -2, 0)));
  EXPECT_TRUE(plane.isPerpendicularTo(dv_Vector(0, 0, 3)));
  ASSERT_TRUE(plane.setFromPointAxes(dv_Vector(0, 0, 1), dv_Vector(2, 0, 0), dv_Vector(1, 1, 0)));
  expectNear(plane.getVVec(), dv_Vector(0, 1, 0));
  EXPECT_FALSE(plane.setFromPointAxes(dv_Vector(), dv_Vector(1, 0, 0), dv_Vector(-2, 0, 0)));
  dv_Plane side;
  side.setFromPointNormal(dv_Vector(), dv_Vector(1, 0, 0));
  EXPECT_TRUE(plane.isPerpendicularPlane(side));
  EXPECT_FALSE(plane.isParallelPlane(side));
}

TEST(PlaneTest, FullIntersectionGivesPlaneCoordinates) {
  dv_Plane plane;
  ASSERT_TRUE(plane.setFromPointAxes(dv_Vector(1, 2, 3), dv_Vector(1, 0, 0), dv_Vector(0, 1, 0)));
  dv_Vector point;
  double u = 0, v = 0, t = 0;
  ASSERT_TRUE(plane.intersectLineFull(dv_Vector(4, 6, 0), dv_Vector(4, 6, 10), point, u, v, t));
  EXPECT_NEAR(u, 3, 1e-12);
  EXPECT_NEAR(v, 4, 1e-12);
  EXPECT_NEAR(t, 0.3, 1e-12);
  expectNear(point, dv_Vector(4, 6, 3));
  EXPECT_FALSE(plane.intersectLineUV(dv_Vector(0, 0, 0), dv_Vector(1, 1, 0), u, v));
}

}  // namespace
