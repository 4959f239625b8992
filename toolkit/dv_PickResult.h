// What one pick found, in hit order: the model, the element id and the
// element kind (52 face, 51 edge, 49 vertex) of every hit.
#pragma once

#include <vector>

#include "toolkit/dv_BaseObject.h"

class dv_Model;

class dv_PickResult : public dv_BaseObject {
 public:
  static constexpr int Vertex = 49;
  static constexpr int Edge = 51;
  static constexpr int Face = 52;

  dv_PickResult() : dv_BaseObject(dv_ObjectType::PickResult) {}

  void add(dv_Model* model, int id, int kind);
  void clear();
  int getSize() const { return static_cast<int>(models_.size()); }
  // Null, -1 and 0 for an index out of range.
  dv_Model* getModel(int i) const;
  int getID(int i) const;
  using dv_BaseObject::getType;
  int getType(int i) const;

 private:
  bool inRange(int i) const { return i >= 0 && i < getSize(); }

  std::vector<dv_Model*> models_;
  std::vector<int> ids_;
  std::vector<int> kinds_;
};
