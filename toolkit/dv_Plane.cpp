#include "toolkit/dv_Plane.h"

#include <cmath>

#include "toolkit/dv_Matrix.h"

bool dv_Plane::setFromPointNormal(const dv_Vector& point, const dv_Vector& n) {
  dv_Vector unit = n;
  if (!unit.normalize()) return false;
  base = point;
  normal = unit;
  distValid = false;
  if (std::fabs(normal.z) > 0.99999999) {
    const double sign = normal.z > 0.0 ? 1.0 : -1.0;
    uVec.set(1.0, 0.0, 0.0);
    vVec.set(0.0, sign, 0.0);
    normal.set(0.0, 0.0, sign);
    return true;
  }
  uVec = dv_Cross(normal, dv_Vector(normal.x, normal.y, normal.z + 1.0));
  uVec.normalize();
  vVec = dv_Cross(normal, uVec);
  vVec.normalize();
  return true;
}

bool dv_Plane::setFromThreePoints(const dv_Vector& p1, const dv_Vector& p2, const dv_Vector& p3) {
  dv_Vector a = p2 - p1;
  dv_Vector b = p3 - p1;
  if (dv_Cross(a, b).squaredLength() < 1e-8) return false;
  a.normalize();
  b.normalize();
  base = p1;
  uVec = a;
  vVec = b;
  // vVec need not be perpendicular to uVec, so their cross product is shorter
  // than 1 (its length is the sine of their angle). The toolkit's original
  // formula keeps normal = uVec x vVec as it is; every distance and projection
  // through such a normal comes out scaled by that sine, so the normal is
  // made a unit vector here (see docs/toolkit.md).
  normal = dv_Cross(uVec, vVec);
  normal.normalize();
  distValid = false;
  return true;
}

bool dv_Plane::setFromPointAxes(const dv_Vector& point, const dv_Vector& u, const dv_Vector& v) {
  if (dv_Cross(u, v).squaredLength() < 1e-8) return false;
  dv_Vector nu = u;
  nu.normalize();
  dv_Vector nv = v.perpendicular(nu);
  nv.normalize();
  base = point;
  uVec = nu;
  vVec = nv;
  normal = dv_Cross(uVec, vVec);
  distValid = false;
  return true;
}

double dv_Plane::distanceTo(const dv_Vector& point) const { return std::fabs(dv_Dot(point - base, normal)); }

double dv_Plane::distanceToOrigin() const { return std::fabs(dv_Dot(base, normal)); }

bool dv_Plane::isParallelTo(const dv_Vector& v) const { return std::fabs(dv_Dot(normal, v)) < 1e-8; }

bool dv_Plane::isPerpendicularTo(const dv_Vector& v) const { return dv_Cross(normal, v).squaredLength() < 1e-8; }

bool dv_Plane::isParallelPlane(const dv_Plane& other) const {
  return dv_Cross(normal, other.normal).squaredLength() < 1e-8;
}

bool dv_Plane::isPerpendicularPlane(const dv_Plane& other) const {
  return std::fabs(dv_Dot(normal, other.normal)) < 1e-8;
}

bool dv_Plane::intersectLineParam(const dv_Vector& p1, const dv_Vector& p2, double& t) {
  const double denominator = dv_Dot(normal, p2 - p1);
  if (std::fabs(denominator) < 1e-8) return false;
  if (!distValid) {
    dist = dv_Dot(base, normal);
    distValid = true;
  }
  t = (dist - dv_Dot(normal, p1)) / denominator;
  return true;
}

bool dv_Plane::intersectLine(const dv_Vector& p1, const dv_Vector& p2, dv_Vector& point) {
  double t = 0.0;
  if (!intersectLineParam(p1, p2, t)) return false;
  point = (1.0 - t) * p1 + t * p2;
  return true;
}

bool dv_Plane::intersectLineFull(const dv_Vector& p1, const dv_Vector& p2, dv_Vector& point, double& u, double& v,
                                 double& t) const {
  const dv_Vector along = p1 - p2;
  if (std::fabs(dv_Dot(normal, along)) < 1e-8) return false;
  // Solve base + u * uVec + v * vVec = p1 + t * (p2 - p1) for (u, v, t).
  dv_Matrix m;
  const dv_Vector columns[3] = {uVec, vVec, along};
  for (int c = 0; c < 3; ++c) {
    m.m[0][c] = columns[c].x;
    m.m[1][c] = columns[c].y;
    m.m[2][c] = columns[c].z;
  }
  if (!m.inverse()) return false;
  const dv_Vector rhs = p1 - base;
  dv_Vector solution;
  solution.x = m.m[0][0] * rhs.x + m.m[0][1] * rhs.y + m.m[0][2] * rhs.z;
  solution.y = m.m[1][0] * rhs.x + m.m[1][1] * rhs.y + m.m[1][2] * rhs.z;
  solution.z = m.m[2][0] * rhs.x + m.m[2][1] * rhs.y + m.m[2][2] * rhs.z;
  u = solution.x;
  v = solution.y;
  t = solution.z;
  point = pointAt(u, v);
  return true;
}

bool dv_Plane::intersectLineUV(const dv_Vector& p1, const dv_Vector& p2, double& u, double& v) const {
  dv_Vector point;
  double t = 0.0;
  return intersectLineFull(p1, p2, point, u, v, t);
}
