// Euler angle (heading, pitch, bank) in radians.
#pragma once

#include <string>

struct dv_Angle {
  double h = 0.0;
  double p = 0.0;
  double b = 0.0;

  dv_Angle() = default;
  dv_Angle(double h, double p, double b) : h(h), p(p), b(b) {}

  void set(double nh, double np, double nb);
  // Adds each component; a sum beyond +-pi is brought back by one pi.
  dv_Angle& operator+=(const dv_Angle& o);
  void Print() const;
  void Print(const std::string& tag) const;
};
