// An off-screen context handed to a render engine, pixels read back with y
// downward as the engine's window coordinates count them, and a small
// element shape of quads, edges and points to draw.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/opengl.h"
#include "platform/runtime/OffscreenGL.h"
#include "toolkit/dv_ElementShape.h"
#include "toolkit/dv_GLContext.h"
#include "toolkit/dv_RenderEngine.h"

using Rgba = std::array<int, 4>;

class OffscreenContext : public dv_GLContext {
 public:
  explicit OffscreenContext(nvrt::OffscreenGL* gl) : gl_(gl) {}
  bool makeCurrent() override { return gl_->makeCurrent(); }
  void swapBuffers() override { ++swaps; }
  int swaps = 0;

 private:
  nvrt::OffscreenGL* gl_;
};

// Faces, edges and points given as lists of vertex indices.
class TestShape : public dv_ElementShape {
 public:
  TestShape() : dv_ElementShape(dv_ObjectType::IndexFaceSet) {}

  // A square face in the z = 0 plane, facing +Z; returns its index.
  int addSquare(double x0, double y0, double x1, double y1, int material = 0) {
    const int first = addVertex(x0, y0);
    addVertex(x1, y0);
    addVertex(x1, y1);
    addVertex(x0, y1);
    faces_.push_back({first, first + 1, first + 2, first + 3});
    materials_.push_back(material);
    return static_cast<int>(faces_.size()) - 1;
  }
  int addVertex(double x, double y) {
    vertices_.emplace_back(x, y, 0.0);
    return static_cast<int>(vertices_.size()) - 1;
  }
  void addEdge(int a, int b) { edges_.push_back({a, b}); }

  int getVertexCount() const override { return static_cast<int>(vertices_.size()); }
  dv_Vector getVertex(int v) const override { return vertices_[v]; }
  int getEdgeCount() const override { return static_cast<int>(edges_.size()); }
  void getEdge(int e, int& a, int& b) const override {
    a = edges_[e][0];
    b = edges_[e][1];
  }
  int getFaceCount() const override { return static_cast<int>(faces_.size()); }
  int getFaceSize(int f) const override { return static_cast<int>(faces_[f].size()); }
  int getFaceVertex(int f, int k) const override { return faces_[f][k]; }
  dv_Vector getFaceNormal(int) const override { return dv_Vector(0.0, 0.0, 1.0); }
  int getFaceMaterial(int f) const override { return materials_[f]; }

 private:
  std::vector<dv_Vector> vertices_;
  std::vector<std::array<int, 2>> edges_;
  std::vector<std::vector<int>> faces_;
  std::vector<int> materials_;
};

class RenderTest : public ::testing::Test {
 protected:
  static constexpr int W = 64;
  static constexpr int H = 64;

  void SetUp() override {
    gl_ = nvrt::OffscreenGL::create(W, H);
    ASSERT_NE(gl_, nullptr);
    context_ = std::make_unique<OffscreenContext>(gl_.get());
    engine_.setContext(context_.get());
    engine_.init(W, H);
    engine_.initGL();
  }

  // The pixel at (x, y), y downward from the top row.
  Rgba pixel(int x, int y) {
    glFinish();
    const std::uint8_t* p = gl_->pixels().data() + ((H - 1 - y) * W + x) * 4;
    return Rgba{p[0], p[1], p[2], p[3]};
  }

  // The smallest rectangle (left, top, right, bottom; exclusive) holding
  // every pixel that is not black; all zero when there is none.
  std::array<int, 4> litRect() {
    std::array<int, 4> r{W, H, 0, 0};
    for (int y = 0; y < H; ++y)
      for (int x = 0; x < W; ++x) {
        const Rgba p = pixel(x, y);
        if (p[0] == 0 && p[1] == 0 && p[2] == 0) continue;
        r = {std::min(r[0], x), std::min(r[1], y), std::max(r[2], x + 1), std::max(r[3], y + 1)};
      }
    return r[2] == 0 ? std::array<int, 4>{0, 0, 0, 0} : r;
  }

  std::unique_ptr<nvrt::OffscreenGL> gl_;
  std::unique_ptr<OffscreenContext> context_;
  dv_RenderEngine engine_;
};

// Colour channels in 0..255 as OpenGL turns a float in 0..1 into a byte.
inline int toByte(double v) {
  if (v < 0.0) v = 0.0;
  if (v > 1.0) v = 1.0;
  return static_cast<int>(v * 255.0 + 0.5);
}

// Each channel within `tolerance` of the expected one.
inline ::testing::AssertionResult closeTo(const Rgba& got, const Rgba& want, int tolerance) {
  for (int c = 0; c < 4; ++c)
    if (std::abs(got[c] - want[c]) > tolerance)
      return ::testing::AssertionFailure()
             << "got (" << got[0] << ", " << got[1] << ", " << got[2] << ", " << got[3] << "), want (" << want[0]
             << ", " << want[1] << ", " << want[2] << ", " << want[3] << ") within " << tolerance;
  return ::testing::AssertionSuccess();
}
