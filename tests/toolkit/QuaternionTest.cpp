#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

#include "tests/toolkit/MathExpect.h"
#include "toolkit/dv_Quaternion.h"

namespace {

constexpr double kPi = std::numbers::pi;

TEST(QuaternionTest, DefaultIsZeroAndFails) {
  dv_Quaternion q;
  EXPECT_DOUBLE_EQ(q.squaredNorm(), 0.0);
  EXPECT_FALSE(q.normalize());
  EXPECT_FALSE(q.inverse());
  EXPECT_TRUE(q == dv_Quaternion());
  EXPECT_TRUE(q.getInverse() == dv_Quaternion());
}

TEST(QuaternionTest, AxisRotationRotatesLikeTheMatrix) {
  dv_Quaternion q;
  EXPECT_FALSE(q.setAxisRotation(1.0, 0, 0, 0));
  EXPECT_TRUE(q == dv_Quaternion());
  const dv_Vector v(0.3, -1.2, 2.5);
  for (int axis = 0; axis < 3; ++axis) {
    dv_Vector a;
    (axis == 0 ? a.x : axis == 1 ? a.y : a.z) = 3.0;  // length does not matter
    ASSERT_TRUE(q.setAxisRotation(0.8, a));
    expectNear(q * v, dv_RotationMatrix(0.8, axis) * v);
  }
}

TEST(QuaternionTest, EulerAgreesWithTheMatrixAndComesBack) {
  std::mt19937 rng(3);
  std::uniform_real_distribution<double> heading(-3.0, 3.0), pitch(-1.5, 1.5);
  for (int n = 0; n < 100; ++n) {
    const dv_Angle a(heading(rng), pitch(rng), heading(rng));
    dv_Quaternion q;
    q.setEuler(a);
    const dv_Vector v(1, -2, 0.5);
    expectNear(q * v, dv_EulerMatrix(a) * v);
    expectNear(q.toAngle(), a);
    expectNear(q.toMatrix(), dv_EulerMatrix(a));
  }
}

TEST(QuaternionTest, ProductInverseAndConjugate) {
  dv_Quaternion a(1, 2, 3, 4), b(-2, 0.5, 1, 3);
  const dv_Quaternion ab = a * b;
  EXPECT_NEAR(ab.s, 1 * -2 - (2 * 0.5 + 3 * 1 + 4 * 3), 1e-12);
  dv_Quaternion inv = a;
  ASSERT_TRUE(inv.inverse());
  EXPECT_TRUE(a * inv == dv_Quaternion(1, 0, 0, 0));
  EXPECT_TRUE(a.conj() == dv_Quaternion(1, -2, -3, -4));
  EXPECT_TRUE(-a == dv_Quaternion(-1, -2, -3, -4));
  EXPECT_TRUE((a + b) - b == a);
  EXPECT_TRUE(2.0 * a / 2.0 == a);
  EXPECT_DOUBLE_EQ(dv_Dot(a, b), -2 + 1 + 3 + 12);
}

TEST(QuaternionTest, SlerpCases) {
  dv_Quaternion q;
  q.setEuler(0.5, 0.2, -0.1);
  EXPECT_TRUE(dv_QuatSlerp(q, -q, 0.3) == q);
  EXPECT_TRUE(dv_QuatSlerp(q, q, 0.7) == q);
  dv_Quaternion a, b;
  a.setAxisRotation(0.0, 0, 1, 0);
  b.setAxisRotation(1.2, 0, 1, 0);
  for (double t : {0.0, 0.25, 0.5, 1.0}) {
    dv_Quaternion expected;
    expected.setAxisRotation(1.2 * t, 0, 1, 0);
    EXPECT_TRUE(dv_QuatSlerp(a, b, t) == expected) << t;
    EXPECT_TRUE(dv_QuatSlerp(a, -b, t) == expected) << "shortest path " << t;
  }
  dv_Quaternion nearB;
  nearB.setAxisRotation(1e-13, 0, 1, 0);  // sin(theta) vanishes: falls back to lerp
  EXPECT_TRUE(dv_QuatSlerp(a, nearB, 0.5) == dv_QuatLerp(a, nearB, 0.5));
  EXPECT_NEAR(dv_QuatLerp(a, b, 0.5).norm(), 1.0, 1e-12);
}

TEST(QuaternionTest, ToAngleOfStraightUp) {
  dv_Quaternion q;
  q.setEuler(0, kPi / 2, 0);
  const dv_Angle a = q.toAngle();
  EXPECT_NEAR(a.p, kPi / 2, 1e-7);
}

}  // namespace
