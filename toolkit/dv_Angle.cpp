#include "toolkit/dv_Angle.h"

#include <numbers>

#include "toolkit/dv_Report.h"

namespace {

// Only one correction of pi (not 2 pi) is applied: that is how the toolkit
// has always folded summed angles, and callers rely on the exact values.
double wrapSum(double sum) {
  if (sum < -std::numbers::pi) return sum + std::numbers::pi;
  if (sum > std::numbers::pi) return sum - std::numbers::pi;
  return sum;
}

}  // namespace

void dv_Angle::set(double nh, double np, double nb) {
  h = nh;
  p = np;
  b = nb;
}

dv_Angle& dv_Angle::operator+=(const dv_Angle& o) {
  h = wrapSum(h + o.h);
  p = wrapSum(p + o.p);
  b = wrapSum(b + o.b);
  return *this;
}

void dv_Angle::Print() const { dv_ReportError("dv_Angle", "Print", 1, dv_Format("Angle = (%g, %g, %g)", h, p, b)); }

void dv_Angle::Print(const std::string& tag) const {
  dv_ReportError("dv_Angle", "Print", 2, dv_Format("Angle(%s) = (%f, %f, %f)\n", tag.c_str(), h, p, b));
}
