#include "toolkit/dv_GLElements.h"

#include "platform/opengl.h"
#include "toolkit/dv_ElementShape.h"
#include "toolkit/dv_GLState.h"
#include "toolkit/dv_Model.h"

namespace {

enum Kind : GLuint { FaceKind = 0, EdgeKind = 1, VertexKind = 2 };

// Walks 0..count-1, or backwards for a model drawn in reverse order.
template <class F>
void forEach(int count, bool reverse, F f) {
  for (int n = 0; n < count; ++n) f(reverse ? count - 1 - n : n);
}

void beginName(bool picking, int index, Kind kind) {
  if (picking) glPushName(3u * static_cast<GLuint>(index) + kind);
}

void endName(bool picking) {
  if (picking) glPopName();
}

// The material points and lines fall back to, and faces use unless each
// face takes its own: the model's, or the first entry of the shape's table.
const dv_Material& partMaterial(const dv_Model& model, const dv_Shape& shape) {
  if (model.getColorSource() == 2 && shape.getMatAdmin() != nullptr) return shape.getMatAdmin()->getPaletteMaterial(0);
  return model.getEffectiveMaterial();
}

void setCulling(int parts) {
  if (parts & dv_Model::DrawBothSides) {
    glDisable(GL_CULL_FACE);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  } else if (parts & dv_Model::DrawBackFaces) {
    glEnable(GL_CULL_FACE);
    glCullFace(GL_FRONT);
    glPolygonMode(GL_BACK, GL_FILL);
  } else {
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glPolygonMode(GL_FRONT, GL_FILL);
  }
}

void drawFaces(const dv_Model& model, const dv_ElementShape& shape, bool picking, bool lighting) {
  const int source = model.getColorSource();
  const int shapeSource = shape.getMaterialSource();
  const dv_MatAdmin* table = shape.getMatAdmin();
  const bool perFace = source == 2 && shapeSource == dv_Shape::Palette && table != nullptr;
  const bool single = source == 1 || (source == 2 && shapeSource == dv_Shape::OwnMaterial && table != nullptr);
  if (!perFace && !single) return;
  if (single) dv_GLApplyMaterial(partMaterial(model, shape), lighting);
  setCulling(model.getDrawParts());
  glShadeModel(model.getSmoothShading() ? GL_SMOOTH : GL_FLAT);
  forEach(shape.getFaceCount(), model.getReverseOrder(), [&](int f) {
    if (perFace) dv_GLApplyMaterial(table->getPaletteMaterial(shape.getFaceMaterial(f)), lighting);
    beginName(picking, f, FaceKind);
    glBegin(GL_POLYGON);
    const dv_Vector n = shape.getFaceNormal(f);
    glNormal3d(n.x, n.y, n.z);
    for (int k = 0; k < shape.getFaceSize(f); ++k) {
      if (model.getSmoothShading()) {
        const dv_Vector c = shape.getCornerNormal(f, k);
        glNormal3d(c.x, c.y, c.z);
      }
      const dv_Vector p = shape.getVertex(shape.getFaceVertex(f, k));
      glVertex3d(p.x, p.y, p.z);
    }
    glEnd();
    endName(picking);
  });
  // Texture shapes drawn next rely on the usual culling of back faces.
  setCulling(0);
}

void setPartColor(const dv_Color* own, const dv_Material& fallback) {
  const dv_Color& c = own != nullptr ? *own : fallback.getAmbient();
  glDisable(GL_LIGHTING);
  glColor4f(c.getR(), c.getG(), c.getB(), c.getA());
}

void drawPoints(const dv_Model& model, const dv_ElementShape& shape, bool picking) {
  setPartColor(model.getEffectivePointColor(), partMaterial(model, shape));
  glPointSize(static_cast<GLfloat>(model.getPointSize()));
  forEach(shape.getVertexCount(), model.getReverseOrder(), [&](int v) {
    beginName(picking, v, VertexKind);
    glBegin(GL_POINTS);
    const dv_Vector p = shape.getVertex(v);
    glVertex3d(p.x, p.y, p.z);
    glEnd();
    endName(picking);
  });
}

void drawLines(const dv_Model& model, const dv_ElementShape& shape, bool picking) {
  setPartColor(model.getEffectiveLineColor(), partMaterial(model, shape));
  glLineWidth(static_cast<GLfloat>(model.getLineWidth()));
  forEach(shape.getEdgeCount(), model.getReverseOrder(), [&](int e) {
    int a = 0, b = 0;
    shape.getEdge(e, a, b);
    beginName(picking, e, EdgeKind);
    glBegin(GL_LINES);
    const dv_Vector p = shape.getVertex(a);
    const dv_Vector q = shape.getVertex(b);
    glVertex3d(p.x, p.y, p.z);
    glVertex3d(q.x, q.y, q.z);
    glEnd();
    endName(picking);
  });
}

}  // namespace

void dv_GLDrawElements(const dv_Model& model, const dv_Shape& shape, bool picking, bool lighting) {
  const auto* elements = dynamic_cast<const dv_ElementShape*>(&shape);
  const int parts = model.getDrawParts();
  if (elements == nullptr || parts == 0 || model.getColorSource() == 0) return;
  if (parts & dv_Model::DrawFaces) drawFaces(model, *elements, picking, lighting);
  if (parts & dv_Model::DrawPoints) drawPoints(model, *elements, picking);
  if (parts & dv_Model::DrawLines) drawLines(model, *elements, picking);
  if (lighting)
    glEnable(GL_LIGHTING);
  else
    glDisable(GL_LIGHTING);
}
