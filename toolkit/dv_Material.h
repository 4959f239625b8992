// Surface material: alpha, four lighting colours and a shininess. The alpha
// of every colour always equals the material's alpha.
#pragma once

#include <string>

#include "toolkit/dv_BaseObject.h"
#include "toolkit/dv_Color.h"

class dv_Material : public dv_BaseObject {
 public:
  dv_Material();

  void init();
  bool setAlpha(double a);
  bool setAmbient(double r, double g, double b);
  bool setAmbient(const dv_Color& c) { return setAmbient(c.getR(), c.getG(), c.getB()); }
  bool setDiffuse(double r, double g, double b);
  bool setDiffuse(const dv_Color& c) { return setDiffuse(c.getR(), c.getG(), c.getB()); }
  bool setEmission(double r, double g, double b);
  bool setEmission(const dv_Color& c) { return setEmission(c.getR(), c.getG(), c.getB()); }
  bool setSpecular(double r, double g, double b);
  bool setSpecular(const dv_Color& c) { return setSpecular(c.getR(), c.getG(), c.getB()); }
  bool setAmbDiff(double r, double g, double b);
  bool setAmbDiff(const dv_Color& c) { return setAmbDiff(c.getR(), c.getG(), c.getB()); }
  bool setShininess(double s);

  float getAlpha() const { return alpha_; }
  const dv_Color& getAmbient() const { return ambient_; }
  const dv_Color& getDiffuse() const { return diffuse_; }
  const dv_Color& getEmission() const { return emission_; }
  const dv_Color& getSpecular() const { return specular_; }
  float getShininess() const { return shininess_; }

  // Prints as message-only reports, each line indented by `depth` tabs.
  void Print(int depth, const std::string& tag) const;

 private:
  bool setColor(dv_Color& color, double r, double g, double b);

  float alpha_ = 1.0f;
  dv_Color ambient_;
  dv_Color diffuse_;
  dv_Color emission_;
  dv_Color specular_;
  float shininess_ = 17.0f;
};

bool operator==(const dv_Material& x, const dv_Material& y);
bool operator!=(const dv_Material& x, const dv_Material& y);
