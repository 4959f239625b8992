// RGBA colour in floats, each component kept within [-0.0001, 1.0001].
#pragma once

#include "toolkit/dv_BaseObject.h"

class dv_Color : public dv_BaseObject {
 public:
  dv_Color() : dv_BaseObject(dv_ObjectType::Color) {}
  dv_Color(double r, double g, double b, double a = 1.0);

  // Accepted only when every component is in range; otherwise reported and
  // nothing changes.
  bool init(double r, double g, double b, double a);
  bool setR(double v) { return init(v, g_, b_, a_); }
  bool setG(double v) { return init(r_, v, b_, a_); }
  bool setB(double v) { return init(r_, g_, v, a_); }
  bool setA(double v) { return init(r_, g_, b_, v); }
  float getR() const { return r_; }
  float getG() const { return g_; }
  float getB() const { return b_; }
  float getA() const { return a_; }

 private:
  float r_ = 0.0f;
  float g_ = 0.0f;
  float b_ = 0.0f;
  float a_ = 1.0f;
};

// Equal when every component differs by less than 0.0001.
bool operator==(const dv_Color& x, const dv_Color& y);
bool operator!=(const dv_Color& x, const dv_Color& y);
