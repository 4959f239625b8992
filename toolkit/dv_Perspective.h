// A perspective projection: vertical field of view (radians) and the
// distances of the near and far clipping planes.
#pragma once

#include "toolkit/dv_Projection.h"

class dv_Perspective : public dv_Projection {
 public:
  static constexpr double DefaultFovy = 0.6981317007977318;  // 40 degrees
  static constexpr double DefaultNear = 1.0;
  static constexpr double DefaultFar = 6000.0;

  dv_Perspective() : dv_Projection(dv_ObjectType::Perspective) {}
  // Each rejected value keeps its default.
  dv_Perspective(double fovy, double zNear, double zFar);

  // Each setter reports and changes nothing for a value out of range:
  // fovy must lie in (0, pi], the distances must be positive.
  bool setFovy(double fovy);
  bool setNear(double zNear);
  bool setFar(double zFar);
  // The three setters in turn; true when all three accepted their value.
  bool setParameters(double fovy, double zNear, double zFar);

  double getFovy() const { return fovy_; }
  double getNear() const { return near_; }
  double getFar() const { return far_; }

 private:
  double fovy_ = DefaultFovy;
  double near_ = DefaultNear;
  double far_ = DefaultFar;
};
