#include "toolkit/dv_Quaternion.h"

#include <algorithm>
#include <cmath>

#include "toolkit/dv_Orientation.h"

void dv_Quaternion::set(double ns, double x, double y, double z) {
  s = ns;
  v.set(x, y, z);
}

void dv_Quaternion::set(double ns, const dv_Vector& nv) {
  s = ns;
  v.set(nv.x, nv.y, nv.z);
}

bool dv_Quaternion::setAxisRotation(double theta, const dv_Vector& axis) {
  const double length = axis.length();
  if (length < 1e-12) return false;
  s = std::cos(theta / 2.0);
  v = axis * (std::sin(theta / 2.0) / length);
  return true;
}

bool dv_Quaternion::setAxisRotation(double theta, double x, double y, double z) {
  return setAxisRotation(theta, dv_Vector(x, y, z));
}

void dv_Quaternion::setEuler(double h, double p, double b) {
  dv_Quaternion qy, qx, qz;
  qy.setAxisRotation(-h, 0.0, 1.0, 0.0);
  qx.setAxisRotation(p, 1.0, 0.0, 0.0);
  qz.setAxisRotation(-b, 0.0, 0.0, 1.0);
  *this = qy * qx * qz;
}

dv_Angle dv_Quaternion::toAngle() const {
  dv_Quaternion unit = *this;
  unit.normalize();
  const dv_Vector direction = unit * dv_Vector(0.0, 0.0, -1.0);
  const dv_Vector up = unit * dv_Vector(0.0, 1.0, 0.0);
  dv_Angle angle;
  if (!dv_HeadPitchFromVector(direction, "dv_Quaternion", angle)) return dv_Angle();
  // Undo heading and pitch; what is left of the up vector is the bank.
  dv_Quaternion undoPitch, undoHeading;
  undoPitch.setAxisRotation(-angle.p, 1.0, 0.0, 0.0);
  undoHeading.setAxisRotation(angle.h, 0.0, 1.0, 0.0);
  angle.b = dv_BankFromUp(undoPitch * undoHeading * up, 1e-12);
  return angle;
}

dv_Matrix dv_Quaternion::toMatrix() const { return dv_EulerMatrix(toAngle()); }

double dv_Quaternion::norm() const { return std::sqrt(squaredNorm()); }

bool dv_Quaternion::normalize() {
  if (squaredNorm() < 1e-12) return false;
  *this /= norm();
  return true;
}

bool dv_Quaternion::inverse() {
  const double n2 = squaredNorm();
  if (n2 < 1e-12) return false;
  *this = conj() / n2;
  return true;
}

dv_Quaternion dv_Quaternion::getInverse() const {
  dv_Quaternion copy = *this;
  copy.inverse();
  return copy;
}

dv_Quaternion& dv_Quaternion::operator*=(const dv_Quaternion& r) { return *this = *this * r; }

dv_Quaternion& dv_Quaternion::operator+=(const dv_Quaternion& r) {
  s += r.s;
  v += r.v;
  return *this;
}

dv_Quaternion& dv_Quaternion::operator-=(const dv_Quaternion& r) {
  s -= r.s;
  v -= r.v;
  return *this;
}

dv_Quaternion& dv_Quaternion::operator*=(double k) {
  s *= k;
  v *= k;
  return *this;
}

dv_Quaternion& dv_Quaternion::operator/=(double k) {
  s /= k;
  v /= k;
  return *this;
}

dv_Quaternion operator*(const dv_Quaternion& a, const dv_Quaternion& b) {
  return dv_Quaternion(a.s * b.s - dv_Dot(a.v, b.v), b.s * a.v + a.s * b.v + dv_Cross(a.v, b.v));
}

dv_Quaternion operator+(const dv_Quaternion& a, const dv_Quaternion& b) { return dv_Quaternion(a.s + b.s, a.v + b.v); }

dv_Quaternion operator-(const dv_Quaternion& a, const dv_Quaternion& b) { return dv_Quaternion(a.s - b.s, a.v - b.v); }

dv_Quaternion operator*(const dv_Quaternion& a, double k) { return dv_Quaternion(a.s * k, a.v * k); }
dv_Quaternion operator*(double k, const dv_Quaternion& a) { return a * k; }
dv_Quaternion operator/(const dv_Quaternion& a, double k) { return dv_Quaternion(a.s / k, a.v / k); }

dv_Vector operator*(const dv_Quaternion& q, const dv_Vector& w) {
  return (q.s * q.s - dv_Dot(q.v, q.v)) * w + 2.0 * q.s * dv_Cross(q.v, w) + 2.0 * dv_Dot(q.v, w) * q.v;
}

bool operator==(const dv_Quaternion& a, const dv_Quaternion& b) { return std::fabs(a.s - b.s) < 1e-12 && a.v == b.v; }

bool operator!=(const dv_Quaternion& a, const dv_Quaternion& b) { return !(a == b); }

double dv_Dot(const dv_Quaternion& a, const dv_Quaternion& b) { return a.s * b.s + dv_Dot(a.v, b.v); }

dv_Quaternion dv_QuatLerp(const dv_Quaternion& q1, const dv_Quaternion& q2, double t) {
  dv_Quaternion q = (1.0 - t) * q1 + t * q2;
  q.normalize();
  return q;
}

dv_Quaternion dv_QuatSlerp(const dv_Quaternion& q1, const dv_Quaternion& q2, double t) {
  if (q2 == q1 || q2 == -q1) return q1;
  // Take the shorter of the two arcs.
  const dv_Quaternion q2Near = dv_Dot(q1, q2) < 0.0 ? -q2 : q2;
  dv_Quaternion n1 = q1;
  dv_Quaternion n2 = q2Near;
  n1.normalize();
  n2.normalize();
  const double theta = std::acos(std::clamp(dv_Dot(n1, n2), -1.0, 1.0));
  const double sinTheta = std::sin(theta);
  if (std::fabs(sinTheta) < 1e-12) return dv_QuatLerp(q1, q2Near, t);
  return q2Near * (std::sin(t * theta) / sinTheta) + q1 * (std::sin((1.0 - t) * theta) / sinTheta);
}
