// A shape's material table: one material of its own, a current id and an
// indexed palette.
#pragma once

#include <string>
#include <vector>

#include "toolkit/dv_BaseObject.h"
#include "toolkit/dv_Material.h"

class dv_MatAdmin : public dv_BaseObject {
 public:
  // The most entries a palette grows to. An index read from a file must not
  // make the toolkit reserve gigabytes of default materials, and every build
  // (32-bit ones included) refuses the same indices.
  static constexpr int MaxPaletteSize = 1 << 24;

  dv_MatAdmin() : dv_BaseObject(dv_ObjectType::MatAdmin) {}

  void setMaterial(const dv_Material& material);
  const dv_Material& getMaterial() const { return thisMaterial_; }
  void setMaterialID(int id) { colorID_ = id; }
  int getMaterialID() const { return colorID_; }
  // Appends a copy; false (and a report) when the palette is full or memory
  // runs out.
  bool pushPalette(const dv_Material& material);
  // Replaces entry n, or grows the palette with default materials so that
  // the copy lands at index n. A negative n is ignored (false); an n the
  // palette cannot grow to is refused with a report.
  bool setPalette(const dv_Material& material, int n);
  int getPaletteSize() const { return static_cast<int>(palette_.size()); }
  // Entry i, or the process-wide default material when i is out of range.
  const dv_Material& getPaletteMaterial(int i) const;
  void clearPalette();

  void Print(int depth, const std::string& tag) const;

 private:
  dv_Material thisMaterial_;
  int colorID_ = -1;
  std::vector<dv_Material> palette_;
};
