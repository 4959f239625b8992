// Homogeneous 4-vector: a point (w = 1) or a direction (w = 0).
#pragma once

#include "toolkit/dv_Vector.h"

class dv_HVector : public dv_Vector {
 public:
  double w = 1.0;

  dv_HVector() = default;
  dv_HVector(double x, double y, double z, double w = 1.0) : dv_Vector(x, y, z), w(w) {}
  dv_HVector(const dv_Vector& v, double w) : dv_Vector(v), w(w) {}
  dv_HVector(const dv_HVector&) = default;
  dv_HVector& operator=(const dv_HVector&) = default;
  // Takes x, y and z; the result is a point.
  dv_HVector& operator=(const dv_Vector& v);
  ~dv_HVector() override = default;

  void set(double nx, double ny, double nz) override;
  void set(double nx, double ny, double nz, double nw);
  void init() override;
  void Print(const std::string& tag) const override;
  void Print() const override;

  dv_Vector xyz() const { return dv_Vector(x, y, z); }
  void setW(double nw) { w = nw; }
  double getW() const { return w; }
  void makePoint() { w = 1.0; }
  void makeDirection() { w = 0.0; }
};

double dv_Dot4(const dv_HVector& a, const dv_HVector& b);
bool operator==(const dv_HVector& a, const dv_HVector& b);
bool operator!=(const dv_HVector& a, const dv_HVector& b);
