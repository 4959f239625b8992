#include "toolkit/dv_Perspective.h"

#include <numbers>

#include "toolkit/dv_Report.h"

dv_Perspective::dv_Perspective(double fovy, double zNear, double zFar) : dv_Projection(dv_ObjectType::Perspective) {
  setParameters(fovy, zNear, zFar);
}

bool dv_Perspective::setFovy(double fovy) {
  if (!(fovy > 0.0 && fovy <= std::numbers::pi)) {
    dv_ReportError("dv_Perspective", "setFovy", 1, "Fovy Angle Error.");
    return false;
  }
  fovy_ = fovy;
  return true;
}

bool dv_Perspective::setNear(double zNear) {
  if (!(zNear > 0.0)) {
    dv_ReportError("dv_Perspective", "setNear", 1, "Near Plane Distance Error.");
    return false;
  }
  near_ = zNear;
  return true;
}

bool dv_Perspective::setFar(double zFar) {
  if (!(zFar > 0.0)) {
    dv_ReportError("dv_Perspective", "setFar", 1, "Far Plane Distance Error.");
    return false;
  }
  far_ = zFar;
  return true;
}

bool dv_Perspective::setParameters(double fovy, double zNear, double zFar) {
  const bool fovyOk = setFovy(fovy);
  const bool nearOk = setNear(zNear);
  const bool farOk = setFar(zFar);
  return fovyOk && nearOk && farOk;
}
