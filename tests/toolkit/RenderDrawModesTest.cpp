// How models are drawn: overlays over everything, blending in a world, the
// face culling modes, per-face palette materials, and triangle and mesh
// textures.
#include "tests/toolkit/RenderFixture.h"
#include "toolkit/dv_Image.h"
#include "toolkit/dv_MatAdmin.h"
#include "toolkit/dv_MeshTexture.h"
#include "toolkit/dv_ModelSet.h"
#include "toolkit/dv_TriTexture.h"
#include "toolkit/dv_World.h"

namespace {

dv_Material ambientOnly(double r, double g, double b) {
  dv_Material m;
  m.setAmbient(r, g, b);
  m.setDiffuse(0, 0, 0);
  m.setSpecular(0, 0, 0);
  m.setEmission(0, 0, 0);
  return m;
}

const Rgba kBlack{0, 0, 0, 255}, kRed{255, 0, 0, 255}, kGreen{0, 255, 0, 255}, kBlue{0, 0, 255, 255};

// A square model of ambient colour at depth z, over the window's centre.
struct Square {
  Square(double half, double z, const dv_Material& material) {
    shape.addSquare(-half, -half, half, half);
    model.setShape(&shape);
    model.setMaterial(material);
    model.glSetPosition(0, 0, z);
  }
  TestShape shape;
  dv_Model model;
};

// Overlays come after the models and ignore the depth buffer: a far overlay
// covers a near model. As a plain model the far square stays hidden.
TEST_F(RenderTest, OverlaysAreDrawnLastOverEverything) {
  Square nearRed(1, -5, ambientOnly(1, 0, 0)), farGreen(1, -20, ambientOnly(0, 1, 0));
  for (bool overlay : {false, true}) {
    dv_ModelSet scene;
    scene.addModel(&nearRed.model);
    if (overlay)
      scene.addOverlay(&farGreen.model);
    else
      scene.addModel(&farGreen.model);
    engine_.setScene(&scene);
    engine_.draw();
    EXPECT_EQ(pixel(W / 2, H / 2), overlay ? kGreen : kRed) << overlay;
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST)) << "the depth test is back after the overlays";
    engine_.setScene(nullptr);
  }
}

// A world blends translucent faces over its background when asked to.
TEST_F(RenderTest, AWorldBlendsOnlyWhenAsked) {
  dv_Material half = ambientOnly(1, 1, 1);
  half.setAlpha(0.5);
  Square square(1, -10, half);
  dv_World world;
  world.setBackground(0, 0, 1);
  world.addModel(&square.model);
  engine_.setScene(&world);
  // Red, green and blue of the centre: white, or half way from the blue.
  struct Case {
    bool blend;
    int centre[3];
  };
  for (const Case& c : {Case{false, {255, 255, 255}}, Case{true, {128, 128, 255}}}) {
    world.setBlending(c.blend);
    engine_.draw();
    const Rgba got = pixel(W / 2, H / 2);
    for (int channel = 0; channel < 3; ++channel) EXPECT_NEAR(got[channel], c.centre[channel], 1) << c.blend;
    EXPECT_EQ(pixel(1, 1), kBlue) << c.blend;
  }
}

// A square facing the camera on the left and one facing away on the right:
// faces alone cull the back, with the back-face bit the front is culled
// instead, and with both sides nothing is culled.
TEST_F(RenderTest, FaceCullingModes) {
  TestShape frontShape, backShape;
  frontShape.addSquare(-3, -1, -1, 1);
  backShape.addSquare(3, -1, 1, 1);  // the corners in the other turn
  dv_Model front(&frontShape), back(&backShape);
  for (dv_Model* m : {&front, &back}) {
    m->setMaterial(ambientOnly(1, 1, 1));
    m->glSetPosition(0, 0, -10);
  }
  dv_ModelSet scene;
  scene.addModel(&front);
  scene.addModel(&back);
  engine_.setScene(&scene);
  struct Case {
    const char* what;
    int parts;
    bool frontShown, backShown;
  };
  const Case cases[] = {
      {"faces", dv_Model::DrawFaces, true, false},
      {"back faces", dv_Model::DrawFaces | dv_Model::DrawBackFaces, false, true},
      {"both sides", dv_Model::DrawFaces | dv_Model::DrawBothSides, true, true},
  };
  for (const Case& c : cases) {
    front.setDrawParts(c.parts);
    back.setDrawParts(c.parts);
    engine_.draw();
    EXPECT_EQ(pixel(14, 32)[0], c.frontShown ? 255 : 0) << c.what;
    EXPECT_EQ(pixel(50, 32)[0], c.backShown ? 255 : 0) << c.what;
  }
}

// Faces that name their own palette entry.
class PaletteShape : public TestShape {
 public:
  PaletteShape() { setMatAdmin(&table); }
  dv_MatAdmin table;
};

TEST_F(RenderTest, FacesTakeTheirOwnPaletteEntries) {
  PaletteShape shape;
  shape.addSquare(-3, -1, -1, 1, 0);
  shape.addSquare(1, -1, 3, 1, 1);
  ASSERT_TRUE(shape.pushPalette(ambientOnly(1, 0, 0)));
  ASSERT_TRUE(shape.pushPalette(ambientOnly(0, 1, 0)));
  ASSERT_EQ(shape.getMaterialSource(), dv_Shape::Palette);
  dv_Model model(&shape);
  model.setMaterial(ambientOnly(0, 0, 1));
  model.glSetPosition(0, 0, -10);
  dv_ModelSet scene;
  scene.addModel(&model);
  engine_.setScene(&scene);
  struct Case {
    int colorSource;
    Rgba left, right;
  };
  for (const Case& c : {Case{2, kRed, kGreen}, Case{1, kBlue, kBlue}, Case{0, kBlack, kBlack}}) {
    model.setColorSource(c.colorSource);
    engine_.draw();
    EXPECT_EQ(pixel(14, 32), c.left) << c.colorSource;
    EXPECT_EQ(pixel(50, 32), c.right) << c.colorSource;
  }
}

// A 2 x 1 picture, red on the left and green on the right, through an
// orthographic projection of one unit per pixel (scene x = pixel x - 32,
// scene y = 32 - pixel y).
class ShapeTextureTest : public RenderTest {
 protected:
  void SetUp() override {
    RenderTest::SetUp();
    image_.reset(2, 1);
    image_.setRGBA(0, 0, 255, 0, 0, 255);
    image_.setRGBA(1, 0, 0, 255, 0, 255);
    model_.setMaterial(ambientOnly(1, 1, 1));
    model_.glSetPosition(0, 0, -10);
    scene_.setProjection(dv_OrthoProjection(-32, 32, -32, 32, 0, 100));
    scene_.addModel(&model_);
    engine_.setScene(&scene_);
  }
  Rgba at(int x, int y) { return pixel(x + 32, 32 - y); }

  dv_Image image_;
  dv_Model model_;
  dv_ModelSet scene_;
};

// One triangle with s running from 0 on the left to 1 on the right.
TEST_F(ShapeTextureTest, ATriangleTextureMapsItsCoordinates) {
  dv_TriTexture tri(&image_);
  tri.setEnvMode(dv_Texture::EnvReplace);
  ASSERT_TRUE(tri.setVertexPos(0, -16, -16, 0));
  ASSERT_TRUE(tri.setVertexPos(1, 16, -16, 0));
  ASSERT_TRUE(tri.setVertexPos(2, -16, 16, 0));
  ASSERT_TRUE(tri.setTextureCoord(0, 0, 0.5));
  ASSERT_TRUE(tri.setTextureCoord(1, 1, 0.5));
  ASSERT_TRUE(tri.setTextureCoord(2, 0, 0.5));
  model_.setShape(&tri);
  engine_.draw();
  EXPECT_EQ(at(-12, -12), kRed);
  EXPECT_EQ(at(10, -14), kGreen);
  EXPECT_EQ(at(12, 12), kBlack);  // beyond the long side
}

// Two triangles that make a square, each with its own coordinates.
TEST_F(ShapeTextureTest, AMeshTextureDrawsEachTriangle) {
  dv_MeshTexture mesh(&image_);
  mesh.setEnvMode(dv_Texture::EnvReplace);
  ASSERT_TRUE(mesh.setTriNum(2));
  const dv_Vector lower[3] = {{-16, -16, 0}, {16, -16, 0}, {16, 16, 0}};
  const dv_Vector upper[3] = {{-16, -16, 0}, {16, 16, 0}, {-16, 16, 0}};
  ASSERT_TRUE(mesh.setTriPos(0, lower));
  ASSERT_TRUE(mesh.setTriPos(1, upper));
  // The lower triangle shows green only, the upper one red only.
  const dv_TexCoord greens[3] = {{0.75f, 0.5f}, {0.75f, 0.5f}, {0.75f, 0.5f}};
  const dv_TexCoord reds[3] = {{0.25f, 0.5f}, {0.25f, 0.5f}, {0.25f, 0.5f}};
  ASSERT_TRUE(mesh.setTriTextureCoord(0, greens));
  ASSERT_TRUE(mesh.setTriTextureCoord(1, reds));
  model_.setShape(&mesh);
  engine_.draw();
  EXPECT_EQ(at(10, -10), kGreen);
  EXPECT_EQ(at(-10, 10), kRed);
  EXPECT_EQ(at(20, 0), kBlack);
}

}  // namespace
