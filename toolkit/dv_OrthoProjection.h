// A parallel projection of the box between left and right, bottom and top,
// and the near and far distances along the view direction.
#pragma once

#include "toolkit/dv_Projection.h"

class dv_OrthoProjection : public dv_Projection {
 public:
  dv_OrthoProjection() : dv_Projection(dv_ObjectType::OrthoProjection) {}
  dv_OrthoProjection(double left, double right, double bottom, double top, double zNear, double zFar);

  void setParameters(double left, double right, double bottom, double top, double zNear, double zFar);

  double getLeft() const { return left_; }
  double getRight() const { return right_; }
  double getBottom() const { return bottom_; }
  double getTop() const { return top_; }
  double getNear() const { return near_; }
  double getFar() const { return far_; }

 private:
  double left_ = -500.0;
  double right_ = 500.0;
  double bottom_ = -500.0;
  double top_ = 500.0;
  double near_ = 0.0;
  double far_ = 10000.0;
};
