#include "toolkit/dv_Material.h"

#include <cmath>

#include "toolkit/dv_Report.h"

dv_Material::dv_Material() : dv_BaseObject(dv_ObjectType::Material) { init(); }

void dv_Material::init() {
  alpha_ = 1.0f;
  ambient_.init(0.3, 0.3, 0.3, 1.0);
  diffuse_.init(0.0, 0.0, 0.0, 1.0);
  emission_.init(0.0, 0.0, 0.0, 1.0);
  specular_.init(0.2, 0.2, 0.2, 1.0);
  shininess_ = 17.0f;
}

bool dv_Material::setAlpha(double a) {
  if (a < -0.0001 || a > 1.0001) {
    dv_ReportError("dv_Material", "setAlpha", 1, "Alpha Value Error.");
    return false;
  }
  alpha_ = static_cast<float>(a);
  for (dv_Color* c : {&ambient_, &diffuse_, &emission_, &specular_}) c->setA(a);
  return true;
}

bool dv_Material::setColor(dv_Color& color, double r, double g, double b) { return color.init(r, g, b, alpha_); }

bool dv_Material::setAmbient(double r, double g, double b) { return setColor(ambient_, r, g, b); }
bool dv_Material::setDiffuse(double r, double g, double b) { return setColor(diffuse_, r, g, b); }
bool dv_Material::setEmission(double r, double g, double b) { return setColor(emission_, r, g, b); }
bool dv_Material::setSpecular(double r, double g, double b) { return setColor(specular_, r, g, b); }

bool dv_Material::setAmbDiff(double r, double g, double b) {
  dv_Color check;
  if (!check.init(r, g, b, alpha_)) return false;
  return setAmbient(r, g, b) && setDiffuse(r, g, b);
}

bool dv_Material::setShininess(double s) {
  if (s < -0.0001 || s > 128.0001) {
    dv_ReportError("dv_Material", "setShininess", 1, "Shininess Value Error.");
    return false;
  }
  shininess_ = static_cast<float>(s);
  return true;
}

void dv_Material::Print(int depth, const std::string& tag) const {
  const std::string indent(depth > 0 ? depth : 0, '\t');
  auto colorLine = [&indent](const char* name, const dv_Color& c) {
    dv_ReportFormatted("%s\t%s = (%g, %g, %g, %g);", indent.c_str(), name, c.getR(), c.getG(), c.getB(), c.getA());
  };
  dv_ReportError(indent + (tag.empty() ? "Mat = {" : "Mat[" + tag + "] = {"));
  dv_ReportFormatted("%s\talpha = %g;", indent.c_str(), alpha_);
  colorLine("amb", ambient_);
  colorLine("diff", diffuse_);
  colorLine("spec", specular_);
  colorLine("emis", emission_);
  dv_ReportFormatted("%s\tshini = %g;", indent.c_str(), shininess_);
  dv_ReportError(indent + "}");
}

bool operator==(const dv_Material& x, const dv_Material& y) {
  return std::fabs(x.getAlpha() - y.getAlpha()) < 0.0001f && std::fabs(x.getShininess() - y.getShininess()) < 0.0001f &&
         x.getAmbient() == y.getAmbient() && x.getDiffuse() == y.getDiffuse() && x.getEmission() == y.getEmission() &&
         x.getSpecular() == y.getSpecular();
}

bool operator!=(const dv_Material& x, const dv_Material& y) { return !(x == y); }
