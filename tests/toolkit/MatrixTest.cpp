#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "tests/toolkit/MathExpect.h"
#include "tests/toolkit/ReportCapture.h"
#include "toolkit/dv_Matrix.h"

namespace {

// Ordinary right-handed rotation of v about one axis, written out directly.
dv_Vector rotateReference(const dv_Vector& v, double a, int axis) {
  const double c = std::cos(a), s = std::sin(a);
  switch (axis) {
    case 0: return dv_Vector(v.x, c * v.y - s * v.z, s * v.y + c * v.z);
    case 1: return dv_Vector(c * v.x + s * v.z, v.y, -s * v.x + c * v.z);
    default: return dv_Vector(c * v.x - s * v.y, s * v.x + c * v.y, v.z);
  }
}

TEST(MatrixTest, RotationsMatchTheRightHandedFormulas) {
  const dv_Vector v(0.3, -1.2, 2.5);
  for (int axis = 0; axis < 3; ++axis)
    for (double a : {0.0, 0.7, -2.1, 3.0}) {
      dv_Matrix r;
      r.setRotation(a, axis);
      expectNear(r * v, rotateReference(v, a, axis));
    }
}

TEST(MatrixTest, EulerIsHeadingThenPitchThenBank) {
  for (double h : {0.0, 0.4, -1.3, 2.9}) {
    dv_Matrix e;
    e.setEuler(h, 0, 0);
    expectNear(e * dv_Vector(0, 0, -1), dv_Vector(std::sin(h), 0, -std::cos(h)));
  }
  const double h = 0.3, p = -0.6, b = 1.1;
  const dv_Vector v(1, 2, 3);
  dv_Matrix e;
  e.setEuler(dv_Angle(h, p, b));
  expectNear(e * v, rotateReference(rotateReference(rotateReference(v, -b, 2), p, 0), -h, 1));
  dv_Matrix up;
  up.setEuler(0, 0.5, 0);
  EXPECT_GT((up * dv_Vector(0, 0, -1)).y, 0.0);  // positive pitch looks up
}

TEST(MatrixTest, TranslationScalingAndProducts) {
  dv_Matrix t, s;
  t.setTranslation(1, 2, 3);
  s.setScaling(2, 3, 4);
  expectNear(t * s * dv_Vector(1, 1, 1), dv_Vector(3, 5, 7));
  const dv_HVector d = t * dv_HVector(1, 1, 1, 0);
  EXPECT_TRUE(d == dv_HVector(1, 1, 1, 0));
  dv_Matrix ts = t;
  ts *= s;
  EXPECT_TRUE(ts == t * s);
  EXPECT_TRUE(t + s - s == t);
  dv_Matrix tt = t;
  tt.transpose();
  EXPECT_DOUBLE_EQ(tt.m[3][0], 1.0);
  EXPECT_DOUBLE_EQ(tt.m[0][3], 0.0);
}

TEST(MatrixTest, SetChecksItsIndices) {
  ReportCapture capture;
  dv_Matrix m;
  EXPECT_TRUE(m.set(3, 0, 5.0));
  EXPECT_DOUBLE_EQ(m[3][0], 5.0);
  const dv_Matrix before = m;
  EXPECT_FALSE(m.set(4, 0, 1.0));
  EXPECT_FALSE(m.set(0, -1, 1.0));
  EXPECT_TRUE(m == before);
  EXPECT_EQ(capture.take().size(), 2u);
  m.set(0, 0, 1.0);  // no report for a valid index
  EXPECT_TRUE(capture.take().empty());
}

TEST(MatrixTest, InverseOfRandomMatricesGivesIdentity) {
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> value(-5.0, 5.0);
  for (int n = 0; n < 200; ++n) {
    dv_Matrix a;
    for (auto& row : a.m)
      for (double& e : row) e = value(rng);
    dv_Matrix inv = a;
    ASSERT_TRUE(inv.inverse()) << n;
    expectNear(a * inv, dv_Matrix(), 1e-8);
    EXPECT_FALSE(a.isSingular());
  }
}

TEST(MatrixTest, SingularMatricesAreRefusedAndKept) {
  dv_Matrix zeroRow;
  for (int c = 0; c < 4; ++c) zeroRow.m[2][c] = 0.0;
  dv_Matrix twinRows;
  for (int c = 0; c < 4; ++c) twinRows.m[1][c] = twinRows.m[0][c] = c + 1.0;
  for (const dv_Matrix& m : {zeroRow, twinRows}) {
    dv_Matrix copy = m;
    EXPECT_FALSE(copy.inverse());
    EXPECT_TRUE(copy == m);
    EXPECT_TRUE(m.isSingular());
    EXPECT_FALSE(m.isInvertible());
    EXPECT_TRUE(m.getInverse() == m);
  }
}

TEST(MatrixTest, RigidInverse) {
  dv_Matrix t;
  t.setTranslation(1, 2, 3);
  dv_Matrix expected;
  expected.setTranslation(-1, -2, -3);
  EXPECT_TRUE(t.getRigidInverse() == expected);
  dv_Matrix e;
  e.setEuler(0.4, -0.2, 1.3);
  const dv_Matrix rt = t * e;
  expectNear(rt * rt.getRigidInverse(), dv_Matrix());
  expectNear(rt.getRigidInverse(), rt.getInverse());
}

TEST(MatrixTest, PrintTexts) {
  ReportCapture capture;
  dv_Matrix m;
  m.set(0, 3, -2.5);
  m.Print("M");
  const std::vector<std::string> texts = capture.take();
  ASSERT_EQ(texts.size(), 5u);
  EXPECT_EQ(texts[0], "Matrix[M] = ");
  EXPECT_EQ(texts[1], "\t|   1.000000   0.000000   0.000000  -2.500000 |");
  EXPECT_EQ(texts[4], "\t|   0.000000   0.000000   0.000000   1.000000 |");
  m.Print();
  EXPECT_EQ(capture.take()[0], "Matrix = ");
}

}  // namespace
