#include "toolkit/dv_Vector.h"

#include <cmath>

#include "toolkit/dv_Report.h"

dv_Vector& dv_Vector::operator=(const dv_FloatVector& f) {
  x = f.x;
  y = f.y;
  z = f.z;
  return *this;
}

void dv_Vector::set(double nx, double ny, double nz) {
  x = nx;
  y = ny;
  z = nz;
}

void dv_Vector::init() { set(0.0, 0.0, 0.0); }

void dv_Vector::Print(const std::string& tag) const {
  dv_ReportFormatted("Vector[%s] = (%g, %g, %g)", tag.c_str(), x, y, z);
}

void dv_Vector::Print() const { dv_ReportFormatted("Vector = (%g, %g, %g)", x, y, z); }

dv_FloatVector dv_Vector::toFloat() const {
  return dv_FloatVector{static_cast<float>(x), static_cast<float>(y), static_cast<float>(z)};
}

dv_Vector& dv_Vector::operator+=(const dv_Vector& o) {
  x += o.x;
  y += o.y;
  z += o.z;
  return *this;
}

dv_Vector& dv_Vector::operator-=(const dv_Vector& o) {
  x -= o.x;
  y -= o.y;
  z -= o.z;
  return *this;
}

dv_Vector& dv_Vector::operator*=(double k) {
  x *= k;
  y *= k;
  z *= k;
  return *this;
}

dv_Vector& dv_Vector::operator/=(double k) {
  x /= k;
  y /= k;
  z /= k;
  return *this;
}

double dv_Vector::length() const { return std::sqrt(squaredLength()); }

bool dv_Vector::normalize() {
  if (squaredLength() < 1e-12) return false;
  *this /= length();
  return true;
}

dv_Vector dv_Vector::project(const dv_Vector& b) const {
  const double bb = b.squaredLength();
  if (bb < 1e-8) return dv_Vector();
  return (dv_Dot(*this, b) / bb) * b;
}

dv_Vector dv_Vector::perpendicular(const dv_Vector& b) const { return *this - project(b); }

dv_Vector operator+(const dv_Vector& a, const dv_Vector& b) { return dv_Vector(a.x + b.x, a.y + b.y, a.z + b.z); }

dv_Vector operator-(const dv_Vector& a, const dv_Vector& b) { return dv_Vector(a.x - b.x, a.y - b.y, a.z - b.z); }

dv_Vector operator*(const dv_Vector& a, double k) { return dv_Vector(a.x * k, a.y * k, a.z * k); }
dv_Vector operator*(double k, const dv_Vector& a) { return a * k; }
dv_Vector operator/(const dv_Vector& a, double k) { return dv_Vector(a.x / k, a.y / k, a.z / k); }

double dv_Dot(const dv_Vector& a, const dv_Vector& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

dv_Vector dv_Cross(const dv_Vector& a, const dv_Vector& b) {
  return dv_Vector(a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x);
}

bool operator==(const dv_Vector& a, const dv_Vector& b) { return (a - b).squaredLength() < 1e-12; }

bool operator!=(const dv_Vector& a, const dv_Vector& b) { return !(a == b); }

namespace {

// -1, 0 or 1 for a < b, a ~ b and a > b under the 1e-12 tolerance.
int compareCoordinate(double a, double b) {
  if (std::fabs(a - b) < 1e-12) return 0;
  return a < b ? -1 : 1;
}

int compareVectors(const dv_Vector& a, const dv_Vector& b) {
  if (const int c = compareCoordinate(a.x, b.x); c != 0) return c;
  if (const int c = compareCoordinate(a.y, b.y); c != 0) return c;
  return compareCoordinate(a.z, b.z);
}

}  // namespace

bool operator<(const dv_Vector& a, const dv_Vector& b) { return compareVectors(a, b) < 0; }
bool operator>(const dv_Vector& a, const dv_Vector& b) { return compareVectors(a, b) > 0; }
bool operator<=(const dv_Vector& a, const dv_Vector& b) { return compareVectors(a, b) <= 0; }
bool operator>=(const dv_Vector& a, const dv_Vector& b) { return compareVectors(a, b) >= 0; }
