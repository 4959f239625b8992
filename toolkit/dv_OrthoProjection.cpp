#include "toolkit/dv_OrthoProjection.h"

dv_OrthoProjection::dv_OrthoProjection(double left, double right, double bottom, double top, double zNear, double zFar)
    : dv_Projection(dv_ObjectType::OrthoProjection) {
  setParameters(left, right, bottom, top, zNear, zFar);
}

void dv_OrthoProjection::setParameters(double left, double right, double bottom, double top, double zNear,
                                       double zFar) {
  left_ = left;
  right_ = right;
  bottom_ = bottom;
  top_ = top;
  near_ = zNear;
  far_ = zFar;
}
