// Base of every drawable shape: a type code, a pointer to the material table
// it draws with (none by default) and the material source.
#pragma once

#include "toolkit/dv_Attribute.h"
#include "toolkit/dv_MatAdmin.h"
#include "toolkit/dv_Material.h"

class dv_Shape : public dv_Attribute {
 public:
  // Material sources.
  static constexpr int OwnMaterial = 1;
  static constexpr int Palette = 2;
  static constexpr int NoMaterial = 3;

  explicit dv_Shape(int type) : dv_Attribute(type) {}
  ~dv_Shape() override = default;

  dv_MatAdmin* getMatAdmin() const { return matAdmin_; }
  int getMaterialSource() const { return materialSource_; }
  void setMaterialSource(int source) { materialSource_ = source; }

  // Material table operations, each also choosing the material source.
  // False when the shape has no table.
  bool setMaterial(const dv_Material& material);
  bool setMaterialID(int id);
  bool pushPalette(const dv_Material& material);
  bool setPalette(const dv_Material& material, int n);

 protected:
  void setMatAdmin(dv_MatAdmin* table) { matAdmin_ = table; }

 private:
  dv_MatAdmin* matAdmin_ = nullptr;
  int materialSource_ = NoMaterial;
};
