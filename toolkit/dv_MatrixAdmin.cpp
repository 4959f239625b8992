#include "toolkit/dv_MatrixAdmin.h"

#include <cmath>

#include "toolkit/dv_Orientation.h"
#include "toolkit/dv_Report.h"

namespace {

constexpr const char* kClass = "dv_MatrixAdmin";

}  // namespace

dv_MatrixAdmin::dv_MatrixAdmin(int type) : dv_BaseObject(type) { rebuild(); }

double dv_MatrixAdmin::getScale(int axis) const {
  switch (axis) {
    case 0: return xScale_;
    case 1: return yScale_;
    case 2: return zScale_;
    default: return 0.0;
  }
}

dv_Matrix dv_MatrixAdmin::getMatrix() const {
  if (!scaled_) return baseMatrix_;
  return baseMatrix_ * dv_ScalingMatrix(scale_ * xScale_, scale_ * yScale_, scale_ * zScale_);
}

dv_Matrix dv_MatrixAdmin::getInvMatrix() const { return getMatrix().getInverse(); }

void dv_MatrixAdmin::rebuild() { baseMatrix_ = dv_TranslationMatrix(position_.xyz()) * dv_EulerMatrix(angle_); }

void dv_MatrixAdmin::vectorsFromAngle() {
  const dv_Matrix e = dv_EulerMatrix(angle_);
  vec_ = dv_HVector(e * dv_Vector(0.0, 0.0, -1.0), 0.0);
  upvec_ = dv_HVector(e * dv_Vector(0.0, 1.0, 0.0), 0.0);
}

// Derives the angle from vec and upvec, then rebuilds both from the angle so
// that they stay a unit, perpendicular pair.
bool dv_MatrixAdmin::angleFromVectors() {
  dv_Angle a = angle_;
  if (!dv_HeadPitchFromVector(vec_.xyz(), kClass, a)) return false;
  const dv_Matrix undo = dv_RotationMatrix(-a.p, 0) * dv_RotationMatrix(a.h, 1);
  a.b = dv_BankFromUp(undo * upvec_.xyz(), 1e-8);
  angle_ = a;
  vectorsFromAngle();
  return true;
}

void dv_MatrixAdmin::placeFrom(const dv_Matrix& e) {
  position_ = dv_HVector((e * dv_HVector(0.0, 0.0, 0.0, 1.0)).xyz(), 1.0);
  vec_ = dv_HVector((e * dv_HVector(0.0, 0.0, -1.0, 0.0)).xyz(), 0.0);
  upvec_ = dv_HVector((e * dv_HVector(0.0, 1.0, 0.0, 0.0)).xyz(), 0.0);
  angleFromVectors();
  rebuild();
}

void dv_MatrixAdmin::restorePlacement(const dv_Vector& position, const dv_Angle& angle) {
  position_ = dv_HVector(position, 1.0);
  angle_ = angle;
  vectorsFromAngle();
  rebuild();
}

bool dv_MatrixAdmin::glSetPosition(double x, double y, double z) { return glSetPosition(dv_Vector(x, y, z)); }

bool dv_MatrixAdmin::glSetPosition(const dv_Vector& p) {
  position_ = dv_HVector(p, 1.0);
  rebuild();
  return true;
}

bool dv_MatrixAdmin::glShift(double x, double y, double z) { return glShift(dv_Vector(x, y, z)); }

bool dv_MatrixAdmin::glShift(const dv_Vector& v) { return glSetPosition(position_.xyz() + v); }

bool dv_MatrixAdmin::loShift(double x, double y, double z) { return loShift(dv_Vector(x, y, z)); }

bool dv_MatrixAdmin::loShift(const dv_Vector& v) { return glShift(dv_EulerMatrix(angle_) * v); }

bool dv_MatrixAdmin::glSetAngle(double h, double p, double b) { return glSetAngle(dv_Angle(h, p, b)); }

bool dv_MatrixAdmin::glSetAngle(const dv_Angle& a) {
  angle_ = a;
  vectorsFromAngle();
  rebuild();
  return true;
}

bool dv_MatrixAdmin::loSetAngle(double h, double p, double b) { return loSetAngle(dv_Angle(h, p, b)); }

bool dv_MatrixAdmin::loSetAngle(const dv_Angle& a) {
  const dv_Matrix turn = dv_EulerMatrix(angle_) * dv_EulerMatrix(a);
  vec_ = dv_HVector(turn * dv_Vector(0.0, 0.0, -1.0), 0.0);
  upvec_ = dv_HVector(turn * dv_Vector(0.0, 1.0, 0.0), 0.0);
  angleFromVectors();
  rebuild();
  return true;
}

bool dv_MatrixAdmin::glVec(double x, double y, double z) { return glVec(dv_Vector(x, y, z)); }

bool dv_MatrixAdmin::glVec(const dv_Vector& v) {
  if (v.isZero()) {
    dv_ReportError(kClass, "glVec", 1, "Zero-Vector Defined.");
    return false;
  }
  dv_Angle a = angle_;  // the bank is kept
  if (!dv_HeadPitchFromVector(v, kClass, a)) return false;
  return glSetAngle(a);
}

bool dv_MatrixAdmin::glFocus(double x, double y, double z) { return glFocus(dv_Vector(x, y, z)); }

bool dv_MatrixAdmin::glFocus(const dv_Vector& point) {
  if (point == position_.xyz()) {
    dv_ReportError(kClass, "glFocus", 1, "Zero-Vector Defined.");
    return false;
  }
  return glVec(point - position_.xyz());
}

bool dv_MatrixAdmin::loFocus(double x, double y, double z) { return loFocus(dv_Vector(x, y, z)); }

bool dv_MatrixAdmin::loFocus(const dv_Vector& point) {
  if (point.isZero()) {
    dv_ReportError(kClass, "loFocus", 1, "Zero-Vector Defined.");
    return false;
  }
  dv_Vector direction = dv_EulerMatrix(angle_) * point;
  if (!direction.normalize()) {
    dv_ReportError(kClass, "loFocus", 2, "Vector Undefined Error.");
    return false;
  }
  return glVec(direction);
}

bool dv_MatrixAdmin::acceptUp(const char* function, const dv_Vector& up) {
  dv_Vector n = up;
  n.normalize();
  dv_Vector look = vec_.xyz();
  look.normalize();
  if (std::fabs(dv_Dot(n, look)) > 0.99999999) {
    dv_ReportError(kClass, function, 2, "Up Vector Parallel Error.");
    return false;
  }
  const dv_HVector oldUp = upvec_;
  upvec_ = dv_HVector(n, 0.0);
  if (!angleFromVectors()) {
    upvec_ = oldUp;
    return false;
  }
  rebuild();
  return true;
}

bool dv_MatrixAdmin::glUpvec(double x, double y, double z) { return glUpvec(dv_Vector(x, y, z)); }

bool dv_MatrixAdmin::glUpvec(const dv_Vector& v) {
  if (v.isZero()) {
    dv_ReportError(kClass, "glUpvec", 1, "Zero-Vector Defined.");
    return false;
  }
  return acceptUp("glUpvec", v);
}

bool dv_MatrixAdmin::loUpvec(double x, double y, double z) { return loUpvec(dv_Vector(x, y, z)); }

bool dv_MatrixAdmin::loUpvec(const dv_Vector& v) {
  if (v.isZero()) {
    dv_ReportError(kClass, "loUpvec", 1, "UpVector Undefined Error.");
    return false;
  }
  return acceptUp("loUpvec", dv_EulerMatrix(angle_) * v);
}
