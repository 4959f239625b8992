// Base of the scene projections; the renderer tells the kinds apart by
// their object type (perspective 47, orthographic 48).
#pragma once

#include "toolkit/dv_BaseObject.h"

class dv_Projection : public dv_BaseObject {
 public:
  dv_Projection() : dv_BaseObject(dv_ObjectType::Projection) {}
  virtual ~dv_Projection() = default;
  dv_Projection(const dv_Projection&) = default;
  dv_Projection& operator=(const dv_Projection&) = default;

 protected:
  explicit dv_Projection(int type) : dv_BaseObject(type) {}
};
