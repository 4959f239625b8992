#include "toolkit/dv_World.h"

bool dv_World::setFogType(int mode) {
  if (mode < FogLinear || mode > FogOff) return false;
  fogMode_ = mode;
  fogChanged_ = true;
  return true;
}

bool dv_World::setFogQuality(int quality) {
  if (quality < FogFastest || quality > FogDontCare) return false;
  fogQuality_ = quality;
  fogChanged_ = true;
  return true;
}

void dv_World::setFogRange(double start, double end) {
  fogStart_ = start;
  fogEnd_ = end;
  fogChanged_ = true;
}

void dv_World::setFogDensity(double density) {
  fogDensity_ = density;
  fogChanged_ = true;
}

bool dv_World::setFogColor(const dv_Color& color) {
  fogColor_ = color;
  fogChanged_ = true;
  return true;
}

bool dv_World::setFogColor(double r, double g, double b, double a) {
  if (!fogColor_.init(r, g, b, a)) return false;
  fogChanged_ = true;
  return true;
}

bool dv_World::setBackground(double r, double g, double b) { return background_.init(r, g, b, 1.0); }
