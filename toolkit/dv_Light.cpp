#include "toolkit/dv_Light.h"

#include <numbers>

namespace {

double atLeastZero(double v) { return v < 1e-8 ? 0.0 : v; }

}  // namespace

bool dv_Light::setLightType(int type) {
  if (type < Parallel || type > Spot) return false;
  lightType_ = type;
  return true;
}

void dv_Light::setAttenuation(double linear, double quadratic) {
  linear_ = atLeastZero(linear);
  quadratic_ = atLeastZero(quadratic);
}

void dv_Light::setSpotExponent(double exponent) { spotExponent_ = atLeastZero(exponent); }

void dv_Light::setSpotCutOff(double radians) {
  if (radians > std::numbers::pi / 2.0)
    spotCutOff_ = 1e-8;
  else
    spotCutOff_ = atLeastZero(radians);
}
