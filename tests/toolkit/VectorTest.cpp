#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "tests/toolkit/MathExpect.h"
#include "tests/toolkit/ReportCapture.h"
#include "toolkit/dv_Angle.h"
#include "toolkit/dv_HVector.h"
#include "toolkit/dv_Orientation.h"

namespace {

constexpr double kPi = std::numbers::pi;

TEST(VectorTest, NormalizeThreshold) {
  struct Case {
    double x;
    bool ok;
  };
  for (const Case c : {Case{1e-7, false}, Case{1e-5, true}, Case{0.0, false}, Case{-3.0, true}}) {
    dv_Vector v(c.x, 0.0, 0.0);
    EXPECT_EQ(v.normalize(), c.ok) << c.x;
    EXPECT_DOUBLE_EQ(v.x, c.ok ? std::copysign(1.0, c.x) : c.x);
  }
}

TEST(VectorTest, ArithmeticAndProducts) {
  const dv_Vector a(1, 2, 3), b(4, -5, 6);
  expectNear(a + b, dv_Vector(5, -3, 9));
  expectNear(a - b, dv_Vector(-3, 7, -3));
  expectNear(2.0 * a, a * 2.0);
  expectNear(a / 2.0, dv_Vector(0.5, 1, 1.5));
  expectNear(-a, dv_Vector(-1, -2, -3));
  EXPECT_DOUBLE_EQ(dv_Dot(a, b), 4 - 10 + 18);
  expectNear(dv_Cross(a, b), dv_Vector(2 * 6 - 3 * -5, 3 * 4 - 1 * 6, 1 * -5 - 2 * 4));
  EXPECT_DOUBLE_EQ(a.squaredLength(), 14.0);
}

TEST(VectorTest, ProjectAndPerpendicular) {
  const dv_Vector v(3, 4, 5);
  expectNear(v.project(dv_Vector(0, 2, 0)), dv_Vector(0, 4, 0));
  expectNear(v.perpendicular(dv_Vector(0, 2, 0)), dv_Vector(3, 0, 5));
  expectNear(v.project(dv_Vector(1e-5, 0, 0)), dv_Vector(0, 0, 0));  // squared 1e-10 < 1e-8
}

TEST(VectorTest, EqualityAndOrderUseTheTolerance) {
  const dv_Vector a(1, 2, 3), b(1, 2, 3 + 1e-13);
  EXPECT_TRUE(a == b);
  EXPECT_FALSE(a < b);
  EXPECT_FALSE(b < a);
  EXPECT_TRUE(a <= b && a >= b);
  const dv_Vector c(1, 2 + 1e-6, 0);
  EXPECT_TRUE(a != c);
  EXPECT_TRUE(a < c);
  EXPECT_TRUE(c > a);
  EXPECT_FALSE(a >= c);
}

TEST(VectorTest, HVectorAssignmentAndEquality) {
  dv_HVector h(1, 2, 3, 0);
  h = dv_Vector(4, 5, 6);
  EXPECT_DOUBLE_EQ(h.w, 1.0);
  h.makeDirection();
  EXPECT_DOUBLE_EQ(h.getW(), 0.0);
  EXPECT_FALSE(h == dv_HVector(4, 5, 6, 1));
  EXPECT_TRUE(h == dv_HVector(4, 5, 6, 1e-13));
  EXPECT_DOUBLE_EQ(dv_Dot4(dv_HVector(1, 2, 3, 4), dv_HVector(1, 1, 1, 2)), 14.0);
  h.init();
  EXPECT_TRUE(h == dv_HVector(0, 0, 0, 1));
  dv_Vector& base = h;
  base.set(7, 8, 9);  // virtual: the point form keeps w = 1
  EXPECT_DOUBLE_EQ(h.w, 1.0);
  const dv_FloatVector f = dv_Vector(0.5, 1.5, 2.5).toFloat();
  expectNear(dv_Vector(f), dv_Vector(0.5, 1.5, 2.5));
}

TEST(VectorTest, PrintTexts) {
  ReportCapture capture;
  dv_Vector(1, 2.5, -3).Print();
  dv_Vector(1, 2, 3).Print("v");
  dv_HVector(1, 2, 3, 0).Print();
  dv_HVector(1, 2, 3, 1).Print("p");
  dv_Angle(1, 2, 3).Print();
  dv_Angle(0.5, 0, 0).Print("a");
  EXPECT_EQ(capture.take(),
            (std::vector<std::string>{
                "Vector = (1, 2.5, -3)", "Vector[v] = (1, 2, 3)", "HVector = (1, 2, 3, 0)", "HVector(p) = (1, 2, 3, 1)",
                ReportCapture::located("dv_Angle", "Print", 1, "Angle = (1, 2, 3)"),
                ReportCapture::located("dv_Angle", "Print", 2, "Angle(a) = (0.500000, 0.000000, 0.000000)\n")}));
}

TEST(AngleTest, SumsWrapByOnePi) {
  struct Case {
    double a, b, expected;
  };
  for (const Case c : {Case{3, 1, 4 - kPi}, Case{-3, -1, -4 + kPi}, Case{1, 1, 2}, Case{kPi, 0, kPi}}) {
    dv_Angle angle(c.a, c.a, c.a);
    angle += dv_Angle(c.b, c.b, c.b);
    EXPECT_DOUBLE_EQ(angle.h, c.expected);
    EXPECT_DOUBLE_EQ(angle.p, c.expected);
    EXPECT_DOUBLE_EQ(angle.b, c.expected);
  }
}

TEST(OrientationTest, HeadingAndPitchOfTheAxes) {
  struct Case {
    dv_Vector direction;
    double h, p;
  };
  for (const Case& c : {Case{{0, 0, -1}, 0, 0}, Case{{1, 0, 0}, kPi / 2, 0}, Case{{-1, 0, 0}, -kPi / 2, 0},
                        Case{{0, 1, 0}, 0, kPi / 2}, Case{{0, -2, 0}, 0, -kPi / 2}, Case{{0, 0, 1}, kPi, 0}}) {
    dv_Angle angle(9, 9, 9);
    ASSERT_TRUE(dv_HeadPitchFromVector(c.direction, "X", angle));
    EXPECT_NEAR(angle.h, c.h, 1e-12);
    EXPECT_NEAR(angle.p, c.p, 1e-12);
    EXPECT_DOUBLE_EQ(angle.b, 9.0);
  }
}

TEST(OrientationTest, ZeroDirectionIsReported) {
  ReportCapture capture;
  dv_Angle angle(1, 2, 3);
  EXPECT_FALSE(dv_HeadPitchFromVector(dv_Vector(), "dv_Quaternion", angle));
  expectNear(angle, dv_Angle(1, 2, 3));
  EXPECT_EQ(capture.take(), std::vector<std::string>{
                                ReportCapture::located("dv_Quaternion", "VectorToHeadPitch", 1, "Zero Vector Error.")});
}

TEST(OrientationTest, CalcCosine) {
  ReportCapture capture;
  EXPECT_NEAR(dv_CalcCosine(dv_Vector(2, 0, 0), dv_Vector(1, 1, 0)), std::sqrt(0.5), 1e-12);
  EXPECT_EQ(dv_CalcCosine(dv_Vector(), dv_Vector(1, 0, 0)), 0.0);
  EXPECT_EQ(capture.take(),
            std::vector<std::string>{ReportCapture::located("Function", "dv_CalcCosine", 1, "Zero Vector Error")});
}

}  // namespace
