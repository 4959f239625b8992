// A shape made of numbered vertices, edges and faces, as the point, line and
// face shapes of the solid-modelling layer are. The renderer draws faces,
// points and lines of such a shape, as the model's drawParts ask, and names
// each element for picking by its index.
#pragma once

#include "toolkit/dv_Shape.h"
#include "toolkit/dv_Vector.h"

class dv_ElementShape : public dv_Shape {
 public:
  explicit dv_ElementShape(int type) : dv_Shape(type) {}

  virtual int getVertexCount() const = 0;
  virtual dv_Vector getVertex(int v) const = 0;

  virtual int getEdgeCount() const { return 0; }
  // The two vertex indices of edge e.
  virtual void getEdge(int e, int& a, int& b) const {
    (void)e;
    a = b = 0;
  }

  virtual int getFaceCount() const { return 0; }
  virtual int getFaceSize(int f) const {
    (void)f;
    return 0;
  }
  // Vertex index of corner k of face f, counter-clockwise seen from the front.
  virtual int getFaceVertex(int f, int k) const {
    (void)f;
    (void)k;
    return 0;
  }
  virtual dv_Vector getFaceNormal(int f) const {
    (void)f;
    return dv_Vector(0.0, 0.0, 1.0);
  }
  // The normal at corner k for smooth shading; the face normal by default.
  virtual dv_Vector getCornerNormal(int f, int k) const {
    (void)k;
    return getFaceNormal(f);
  }
  // Index into the shape's palette for faces drawn with their own material.
  virtual int getFaceMaterial(int f) const {
    (void)f;
    return 0;
  }
};
