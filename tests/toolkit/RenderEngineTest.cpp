// Frames drawn off-screen and read back: clearing, projections, materials
// with and without lights, the eight-light limit, fog and the draw hooks.
#include <cmath>
#include <numbers>

#include "tests/toolkit/RenderFixture.h"
#include "toolkit/dv_Light.h"
#include "toolkit/dv_World.h"

namespace {

using Rect = std::array<int, 4>;

dv_Material plainMaterial(double ar, double ag, double ab) {
  dv_Material m;
  m.setAmbient(ar, ag, ab);
  m.setDiffuse(0, 0, 0);
  m.setSpecular(0, 0, 0);
  m.setEmission(0, 0, 0);
  return m;
}

TEST_F(RenderTest, FrameWithoutSceneClearsToBlackWithTheDefaultPerspective) {
  // An orthographic scene first: its projection must not stay behind.
  dv_ModelSet ortho;
  ortho.setProjection(dv_OrthoProjection());
  engine_.setScene(&ortho);
  engine_.draw();
  engine_.setScene(nullptr);
  glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  engine_.draw();
  EXPECT_EQ(pixel(0, 0), (Rgba{0, 0, 0, 255}));
  EXPECT_EQ(litRect(), (Rect{0, 0, 0, 0}));
  EXPECT_EQ(context_->swaps, 2);

  GLdouble m[16];
  glGetDoublev(GL_PROJECTION_MATRIX, m);
  const double f = 1.0 / std::tan(20.0 * std::numbers::pi / 180.0);
  const double n = 1.0, far = 6000.0;
  const double want[16] = {f, 0, 0, 0, 0, f, 0, 0, 0, 0, (far + n) / (n - far), -1, 0, 0, 2 * far * n / (n - far), 0};
  // OpenGL keeps its matrices in single precision.
  for (int i = 0; i < 16; ++i) EXPECT_NEAR(m[i], want[i], 1e-6) << i;
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  EXPECT_EQ(viewport[2], W);
  EXPECT_EQ(viewport[3], H);
}

// Where a unit square of the scene lands for each projection: the window
// spans 64 pixels, so the rectangles follow from the projection's formula.
TEST_F(RenderTest, OrthoAndPerspectiveProjections) {
  struct Case {
    const char* what;
    bool ortho;
    double a, b, c;  // ortho half size and depth range, or fovy (deg), near, far
    double x0, y0, x1, y1, z;
    Rect want;
  };
  const Case cases[] = {
      // Ortho -32..32: one unit per pixel, y upward in the scene.
      {"ortho", true, 32, 0, 100, 0, 0, 8, 4, -10, {32, 28, 40, 32}},
      {"ortho off-centre", true, 32, 0, 100, -32, 24, -24, 32, -50, {0, 0, 8, 8}},
      {"ortho beyond far", true, 32, 0, 5, 0, 0, 8, 4, -10, {0, 0, 0, 0}},
      // 90 degrees: x / -z is the normalised coordinate, 32 pixels per unit.
      {"perspective", false, 90, 1, 100, 0, 0, 5, 5, -10, {32, 16, 48, 32}},
      {"perspective nearer", false, 90, 1, 100, -2.5, -2.5, 0, 0, -5, {16, 32, 32, 48}},
      {"perspective beyond far", false, 90, 1, 8, 0, 0, 5, 5, -10, {0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    dv_ModelSet scene;
    if (c.ortho)
      scene.setProjection(dv_OrthoProjection(-c.a, c.a, -c.a, c.a, c.b, c.c));
    else
      scene.setProjection(dv_Perspective(c.a * std::numbers::pi / 180.0, c.b, c.c));
    TestShape shape;
    shape.addSquare(c.x0, c.y0, c.x1, c.y1);
    dv_Model quad(&shape);
    quad.setMaterial(plainMaterial(1, 1, 1));
    quad.glSetPosition(0, 0, c.z);
    scene.addModel(&quad);
    engine_.setScene(&scene);
    engine_.draw();
    EXPECT_EQ(litRect(), c.want) << c.what;
    engine_.setScene(nullptr);
  }
}

// The colour the fixed-function pipeline gives a face lit head-on by
// parallel lights shining along -Z, seen from the origin: emission, the
// global ambient light (0.2) times the material's ambient, and per light
// ambient, diffuse (N.L = 1) and specular (N.H = 1) products.
struct LightColors {
  double ambient[3], diffuse[3], specular[3];
};

Rgba litColor(const dv_Material& m, const std::vector<LightColors>& lights) {
  Rgba out{};
  for (int c = 0; c < 3; ++c) {
    auto pick = [c](const dv_Color& col) { return c == 0 ? col.getR() : c == 1 ? col.getG() : col.getB(); };
    double v = pick(m.getEmission()) + 0.2 * pick(m.getAmbient());
    for (const LightColors& l : lights)
      v += pick(m.getAmbient()) * l.ambient[c] + pick(m.getDiffuse()) * l.diffuse[c] +
           pick(m.getSpecular()) * l.specular[c];
    out[c] = toByte(v);
  }
  out[3] = toByte(m.getDiffuse().getA());
  return out;
}

class LightTest : public RenderTest {
 protected:
  void addLights(const std::vector<LightColors>& colors) {
    for (const LightColors& l : colors) {
      auto model = std::make_unique<dv_Model>(&light_);
      dv_Material m;
      m.setAmbient(l.ambient[0], l.ambient[1], l.ambient[2]);
      m.setDiffuse(l.diffuse[0], l.diffuse[1], l.diffuse[2]);
      m.setSpecular(l.specular[0], l.specular[1], l.specular[2]);
      model->setMaterial(m);
      scene_.addModel(model.get());
      lights_.push_back(std::move(model));
    }
  }
  void SetUp() override {
    RenderTest::SetUp();
    shape_.addSquare(-50, -50, 50, 50);
    quad_.setShape(&shape_);
    quad_.glSetPosition(0, 0, -10);
    scene_.addModel(&quad_);
    engine_.setScene(&scene_);
  }
  Rgba drawQuad(const dv_Material& material) {
    quad_.setMaterial(material);
    engine_.draw();
    return pixel(W / 2, H / 2);
  }
  // Instead of the large quad, a square of side 2 * half at distance 10,
  // only diffuse (r, g, b), under one white light; returns the square.
  dv_Model& diffuseSquareUnderOneLight(double half, double r, double g, double b) {
    scene_.removeModel(&quad_);
    squareShape_.addSquare(-half, -half, half, half);
    square_.setShape(&squareShape_);
    dv_Material m = plainMaterial(0, 0, 0);
    m.setDiffuse(r, g, b);
    square_.setMaterial(m);
    square_.glSetPosition(0, 0, -10);
    scene_.addModel(&square_);
    addLights({LightColors{{0, 0, 0}, {1, 1, 1}, {0, 0, 0}}});
    return square_;
  }

  dv_ModelSet scene_;
  dv_Light light_;
  std::vector<std::unique_ptr<dv_Model>> lights_;
  TestShape shape_;
  dv_Model quad_;
  TestShape squareShape_;
  dv_Model square_;
};

TEST_F(LightTest, UnlitQuadShowsTheAmbientColour) {
  const dv_Material m = plainMaterial(0.8, 0.4, 0.2);
  dv_Material shiny = m;
  shiny.setDiffuse(1, 1, 1);
  shiny.setEmission(1, 1, 1);
  EXPECT_TRUE(closeTo(drawQuad(shiny), Rgba{toByte(0.8), toByte(0.4), toByte(0.2), 255}, 1));
  EXPECT_TRUE(closeTo(pixel(0, 0), Rgba{toByte(0.8), toByte(0.4), toByte(0.2), 255}, 1));
}

TEST_F(LightTest, LitQuadFollowsTheLightingFormula) {
  dv_Material m;
  m.setAmbient(0.2, 0.1, 0.3);
  m.setDiffuse(0.5, 0.25, 0.1);
  m.setSpecular(0.1, 0.2, 0.0);
  m.setEmission(0.05, 0.0, 0.1);
  m.setShininess(20);
  const std::vector<LightColors> lights = {{{0.3, 0.2, 0.1}, {0.6, 0.8, 1.0}, {0.5, 0.5, 0.5}},
                                           {{0.0, 0.1, 0.0}, {0.2, 0.0, 0.4}, {0.0, 0.3, 0.0}}};
  addLights(lights);
  EXPECT_TRUE(closeTo(drawQuad(m), litColor(m, lights), 1));
}

TEST_F(LightTest, OnlyTheFirstEightLightModelsLight) {
  // Eight dim green lights and one red one; the red one is the ninth.
  std::vector<LightColors> lights(8, LightColors{{0, 0, 0}, {0, 0.1, 0}, {0, 0, 0}});
  lights.push_back(LightColors{{0, 0, 0}, {1, 0, 0}, {0, 0, 0}});
  addLights(lights);
  dv_Material m = plainMaterial(0, 0, 0);
  m.setDiffuse(1, 1, 1);
  const Rgba ninthLast = drawQuad(m);
  EXPECT_TRUE(closeTo(ninthLast, litColor(m, {lights.begin(), lights.begin() + 8}), 1));
  EXPECT_EQ(ninthLast[0], 0);

  // Entered again, the red light moves to the end and a green one drops out.
  for (int i = 0; i < 8; ++i) scene_.addModel(lights_[i].get());
  const std::vector<LightColors> firstEight(lights.begin() + 1, lights.end());
  EXPECT_TRUE(closeTo(drawQuad(m), litColor(m, firstEight), 1));
}

// Point and spot lights at the eye over a 2 x 2 quad at distance 10: each
// corner v = (+-1, +-1, -10) sees the light at N.L = 10 / |v|, attenuated
// by 1 / (1 + linear |v| + quadratic |v|^2) and, for a spot light along -Z,
// by (10 / |v|)^exponent inside the cut-off cone, 0 outside it. All four
// corners light alike, so the flat colour is theirs.
TEST_F(LightTest, PointAndSpotLights) {
  struct Case {
    const char* what;
    int type;
    double linear, quadratic, exponent, cutOffDegrees;
    bool turnedAway;
  };
  const Case cases[] = {
      {"point", dv_Light::Point, 0.1, 0.01, 0, 0, false},
      {"spot", dv_Light::Spot, 0.05, 0, 2, 10, false},
      {"spot, corners outside the cone", dv_Light::Spot, 0, 0, 0, 5, false},
      {"spot turned away", dv_Light::Spot, 0, 0, 0, 60, true},
  };
  diffuseSquareUnderOneLight(1, 1, 0.8, 0.6);
  dv_Model& lamp = *lights_.front();
  const double d = std::sqrt(102.0);
  for (const Case& c : cases) {
    dv_Light light;
    light.setLightType(c.type);
    light.setAttenuation(c.linear, c.quadratic);
    light.setSpotExponent(c.exponent);
    light.setSpotCutOff(c.cutOffDegrees * std::numbers::pi / 180.0);
    lamp.setShape(&light);
    lamp.glFocus(0, 0, c.turnedAway ? 1 : -1);
    double f = (10.0 / d) / (1.0 + c.linear * d + c.quadratic * d * d);
    if (c.type == dv_Light::Spot) {
      const bool inside = std::acos(10.0 / d) <= c.cutOffDegrees * std::numbers::pi / 180.0;
      f *= inside && !c.turnedAway ? std::pow(10.0 / d, c.exponent) : 0.0;
    }
    engine_.draw();
    EXPECT_TRUE(closeTo(pixel(W / 2, H / 2), Rgba{toByte(f), toByte(0.8 * f), toByte(0.6 * f), 255}, 1)) << c.what;
    lamp.setShape(&light_);
  }
}

// A point light near the left edge of a 4 x 4 quad lights its left corners
// about twice as much as its right ones. Smooth shading blends the corner
// colours across the face, so the middle row darkens step by step from left
// to right; flat shading gives the face one colour, so the row does not
// change. (Smooth is drawn first: Mesa's llvmpipe keeps flat shading for a
// frame drawn smooth right after one drawn flat, which softpipe does not.)
TEST_F(LightTest, SmoothShadingBlendsTheCornersAndFlatShadingDoesNot) {
  dv_Model& quad = diffuseSquareUnderOneLight(2, 1, 1, 1);
  dv_Light point;
  point.setLightType(dv_Light::Point);
  dv_Model& lamp = *lights_.front();
  lamp.setShape(&point);
  lamp.glSetPosition(-2, 0, -9);
  // The red values along the middle row of the lit face, inside its border.
  auto middleRow = [&] {
    engine_.draw();
    const std::array<int, 4> r = litRect();
    std::vector<int> row;
    for (int x = r[0] + 1; x < r[2] - 1; ++x) row.push_back(pixel(x, (r[1] + r[3]) / 2)[0]);
    return row;
  };
  auto steps = [](const std::vector<int>& row) {
    int count = 0;
    for (size_t i = 1; i < row.size(); ++i) count += std::abs(row[i] - row[i - 1]) > 1;
    return count;
  };

  quad.setSmoothShading(true);
  const std::vector<int> smooth = middleRow();
  ASSERT_GT(smooth.size(), 10u);
  EXPECT_GT(smooth.front(), smooth.back() + 30);
  for (size_t i = 1; i < smooth.size(); ++i) EXPECT_LE(smooth[i], smooth[i - 1] + 1) << i;
  EXPECT_GE(steps(smooth), 5);

  quad.setSmoothShading(false);
  const std::vector<int> flat = middleRow();
  ASSERT_GT(flat.size(), 10u);
  EXPECT_LE(steps(flat), 1);
  lamp.setShape(&light_);
}

// Exponential fog over a face at distance d: f = exp(-density * d), the
// colour f * C + (1 - f) * fog colour; linear: f = (end - d) / (end - start).
TEST_F(RenderTest, FogModes) {
  struct Case {
    int mode;
    double f;
  };
  const double d = 2.0;
  const Case cases[] = {{0, (5.0 - d) / (5.0 - 1.0)}, {1, std::exp(-0.35 * d)}, {2, std::exp(-0.35 * d)}, {3, 1.0}};
  dv_World world;
  world.setFogColor(0.0, 0.0, 1.0);
  TestShape shape;
  shape.addSquare(-50, -50, 50, 50);
  dv_Model quad(&shape);
  quad.setMaterial(plainMaterial(1, 0.5, 0));
  quad.glSetPosition(0, 0, -d);
  world.addModel(&quad);
  engine_.setScene(&world);
  std::vector<Rgba> seen;
  for (const Case& c : cases) {
    world.setFogType(c.mode);
    engine_.draw();
    const Rgba want{toByte(c.f * 1.0), toByte(c.f * 0.5), toByte(1.0 - c.f), 255};
    seen.push_back(pixel(W / 2, H / 2));
    EXPECT_TRUE(closeTo(seen.back(), want, 2)) << "mode " << c.mode;
  }
  EXPECT_EQ(seen[1], seen[2]);
  // A scene without fog after a fogged world is not fogged.
  world.setFogType(1);
  engine_.draw();
  dv_ModelSet plain;
  plain.addModel(&quad);
  engine_.setScene(&plain);
  engine_.draw();
  EXPECT_TRUE(closeTo(pixel(W / 2, H / 2), Rgba{255, toByte(0.5), 0, 255}, 1));
}

TEST_F(RenderTest, WorldBackgroundFillsTheFrame) {
  dv_World world;
  world.setBackground(0.2, 0.4, 0.6);
  engine_.setScene(&world);
  engine_.draw();
  EXPECT_TRUE(closeTo(pixel(5, 60), Rgba{toByte(0.2), toByte(0.4), toByte(0.6), 255}, 1));
}

// A model that counts its hooks.
class CountingModel : public dv_Model {
 public:
  using dv_Model::dv_Model;
  void preDraw() override { ++pre; }
  void postDraw() override { ++post; }
  int pre = 0;
  int post = 0;
};

TEST_F(RenderTest, DrawPartsZeroDrawsNothingButRunsTheHooks) {
  dv_ModelSet scene;
  TestShape shape;
  shape.addSquare(-50, -50, 50, 50);
  CountingModel quad(&shape);
  quad.setMaterial(plainMaterial(1, 1, 1));
  quad.glSetPosition(0, 0, -10);
  CountingModel empty;  // no shape: no hooks either
  scene.addModel(&quad);
  scene.addModel(&empty);
  engine_.setScene(&scene);
  struct Case {
    int parts;
    bool drawn;
  };
  for (const Case c : {Case{0, false}, Case{dv_Model::DrawFaces, true}}) {
    quad.setDrawParts(c.parts);
    quad.pre = quad.post = 0;
    engine_.draw();
    EXPECT_EQ(pixel(W / 2, H / 2)[0], c.drawn ? 255 : 0) << c.parts;
    EXPECT_EQ(quad.pre, 1);
    EXPECT_EQ(quad.post, 1);
  }
  EXPECT_EQ(empty.pre, 0);
}

}  // namespace
