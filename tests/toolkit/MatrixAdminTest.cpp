#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

#include "tests/toolkit/MathExpect.h"
#include "tests/toolkit/ReportCapture.h"
#include "toolkit/dv_MatrixAdmin.h"

namespace {

constexpr double kPi = std::numbers::pi;

// The stored vectors and matrix must always follow from the angle and position.
void expectConsistent(const dv_MatrixAdmin& a) {
  const dv_Matrix e = dv_EulerMatrix(a.getAngle());
  expectNear(a.getDirection(), e * dv_Vector(0, 0, -1));
  expectNear(a.getUp(), e * dv_Vector(0, 1, 0));
  expectNear(a.getBaseMatrix(), dv_TranslationMatrix(a.getPosition()) * e);
}

// Rotation of p by theta about the directed line through a with direction d.
dv_Vector rodrigues(const dv_Vector& p, const dv_Vector& a, dv_Vector d, double theta) {
  d.normalize();
  const dv_Vector v = p - a;
  return a + std::cos(theta) * v + std::sin(theta) * dv_Cross(d, v) + (1 - std::cos(theta)) * dv_Dot(d, v) * d;
}

TEST(MatrixAdminTest, ScaleTogglesScaled) {
  dv_MatrixAdmin a;
  a.glSetPosition(1, 2, 3);
  EXPECT_FALSE(a.isScaled());
  ASSERT_TRUE(a.setScale(2));
  EXPECT_TRUE(a.isScaled());
  expectNear(a.getMatrix() * dv_Vector(1, 0, 0), dv_Vector(3, 2, 3));
  ASSERT_TRUE(a.setScale(1));
  EXPECT_FALSE(a.isScaled());
  EXPECT_TRUE(a.getMatrix() == a.getBaseMatrix());
  ASSERT_TRUE(a.setScale(3, 1));
  ASSERT_TRUE(a.prdScale(2, 1));
  EXPECT_DOUBLE_EQ(a.getScale(1), 6);
  ASSERT_TRUE(a.setScale(1, 1, 1));
  EXPECT_FALSE(a.isScaled());
  ASSERT_TRUE(a.prdScale(0.5, 4, 1));
  expectNear(a.getMatrix() * dv_Vector(2, 1, 0), dv_Vector(2, 6, 3));
  expectNear(a.getInvMatrix() * dv_Vector(2, 6, 3), dv_Vector(2, 1, 0));
}

TEST(MatrixAdminTest, ZeroScalesAreRefused) {
  ReportCapture capture;
  dv_MatrixAdmin a;
  a.setScale(2);
  EXPECT_FALSE(a.setScale(1e-9));
  EXPECT_FALSE(a.setScale(0, 2));
  EXPECT_FALSE(a.setScale(1, 0, 1));
  EXPECT_FALSE(a.prdScale(0));
  EXPECT_FALSE(a.prdScale(1e-9, 0));
  EXPECT_FALSE(a.prdScale(1, 1, 0));
  EXPECT_DOUBLE_EQ(a.getScale(), 2);
  const std::string m = "Zero Scale Error.";
  EXPECT_EQ(capture.take(), (std::vector<std::string>{ReportCapture::located("dv_MatrixAdmin", "setScale", 1, m),
                                                      ReportCapture::located("dv_MatrixAdmin", "setScale", 2, m),
                                                      ReportCapture::located("dv_MatrixAdmin", "setScale", 3, m),
                                                      ReportCapture::located("dv_MatrixAdmin", "prdScale", 1, m),
                                                      ReportCapture::located("dv_MatrixAdmin", "prdScale", 2, m),
                                                      ReportCapture::located("dv_MatrixAdmin", "prdScale", 3, m)}));
}

TEST(MatrixAdminTest, FocusAndVec) {
  ReportCapture capture;
  dv_MatrixAdmin a;
  ASSERT_TRUE(a.glFocus(1, 0, 0));
  EXPECT_NEAR(a.getAngle().h, kPi / 2, 1e-12);
  EXPECT_NEAR(a.getAngle().p, 0, 1e-12);
  expectNear(a.getDirection(), dv_Vector(1, 0, 0));
  a.glSetAngle(0.2, 0.1, 0.7);
  ASSERT_TRUE(a.glVec(0, 0, -5));
  expectNear(a.getAngle(), dv_Angle(0, 0, 0.7));  // bank kept
  a.glSetPosition(1, 1, 1);
  EXPECT_FALSE(a.glFocus(1, 1, 1));
  EXPECT_FALSE(a.glVec(0, 0, 0));
  EXPECT_FALSE(a.loFocus(0, 0, 0));
  expectNear(a.getAngle(), dv_Angle(0, 0, 0.7));
  EXPECT_EQ(capture.take(),
            (std::vector<std::string>{ReportCapture::located("dv_MatrixAdmin", "glFocus", 1, "Zero-Vector Defined."),
                                      ReportCapture::located("dv_MatrixAdmin", "glVec", 1, "Zero-Vector Defined."),
                                      ReportCapture::located("dv_MatrixAdmin", "loFocus", 1, "Zero-Vector Defined.")}));
  a.glSetAngle(kPi / 2, 0, 0);
  ASSERT_TRUE(a.loFocus(-1, 0, 0));  // the model's left is global -Z... turned by heading
  expectNear(a.getDirection(), dv_EulerMatrix(dv_Angle(kPi / 2, 0, 0)) * dv_Vector(-1, 0, 0));
  expectConsistent(a);
}

TEST(MatrixAdminTest, UpVector) {
  ReportCapture capture;
  dv_MatrixAdmin a;
  ASSERT_TRUE(a.glUpvec(1, 1, 0));
  EXPECT_NEAR(a.getAngle().b, kPi / 4, 1e-12);
  expectConsistent(a);
  EXPECT_FALSE(a.glUpvec(0, 0, -3));
  EXPECT_FALSE(a.glUpvec(0, 0, 0));
  EXPECT_FALSE(a.loUpvec(0, 0, 0));
  EXPECT_FALSE(a.loUpvec(0, 0, 1));
  EXPECT_NEAR(a.getAngle().b, kPi / 4, 1e-12);
  EXPECT_EQ(capture.take(), (std::vector<std::string>{
                                ReportCapture::located("dv_MatrixAdmin", "glUpvec", 2, "Up Vector Parallel Error."),
                                ReportCapture::located("dv_MatrixAdmin", "glUpvec", 1, "Zero-Vector Defined."),
                                ReportCapture::located("dv_MatrixAdmin", "loUpvec", 1, "UpVector Undefined Error."),
                                ReportCapture::located("dv_MatrixAdmin", "loUpvec", 2, "Up Vector Parallel Error.")}));
  dv_MatrixAdmin b;
  b.glSetAngle(kPi / 2, 0, 0);
  ASSERT_TRUE(b.loUpvec(-1, 1, 0));  // a local bank of pi/4 to the left
  EXPECT_NEAR(b.getAngle().h, kPi / 2, 1e-12);
  EXPECT_NEAR(b.getAngle().b, -kPi / 4, 1e-12);
}

TEST(MatrixAdminTest, ShiftsAndAngles) {
  dv_MatrixAdmin a;
  a.glSetAngle(kPi / 2, 0, 0);
  a.loShift(0, 0, -2);  // forward
  expectNear(a.getPosition(), dv_Vector(2, 0, 0));
  a.glShift(dv_Vector(0, 1, 0));
  expectNear(a.getPosition(), dv_Vector(2, 1, 0));
  a.loSetAngle(-kPi / 4, 0, 0);
  expectNear(a.getAngle(), dv_Angle(kPi / 4, 0, 0));
  a.loSetAngle(0, 0.3, 0);
  expectNear(a.getAngle(), dv_Angle(kPi / 4, 0.3, 0));
  expectConsistent(a);
}

TEST(MatrixAdminTest, RotationsAboutAGlobalAxis) {
  dv_MatrixAdmin a;
  a.glSetPosition(1, 0, 0);
  ASSERT_TRUE(a.glRotate(dv_Vector(0, 0, 0), 1, kPi / 2));
  expectNear(a.getPosition(), dv_Vector(0, 0, -1));
  expectNear(a.getAngle(), dv_Angle());
  dv_MatrixAdmin b;
  b.glSetPosition(1, 0, 0);
  ASSERT_TRUE(b.glRotateWithVec(0, 0, 0, 1, kPi / 2));
  expectNear(b.getPosition(), dv_Vector(0, 0, -1));
  expectNear(b.getDirection(), dv_Vector(-1, 0, 0));
  expectConsistent(b);
  EXPECT_FALSE(b.glRotate(dv_Vector(), 3, 1.0));
}

TEST(MatrixAdminTest, RotationsAboutALine) {
  std::mt19937 rng(11);
  std::uniform_real_distribution<double> coord(-3, 3);
  for (int n = 0; n < 50; ++n) {
    const dv_Vector p(coord(rng), coord(rng), coord(rng));
    const dv_Vector a(coord(rng), coord(rng), coord(rng));
    const dv_Vector b(coord(rng), coord(rng), coord(rng));
    const double theta = coord(rng);
    dv_MatrixAdmin m;
    m.glSetPosition(p);
    ASSERT_TRUE(m.glRotate(a, b, theta));
    expectNear(m.getPosition(), rodrigues(p, a, b - a, theta), 1e-9);
    dv_MatrixAdmin w;
    w.glSetPosition(p);
    ASSERT_TRUE(w.glRotateWithVec(a.x, a.y, a.z, b.x, b.y, b.z, theta));
    expectNear(w.getDirection(), rodrigues(dv_Vector(0, 0, -1), dv_Vector(), b - a, theta));
    expectConsistent(w);
  }
}

TEST(MatrixAdminTest, LineRotationNeedsTwoPoints) {
  ReportCapture capture;
  dv_MatrixAdmin a;
  EXPECT_FALSE(a.glRotate(dv_Vector(1, 1, 1), dv_Vector(1, 1, 1), 1.0));
  EXPECT_FALSE(a.loRotateWithVec(0, 0, 0, 0, 0, 0, 1.0));
  EXPECT_EQ(capture.take(),
            (std::vector<std::string>{
                ReportCapture::located("dv_MatrixAdmin", "glRotate", 1, "Zero-Vector Defined."),
                ReportCapture::located("dv_MatrixAdmin", "loRotateWithVec", 2, "Zero-Vector Defined.")}));
}

TEST(MatrixAdminTest, LocalRotationsUseTheModelFrame) {
  // Local (-0.5, 0, 0) of a model at (1, 0, 0) scaled by 2 is the global origin.
  dv_MatrixAdmin scaled;
  scaled.glSetPosition(1, 0, 0);
  scaled.setScale(2);
  ASSERT_TRUE(scaled.loRotate(dv_Vector(-0.5, 0, 0), 1, kPi / 2));
  expectNear(scaled.getPosition(), dv_Vector(0, 0, -1));
  // Without scale, a model turned by heading pi/2 has its local +Z along global -X.
  dv_MatrixAdmin turned;
  turned.glSetAngle(kPi / 2, 0, 0);
  turned.glSetPosition(1, 0, 0);
  ASSERT_TRUE(turned.loRotateWithVec(dv_Vector(0, 0, 1), 1, kPi));
  expectNear(turned.getPosition(), dv_Vector(-1, 0, 0));
  expectNear(turned.getDirection(), dv_Vector(-1, 0, 0));
  expectConsistent(turned);
}

}  // namespace
