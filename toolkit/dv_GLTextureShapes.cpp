#include "toolkit/dv_GLTextureShapes.h"

#include "platform/opengl.h"
#include "toolkit/dv_MeshTexture.h"
#include "toolkit/dv_RectTexture.h"
#include "toolkit/dv_Report.h"
#include "toolkit/dv_TriTexture.h"

namespace {

bool triangleNormal(const dv_Vector& a, const dv_Vector& b, const dv_Vector& c, dv_Vector& n) {
  n = dv_Cross(b - a, c - a);
  return n.normalize();
}

void vertex(const dv_Texture& texture, const dv_TexCoord& coord, const dv_Vector& p) {
  const dv_TexCoord t = texture.toBufferCoord(coord.s, coord.t);
  glTexCoord2f(t.s, t.t);
  glVertex3d(p.x, p.y, p.z);
}

void drawRect(const dv_RectTexture& rect) {
  dv_TexCoord coords[4];
  if (!rect.quadTexCoords(coords)) return;
  const float w = rect.getWidth() / 2.0f;
  const float h = rect.getHeight() / 2.0f;
  const float corners[4][2] = {{-w, -h}, {w, -h}, {w, h}, {-w, h}};
  glBegin(GL_QUADS);
  glNormal3f(0.0f, 0.0f, 1.0f);
  for (int i = 0; i < 4; ++i) {
    glTexCoord2f(coords[i].s, coords[i].t);
    glVertex3f(corners[i][0], corners[i][1], 0.0f);
  }
  glEnd();
}

void drawTri(const dv_TriTexture& tri) {
  if (!tri.isDrawable()) return;
  dv_Vector n;
  if (!triangleNormal(tri.getVertexPos(0), tri.getVertexPos(1), tri.getVertexPos(2), n)) {
    dv_ReportError("dv_Window", "DrawTriTextureObj", 1, "Triangle Normal Vector Error.");
    return;
  }
  glBegin(GL_TRIANGLES);
  glNormal3d(n.x, n.y, n.z);
  for (int k = 0; k < 3; ++k) vertex(tri, tri.getTextureCoord(k), tri.getVertexPos(k));
  glEnd();
}

void drawMesh(const dv_MeshTexture& mesh) {
  if (mesh.getTriNum() <= 0 || !mesh.isDrawable()) return;
  glBegin(GL_TRIANGLES);
  for (int t = 0; t < mesh.getTriNum(); ++t) {
    dv_Vector n;
    if (!triangleNormal(mesh.getVertexPos(t, 0), mesh.getVertexPos(t, 1), mesh.getVertexPos(t, 2), n)) {
      dv_ReportError("dv_Window", "DrawMeshTextureObj", 1, "Normal Vector Error.");
      continue;
    }
    glNormal3d(n.x, n.y, n.z);
    for (int k = 0; k < 3; ++k) vertex(mesh, mesh.getTextureCoord(t, k), mesh.getVertexPos(t, k));
  }
  glEnd();
}

}  // namespace

void dv_GLDrawTextureShape(const dv_Texture& texture) {
  if (const auto* rect = dynamic_cast<const dv_RectTexture*>(&texture))
    drawRect(*rect);
  else if (const auto* tri = dynamic_cast<const dv_TriTexture*>(&texture))
    drawTri(*tri);
  else if (const auto* mesh = dynamic_cast<const dv_MeshTexture*>(&texture))
    drawMesh(*mesh);
  // FIXME: an image on an indexed face set is drawn once the solid-modelling
  // layer provides the face set's geometry.
}
