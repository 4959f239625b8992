// Textured quads: the right texels in the right place, partial updates,
// re-created textures, the material choices, the texture hook, releasing
// textures and capturing the frame.
#include "tests/toolkit/RenderFixture.h"
#include "toolkit/dv_Image.h"
#include "toolkit/dv_ModelSet.h"
#include "toolkit/dv_RectTexture.h"

namespace {

// The texel colours of the 4 x 2 test image.
Rgba texel(int x, int y) { return Rgba{30 + 50 * x, 40 + 100 * y, 200 - 40 * x, 255}; }

// A 4 x 2 image on a 16 x 8 rectangle seen through an orthographic
// projection of one unit per pixel: texel (x, y) covers the 4 x 4 pixels
// from (24 + 4x, 28 + 4y), y downward.
class TextureTest : public RenderTest {
 protected:
  void SetUp() override {
    RenderTest::SetUp();
    image_.reset(4, 2);
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 4; ++x) {
        const Rgba t = texel(x, y);
        image_.setRGBA(x, y, t[0], t[1], t[2], t[3]);
      }
    rect_.setImage(&image_);
    rect_.setSize(16, 8);
    rect_.setEnvMode(dv_Texture::EnvReplace);
    model_.setShape(&rect_);
    model_.glSetPosition(0, 0, -10);
    scene_.setProjection(dv_OrthoProjection(-32, 32, -32, 32, 0, 100));
    scene_.addModel(&model_);
    engine_.setScene(&scene_);
  }
  Rgba shown(int x, int y) { return pixel(24 + 4 * x + 2, 28 + 4 * y + 2); }

  class HookModel : public dv_Model {
   public:
    void textureHook(unsigned int name) override { names.push_back(name); }
    std::vector<unsigned int> names;
  };

  dv_Image image_;
  dv_RectTexture rect_;
  HookModel model_;
  dv_ModelSet scene_;
};

TEST_F(TextureTest, QuadShowsEveryTexelInPlace) {
  engine_.draw();
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(shown(x, y), texel(x, y)) << x << ", " << y;
  // The rectangle covers exactly its 16 x 8 pixels.
  EXPECT_EQ(litRect(), (std::array<int, 4>{24, 28, 40, 36}));
  ASSERT_EQ(model_.names.size(), 1u);
  EXPECT_EQ(model_.names[0], static_cast<unsigned int>(image_.getTextureId()));
  EXPECT_TRUE(glIsTexture(model_.names[0]));
  EXPECT_FALSE(image_.isUpdated());
}

// How the surface colour meets the texel: replaced, or multiplied by the
// ambient colour of the material in use (no lights in the scene).
TEST_F(TextureTest, EnvironmentModesAndMaterials) {
  struct Case {
    const char* what;
    int envMode;
    int materialId;  // -1: the model's material
    double r, g, b;  // the factor on each channel
  };
  const Case cases[] = {
      {"replace", dv_Texture::EnvReplace, -1, 1, 1, 1},
      {"modulate by the model", dv_Texture::EnvModulate, -1, 1, 0.5, 0.25},
      {"modulate by palette entry 1", dv_Texture::EnvModulate, 1, 0, 1, 0.5},
  };
  dv_Material own;
  own.setAmbient(1, 0.5, 0.25);
  model_.setMaterial(own);
  dv_Material entry;
  entry.setAmbient(0, 1, 0.5);
  rect_.getMaterialTable().pushPalette(dv_Material());
  rect_.getMaterialTable().pushPalette(entry);
  for (const Case& c : cases) {
    rect_.setEnvMode(c.envMode);
    if (c.materialId >= 0)
      rect_.setMaterialID(c.materialId);
    else
      rect_.setMaterialSource(dv_Shape::Palette);
    engine_.draw();
    const Rgba t = texel(2, 1);
    const Rgba want{toByte(t[0] / 255.0 * c.r), toByte(t[1] / 255.0 * c.g), toByte(t[2] / 255.0 * c.b), 255};
    EXPECT_TRUE(closeTo(shown(2, 1), want, 1)) << c.what;
  }
}

TEST_F(TextureTest, NoMaterialDrawsNothingButTheHooksRun) {
  rect_.setMaterialSource(dv_Shape::NoMaterial);
  engine_.draw();
  EXPECT_EQ(litRect(), (std::array<int, 4>{0, 0, 0, 0}));
  EXPECT_TRUE(model_.names.empty());
}

// Only the update area goes up: a texel changed outside it keeps its old
// colour until the whole image is marked changed.
TEST_F(TextureTest, PartialUpdateUploadsOnlyTheArea) {
  engine_.draw();
  const unsigned int name = model_.names.back();
  image_.setRGBA(1, 0, 255, 0, 0, 255);
  image_.setRGBA(3, 1, 0, 255, 0, 255);
  image_.setUpdateArea(1, 0, 1, 1);
  engine_.draw();
  EXPECT_EQ(shown(1, 0), (Rgba{255, 0, 0, 255}));
  EXPECT_EQ(shown(3, 1), texel(3, 1));
  EXPECT_EQ(shown(0, 0), texel(0, 0));
  EXPECT_EQ(model_.names.back(), name);

  // An area reaching beyond the image is cut to it.
  image_.setRGBA(3, 1, 0, 0, 255, 255);
  image_.setUpdateArea(2, 1, 500, 500);
  engine_.draw();
  EXPECT_EQ(shown(3, 1), (Rgba{0, 0, 255, 255}));

  image_.setRGBA(0, 1, 9, 9, 9, 255);
  image_.markAllUpdated();
  engine_.draw();
  EXPECT_EQ(shown(0, 1), (Rgba{9, 9, 9, 255}));
}

TEST_F(TextureTest, ANewBufferSizeRecreatesTheTexture) {
  engine_.draw();
  image_.reset(100, 2);
  image_.fill(10, 20, 30, 255);
  engine_.draw();
  EXPECT_EQ(shown(1, 1), (Rgba{10, 20, 30, 255}));
  GLint width = 0;
  glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(image_.getTextureId()));
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
  EXPECT_EQ(width, 128);
}

TEST_F(TextureTest, ReleasedTexturesAreUploadedAgain) {
  engine_.draw();
  const unsigned int name = model_.names.back();
  const int counter = dv_RenderEngine::getWindowCounter();
  engine_.releaseTextures();
  EXPECT_EQ(dv_RenderEngine::getWindowCounter(), counter + 1);
  EXPECT_FALSE(glIsTexture(name));
  glClear(GL_COLOR_BUFFER_BIT);
  engine_.draw();
  EXPECT_TRUE(glIsTexture(model_.names.back()));
  EXPECT_EQ(shown(3, 0), texel(3, 0));
}

TEST_F(TextureTest, CaptureReadsTheFrameTopRowFirst) {
  engine_.draw();
  for (bool back : {false, true}) {
    dv_Image shot(3, 3);
    ASSERT_TRUE(engine_.capture(shot, back));
    ASSERT_EQ(shot.getWidth(), W);
    ASSERT_EQ(shot.getHeight(), H);
    for (const auto& [x, y] : {std::pair{26, 30}, std::pair{38, 34}, std::pair{0, 0}}) {
      const Rgba p = pixel(x, y);
      EXPECT_EQ((Rgba{shot.getRed(x, y), shot.getGreen(x, y), shot.getBlue(x, y), 255}), p) << x << ", " << y;
      EXPECT_EQ(shot.getAlpha(x, y), 255);
    }
  }
}

}  // namespace
