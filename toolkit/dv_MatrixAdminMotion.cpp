// Rotations and scales of dv_MatrixAdmin.
#include <cmath>

#include "toolkit/dv_MatrixAdmin.h"
#include "toolkit/dv_Orientation.h"
#include "toolkit/dv_Report.h"

namespace {

constexpr const char* kClass = "dv_MatrixAdmin";

}  // namespace

void dv_MatrixAdmin::applyRotation(dv_Matrix m, int flags) {
  if (flags & Local) {
    if (flags & WithVec) {
      m = baseMatrix_ * m * baseMatrix_.getRigidInverse();
    } else {
      const dv_Matrix g = getMatrix();
      m = g * m * g.getInverse();
    }
  }
  position_ = dv_HVector((m * position_).xyz(), 1.0);
  if (flags & WithVec) {
    vec_ = dv_HVector((m * dv_HVector(vec_.xyz(), 0.0)).xyz(), 0.0);
    upvec_ = dv_HVector((m * dv_HVector(upvec_.xyz(), 0.0)).xyz(), 0.0);
    angleFromVectors();
  }
  rebuild();
}

bool dv_MatrixAdmin::rotateAxis(const char*, const dv_Vector& origin, int axis, double theta, int flags) {
  if (axis < 0 || axis > 2) return false;
  applyRotation(dv_TranslationMatrix(origin) * dv_RotationMatrix(theta, axis) * dv_TranslationMatrix(-origin), flags);
  return true;
}

bool dv_MatrixAdmin::rotateLine(const char* function, int code, const dv_Vector& a, const dv_Vector& b, double theta,
                                int flags) {
  if (a == b) {
    dv_ReportError(kClass, function, code, "Zero-Vector Defined.");
    return false;
  }
  dv_Angle line;
  if (!dv_HeadPitchFromVector(b - a, kClass, line)) return false;
  // Turn the line onto the view axis, bank by theta about it, turn back.
  const dv_Matrix toLine = dv_EulerMatrix(dv_Angle(line.h, line.p, 0.0));
  applyRotation(dv_TranslationMatrix(a) * dv_EulerMatrix(dv_Angle(line.h, line.p, theta)) * toLine.getRigidInverse() *
                    dv_TranslationMatrix(-a),
                flags);
  return true;
}

#define DV_ROTATION_FAMILY(NAME, FLAGS)                                                                       \
  bool dv_MatrixAdmin::NAME(const dv_Vector& origin, int axis, double theta) {                                \
    return rotateAxis(#NAME, origin, axis, theta, FLAGS);                                                     \
  }                                                                                                           \
  bool dv_MatrixAdmin::NAME(double x, double y, double z, int axis, double theta) {                           \
    return rotateAxis(#NAME, dv_Vector(x, y, z), axis, theta, FLAGS);                                         \
  }                                                                                                           \
  bool dv_MatrixAdmin::NAME(const dv_Vector& a, const dv_Vector& b, double theta) {                           \
    return rotateLine(#NAME, 1, a, b, theta, FLAGS);                                                          \
  }                                                                                                           \
  bool dv_MatrixAdmin::NAME(double ax, double ay, double az, double bx, double by, double bz, double theta) { \
    return rotateLine(#NAME, 2, dv_Vector(ax, ay, az), dv_Vector(bx, by, bz), theta, FLAGS);                  \
  }

DV_ROTATION_FAMILY(glRotate, Global)
DV_ROTATION_FAMILY(loRotate, Local)
DV_ROTATION_FAMILY(glRotateWithVec, Global | WithVec)
DV_ROTATION_FAMILY(loRotateWithVec, Local | WithVec)

#undef DV_ROTATION_FAMILY

namespace {

bool tooSmall(double s) { return std::fabs(s) < 1e-8; }
bool nearOne(double s) { return std::fabs(s - 1.0) <= 1e-12; }

}  // namespace

bool dv_MatrixAdmin::storeScale(double scale, double x, double y, double z) {
  scale_ = scale;
  xScale_ = x;
  yScale_ = y;
  zScale_ = z;
  scaled_ = !(nearOne(scale_) && nearOne(xScale_) && nearOne(yScale_) && nearOne(zScale_));
  rebuild();
  return true;
}

bool dv_MatrixAdmin::setScale(double s) {
  if (tooSmall(s)) {
    dv_ReportError(kClass, "setScale", 1, "Zero Scale Error.");
    return false;
  }
  return storeScale(s, xScale_, yScale_, zScale_);
}

bool dv_MatrixAdmin::setScale(double s, int axis) {
  if (axis < 0 || axis > 2) return false;
  if (tooSmall(s)) {
    dv_ReportError(kClass, "setScale", 2, "Zero Scale Error.");
    return false;
  }
  return storeScale(scale_, axis == 0 ? s : xScale_, axis == 1 ? s : yScale_, axis == 2 ? s : zScale_);
}

bool dv_MatrixAdmin::setScale(double x, double y, double z) {
  if (tooSmall(x) || tooSmall(y) || tooSmall(z)) {
    dv_ReportError(kClass, "setScale", 3, "Zero Scale Error.");
    return false;
  }
  return storeScale(scale_, x, y, z);
}

bool dv_MatrixAdmin::prdScale(double s) {
  if (tooSmall(scale_ * s)) {
    dv_ReportError(kClass, "prdScale", 1, "Zero Scale Error.");
    return false;
  }
  return storeScale(scale_ * s, xScale_, yScale_, zScale_);
}

bool dv_MatrixAdmin::prdScale(double s, int axis) {
  if (axis < 0 || axis > 2) return false;
  if (tooSmall(getScale(axis) * s)) {
    dv_ReportError(kClass, "prdScale", 2, "Zero Scale Error.");
    return false;
  }
  return storeScale(scale_, axis == 0 ? xScale_ * s : xScale_, axis == 1 ? yScale_ * s : yScale_,
                    axis == 2 ? zScale_ * s : zScale_);
}

bool dv_MatrixAdmin::prdScale(double x, double y, double z) {
  if (tooSmall(xScale_ * x) || tooSmall(yScale_ * y) || tooSmall(zScale_ * z)) {
    dv_ReportError(kClass, "prdScale", 3, "Zero Scale Error.");
    return false;
  }
  return storeScale(scale_, xScale_ * x, yScale_ * y, zScale_ * z);
}
