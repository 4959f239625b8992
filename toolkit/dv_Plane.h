// A plane as a base point, two in-plane directions and a normal.
#pragma once

#include "toolkit/dv_Vector.h"

struct dv_Plane {
  dv_Vector base{0.0, 0.0, 0.0};
  dv_Vector uVec{1.0, 0.0, 0.0};
  dv_Vector vVec{0.0, 1.0, 0.0};
  dv_Vector normal{0.0, 0.0, 1.0};
  // base . normal, recomputed lazily after a setter cleared distValid.
  double dist = 0.0;
  bool distValid = false;

  bool setFromPointNormal(const dv_Vector& point, const dv_Vector& n);
  bool setFromThreePoints(const dv_Vector& p1, const dv_Vector& p2, const dv_Vector& p3);
  bool setFromPointAxes(const dv_Vector& point, const dv_Vector& u, const dv_Vector& v);

  const dv_Vector& getBase() const { return base; }
  const dv_Vector& getUVec() const { return uVec; }
  const dv_Vector& getVVec() const { return vVec; }
  const dv_Vector& getNormal() const { return normal; }

  dv_Vector pointAt(double a, double b) const { return base + a * uVec + b * vVec; }
  double distanceTo(const dv_Vector& point) const;
  double distanceToOrigin() const;
  bool isParallelTo(const dv_Vector& v) const;
  bool isPerpendicularTo(const dv_Vector& v) const;
  bool isParallelPlane(const dv_Plane& other) const;
  bool isPerpendicularPlane(const dv_Plane& other) const;

  // The line through p1 and p2; false when it runs parallel to the plane.
  bool intersectLineParam(const dv_Vector& p1, const dv_Vector& p2, double& t);
  bool intersectLine(const dv_Vector& p1, const dv_Vector& p2, dv_Vector& point);
  bool intersectLineFull(const dv_Vector& p1, const dv_Vector& p2, dv_Vector& point, double& u, double& v,
                         double& t) const;
  bool intersectLineUV(const dv_Vector& p1, const dv_Vector& p2, double& u, double& v) const;
};
