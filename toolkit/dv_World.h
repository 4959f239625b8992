// A scene with fog, a background colour and blending.
#pragma once

#include "toolkit/dv_Color.h"
#include "toolkit/dv_ModelSet.h"

class dv_World : public dv_ModelSet {
 public:
  // Fog modes.
  static constexpr int FogLinear = 0;
  static constexpr int FogExp = 1;
  static constexpr int FogExp2 = 2;  // drawn as FogExp
  static constexpr int FogOff = 3;
  // Fog quality hints.
  static constexpr int FogFastest = 0;
  static constexpr int FogNicest = 1;
  static constexpr int FogDontCare = 2;

  dv_World() : dv_ModelSet(dv_ObjectType::World) {}

  // Every fog setter marks the fog changed; values out of range are refused.
  bool setFogType(int mode);
  bool setFogQuality(int quality);
  void setFogRange(double start, double end);
  void setFogDensity(double density);
  bool setFogColor(const dv_Color& color);
  bool setFogColor(double r, double g, double b, double a = 1.0);
  int getFogType() const { return fogMode_; }
  int getFogQuality() const { return fogQuality_; }
  double getFogStart() const { return fogStart_; }
  double getFogEnd() const { return fogEnd_; }
  double getFogDensity() const { return fogDensity_; }
  const dv_Color& getFogColor() const { return fogColor_; }
  bool isFogChanged() const { return fogChanged_; }
  // The renderer clears the flag once it has applied the fog.
  void clearFogChanged() { fogChanged_ = false; }

  void setBackground(const dv_Color& color) { background_ = color; }
  bool setBackground(double r, double g, double b);
  const dv_Color& getBackground() const { return background_; }
  void setBlending(bool on) { blend_ = on; }
  bool getBlending() const { return blend_; }

 private:
  int fogMode_ = FogOff;
  int fogQuality_ = FogDontCare;
  double fogStart_ = 1.0;
  double fogEnd_ = 5.0;
  double fogDensity_ = 0.35;
  dv_Color fogColor_{0.5, 0.5, 0.5, 1.0};
  bool fogChanged_ = true;
  dv_Color background_{0.0, 0.0, 0.0, 1.0};
  bool blend_ = false;
};
