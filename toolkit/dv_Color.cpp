#include "toolkit/dv_Color.h"

#include <cmath>

#include "toolkit/dv_Report.h"

namespace {

bool inRange(double v) { return v >= -0.0001 && v <= 1.0001; }

}  // namespace

dv_Color::dv_Color(double r, double g, double b, double a) : dv_BaseObject(dv_ObjectType::Color) { init(r, g, b, a); }

bool dv_Color::init(double r, double g, double b, double a) {
  if (!inRange(r) || !inRange(g) || !inRange(b) || !inRange(a)) {
    dv_ReportError("dv_Color", "init", 1, "Color Value Error,");
    return false;
  }
  r_ = static_cast<float>(r);
  g_ = static_cast<float>(g);
  b_ = static_cast<float>(b);
  a_ = static_cast<float>(a);
  return true;
}

bool operator==(const dv_Color& x, const dv_Color& y) {
  return std::fabs(x.getR() - y.getR()) < 0.0001f && std::fabs(x.getG() - y.getG()) < 0.0001f &&
         std::fabs(x.getB() - y.getB()) < 0.0001f && std::fabs(x.getA() - y.getA()) < 0.0001f;
}

bool operator!=(const dv_Color& x, const dv_Color& y) { return !(x == y); }
