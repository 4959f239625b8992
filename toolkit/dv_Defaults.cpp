#include "toolkit/dv_Defaults.h"

const dv_Material& dv_DefaultMaterial() {
  static const dv_Material material;
  return material;
}

const dv_Color& dv_DefaultColor() {
  static const dv_Color color(0.2, 0.2, 0.2, 1.0);
  return color;
}
