// A light as a model's shape. The model places it (position and direction)
// and its effective material gives the light's ambient, diffuse and
// specular colours.
#pragma once

#include "toolkit/dv_Shape.h"

class dv_Light : public dv_Shape {
 public:
  static constexpr int Parallel = 0;
  static constexpr int Point = 1;
  static constexpr int Spot = 2;

  dv_Light() : dv_Shape(dv_ObjectType::Light) {}

  // False, unchanged, for a type other than the three above.
  bool setLightType(int type);
  int getLightType() const { return lightType_; }
  // Values below 1e-8 (negative ones too) are stored as 0.
  void setAttenuation(double linear, double quadratic);
  double getLinearAttenuation() const { return linear_; }
  double getQuadraticAttenuation() const { return quadratic_; }
  void setSpotExponent(double exponent);
  double getSpotExponent() const { return spotExponent_; }
  // Radians; below 1e-8 becomes 0, above pi/2 becomes 1e-8 (a closed cone).
  void setSpotCutOff(double radians);
  double getSpotCutOff() const { return spotCutOff_; }

 private:
  int lightType_ = Parallel;
  double linear_ = 0.0;
  double quadratic_ = 0.0;
  double spotExponent_ = 0.0;
  double spotCutOff_ = 0.78539816339744830962;
};
