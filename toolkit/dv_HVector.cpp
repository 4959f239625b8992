#include "toolkit/dv_HVector.h"

#include <cmath>

#include "toolkit/dv_Report.h"

dv_HVector& dv_HVector::operator=(const dv_Vector& v) {
  x = v.x;
  y = v.y;
  z = v.z;
  w = 1.0;
  return *this;
}

void dv_HVector::set(double nx, double ny, double nz) { set(nx, ny, nz, 1.0); }

void dv_HVector::set(double nx, double ny, double nz, double nw) {
  x = nx;
  y = ny;
  z = nz;
  w = nw;
}

void dv_HVector::init() { set(0.0, 0.0, 0.0, 1.0); }

void dv_HVector::Print(const std::string& tag) const {
  dv_ReportFormatted("HVector(%s) = (%g, %g, %g, %g)", tag.c_str(), x, y, z, w);
}

void dv_HVector::Print() const { dv_ReportFormatted("HVector = (%g, %g, %g, %g)", x, y, z, w); }

double dv_Dot4(const dv_HVector& a, const dv_HVector& b) { return a.x * b.x + a.y * b.y + a.z * b.z + a.w * b.w; }

bool operator==(const dv_HVector& a, const dv_HVector& b) { return a.xyz() == b.xyz() && std::fabs(a.w - b.w) < 1e-12; }

bool operator!=(const dv_HVector& a, const dv_HVector& b) { return !(a == b); }
