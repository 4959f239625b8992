// Quaternion (s; v). The default value is all zero, not the identity
// rotation. Operations that produce a new quaternion return it by value.
#pragma once

#include "toolkit/dv_Angle.h"
#include "toolkit/dv_Matrix.h"
#include "toolkit/dv_Vector.h"

struct dv_Quaternion {
  double s = 0.0;
  dv_Vector v;

  dv_Quaternion() = default;
  dv_Quaternion(double s, double x, double y, double z) : s(s), v(x, y, z) {}
  dv_Quaternion(double s, const dv_Vector& v) : s(s), v(v) {}

  void set(double ns, double x, double y, double z);
  void set(double ns, const dv_Vector& nv);
  void init() { set(0.0, 0.0, 0.0, 0.0); }

  // Rotation by theta about the axis; false and unchanged for a zero axis.
  bool setAxisRotation(double theta, const dv_Vector& axis);
  bool setAxisRotation(double theta, double x, double y, double z);
  // Qy(-h) * Qx(p) * Qz(-b).
  void setEuler(double h, double p, double b);
  void setEuler(const dv_Angle& a) { setEuler(a.h, a.p, a.b); }
  dv_Angle toAngle() const;
  dv_Matrix toMatrix() const;

  double squaredNorm() const { return s * s + dv_Dot(v, v); }
  double norm() const;
  bool normalize();
  dv_Quaternion conj() const { return dv_Quaternion(s, -v); }
  dv_Quaternion operator-() const { return dv_Quaternion(-s, -v); }
  // In place; false and unchanged when the norm is (near) zero.
  bool inverse();
  // The inverse, or an unchanged copy when there is none.
  dv_Quaternion getInverse() const;

  dv_Quaternion& operator*=(const dv_Quaternion& r);
  dv_Quaternion& operator+=(const dv_Quaternion& r);
  dv_Quaternion& operator-=(const dv_Quaternion& r);
  dv_Quaternion& operator*=(double k);
  dv_Quaternion& operator/=(double k);
};

dv_Quaternion operator*(const dv_Quaternion& a, const dv_Quaternion& b);
dv_Quaternion operator+(const dv_Quaternion& a, const dv_Quaternion& b);
dv_Quaternion operator-(const dv_Quaternion& a, const dv_Quaternion& b);
dv_Quaternion operator*(const dv_Quaternion& a, double k);
dv_Quaternion operator*(double k, const dv_Quaternion& a);
dv_Quaternion operator/(const dv_Quaternion& a, double k);
// Rotates w by q; q is not normalised first.
dv_Vector operator*(const dv_Quaternion& q, const dv_Vector& w);
bool operator==(const dv_Quaternion& a, const dv_Quaternion& b);
bool operator!=(const dv_Quaternion& a, const dv_Quaternion& b);
double dv_Dot(const dv_Quaternion& a, const dv_Quaternion& b);

dv_Quaternion dv_QuatLerp(const dv_Quaternion& q1, const dv_Quaternion& q2, double t);
dv_Quaternion dv_QuatSlerp(const dv_Quaternion& q1, const dv_Quaternion& q2, double t);
