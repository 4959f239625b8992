#include "toolkit/dv_Orientation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "toolkit/dv_Report.h"

bool dv_HeadPitchFromVector(const dv_Vector& direction, const char* ownerClass, dv_Angle& angle) {
  dv_Vector d = direction;
  if (!d.normalize()) {
    dv_ReportError(ownerClass, "VectorToHeadPitch", 1, "Zero Vector Error.");
    return false;
  }
  // Rounding can leave y a hair beyond 1, where asin has no value.
  angle.p = std::asin(std::clamp(d.y, -1.0, 1.0));
  if (std::fabs(d.z) < 1e-8) {
    if (std::fabs(d.x) < 1e-8)
      angle.h = 0.0;
    else
      angle.h = d.x > 0.0 ? std::numbers::pi / 2.0 : -std::numbers::pi / 2.0;
  } else {
    angle.h = std::atan2(d.x, -d.z);
  }
  return true;
}

double dv_BankFromUp(const dv_Vector& up, double tolerance) {
  if (std::fabs(up.y) < tolerance) {
    if (std::fabs(up.x) < tolerance) return 0.0;
    return up.x > 0.0 ? std::numbers::pi / 2.0 : -std::numbers::pi / 2.0;
  }
  double bank = std::atan2(up.x, up.y);
  if (bank < -std::numbers::pi) bank += std::numbers::pi;
  if (bank > std::numbers::pi) bank -= std::numbers::pi;
  return bank;
}

double dv_CalcCosine(const dv_Vector& a, const dv_Vector& b) {
  dv_Vector na = a;
  dv_Vector nb = b;
  if (!na.normalize() || !nb.normalize()) {
    dv_ReportError("Function", "dv_CalcCosine", 1, "Zero Vector Error");
    return 0.0;
  }
  return dv_Dot(na, nb);
}
