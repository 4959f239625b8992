// Double-precision 3-vector with the toolkit's 1e-12 equality tolerance.
#pragma once

#include <string>

#include "toolkit/dv_FloatVector.h"

class dv_Vector {
 public:
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;

  dv_Vector() = default;
  dv_Vector(double x, double y, double z) : x(x), y(y), z(z) {}
  dv_Vector(const dv_FloatVector& f) : x(f.x), y(f.y), z(f.z) {}  // NOLINT: implicit on purpose
  dv_Vector(const dv_Vector&) = default;
  dv_Vector& operator=(const dv_Vector&) = default;
  dv_Vector& operator=(const dv_FloatVector& f);
  virtual ~dv_Vector() = default;

  virtual void set(double nx, double ny, double nz);
  virtual void init();
  virtual void Print(const std::string& tag) const;
  virtual void Print() const;

  dv_FloatVector toFloat() const;

  dv_Vector& operator+=(const dv_Vector& o);
  dv_Vector& operator-=(const dv_Vector& o);
  dv_Vector& operator*=(double k);
  // Division by zero is not guarded and follows IEEE arithmetic.
  dv_Vector& operator/=(double k);
  dv_Vector operator-() const { return dv_Vector(-x, -y, -z); }

  double squaredLength() const { return x * x + y * y + z * z; }
  double length() const;
  bool isZero() const { return squaredLength() < 1e-12; }
  // False, and the vector unchanged, when it is too short to have a direction.
  bool normalize();
  dv_Vector project(const dv_Vector& b) const;
  dv_Vector perpendicular(const dv_Vector& b) const;
};

dv_Vector operator+(const dv_Vector& a, const dv_Vector& b);
dv_Vector operator-(const dv_Vector& a, const dv_Vector& b);
dv_Vector operator*(const dv_Vector& a, double k);
dv_Vector operator*(double k, const dv_Vector& a);
dv_Vector operator/(const dv_Vector& a, double k);
double dv_Dot(const dv_Vector& a, const dv_Vector& b);
dv_Vector dv_Cross(const dv_Vector& a, const dv_Vector& b);

bool operator==(const dv_Vector& a, const dv_Vector& b);
bool operator!=(const dv_Vector& a, const dv_Vector& b);
// Lexicographic on x, y, z; coordinates closer than 1e-12 count as equal.
bool operator<(const dv_Vector& a, const dv_Vector& b);
bool operator>(const dv_Vector& a, const dv_Vector& b);
bool operator<=(const dv_Vector& a, const dv_Vector& b);
bool operator>=(const dv_Vector& a, const dv_Vector& b);
