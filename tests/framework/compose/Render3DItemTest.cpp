// Widgets hosted by 3D items, drawn by the toolkit renderer into an
// off-screen context and read back, and hit-tested where they were drawn.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>

#include "framework/compose/NV3DItem.h"
#include "framework/compose/NV3DStage.h"
#include "framework/compose/NVImage.h"
#include "framework/core/NVGUICoreObject.h"
#include "framework/widgets/NVWidget.h"
#include "framework/core/NVStageBase.h"
#include "platform/opengl.h"
#include "platform/runtime/OffscreenGL.h"
#include "tests/support/EngineHarness.h"
#include "toolkit/dv_GLContext.h"
#include "toolkit/dv_ModelSet.h"
#include "toolkit/dv_RenderEngine.h"

namespace {

using Rgb = std::array<int, 3>;
constexpr Rgb kBlack{0, 0, 0}, kRed{255, 0, 0}, kBlue{0, 0, 255};

class OffscreenContext : public dv_GLContext {
 public:
  explicit OffscreenContext(nvrt::OffscreenGL* gl) : gl_(gl) {}
  bool makeCurrent() override { return gl_->makeCurrent(); }

 private:
  nvrt::OffscreenGL* gl_;
};

// A face of one colour whose columns from `holeFrom` on are transparent.
NVImage* face(int w, int h, Rgb colour, int holeFrom) {
  auto* image = new NVImage(w, h);
  image->fill(colour[0], colour[1], colour[2], 255);
  for (int y = 0; y < h; ++y)
    for (int x = holeFrom; x < w; ++x) image->setRGBA(x, y, 0, 0, 0, 0);
  return image;
}

// A 300 x 300 stage: a red 100 x 50 widget at (40, 60) whose last 20
// columns are transparent, with a blue 20 x 20 child at (10, 10) in it.
class Render3DItemTest : public ::testing::Test {
 protected:
  static constexpr int S = 300;
  static void SetUpTestSuite() { useNullDisplay(); }
  void SetUp() override {
    gl_ = nvrt::OffscreenGL::create(S, S);
    ASSERT_NE(gl_, nullptr);
    context_ = std::make_unique<OffscreenContext>(gl_.get());
    renderer_.setContext(context_.get());
    renderer_.init(S, S);
    renderer_.initGL();
    renderer_.setScene(&scene_);
    window_ = new NVStageBase();
    window_->width = S;
    window_->height = S;
    stage3D_ = std::make_unique<NV3DStage>(window_, &scene_);
    redFace_.reset(face(100, 50, kRed, 80));
    blueFace_.reset(face(20, 20, kBlue, 20));
    parent_ = std::make_unique<NVWidget>(40, 60, 100, 50);
    child_ = std::make_unique<NVWidget>(10, 10, 20, 20);
    parent_->setImage(redFace_.get());
    child_->setImage(blueFace_.get());
    stage3D_->addItem(parent_->item3D(), true);
    parent_->addChild(child_.get(), true);
  }
  void TearDown() override {
    parent_->removeChild(child_.get());
    child_.reset();
    parent_.reset();
    stage3D_.reset();
    delete window_;
    freeDeferred();
  }
  Rgb drawn(int x, int y) {
    const std::uint8_t* p = gl_->pixels().data() + ((S - 1 - y) * S + x) * 4;
    return Rgb{p[0], p[1], p[2]};
  }
  void draw() {
    renderer_.draw();
    glFinish();
  }
  NVWidget* widgetAt(int x, int y) {
    const auto hits = stage3D_->hitTest(x, y);
    return hits.empty() ? nullptr : hits.front()->ownerWidget;
  }

  std::unique_ptr<nvrt::OffscreenGL> gl_;
  std::unique_ptr<OffscreenContext> context_;
  dv_RenderEngine renderer_;
  dv_ModelSet scene_;
  NVStageBase* window_ = nullptr;
  std::unique_ptr<NV3DStage> stage3D_;
  std::unique_ptr<NVImage> redFace_, blueFace_;
  std::unique_ptr<NVWidget> parent_, child_;
};

TEST_F(Render3DItemTest, WidgetsAreDrawnOnTheirPixelRectangles) {
  ASSERT_EQ(scene_.getModels().size(), 2u);
  draw();
  struct Probe {
    int x, y;
    Rgb colour;
  };
  const Probe probes[] = {
      {40, 60, kRed},    {119, 109, kRed}, {39, 60, kBlack},   {40, 59, kBlack}, {120, 80, kBlack},
      {40, 110, kBlack}, {50, 70, kBlue},  {69, 89, kBlue},    {70, 89, kRed},   {69, 90, kRed},
      {130, 70, kBlack}, {20, 20, kBlack}, {299, 299, kBlack},
  };
  for (const Probe& p : probes) EXPECT_EQ(drawn(p.x, p.y), p.colour) << p.x << "," << p.y;
  // The hooks leave both matrix stacks as they found them.
  GLint modelview = 0, projection = 0, mode = 0;
  glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &modelview);
  glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &projection);
  glGetIntegerv(GL_MATRIX_MODE, &mode);
  EXPECT_EQ(modelview, 1);
  EXPECT_EQ(projection, 1);
  EXPECT_EQ(mode, GL_MODELVIEW);
}

// Wherever a widget's pixel is drawn, the hit test finds that widget, and
// nothing where nothing is drawn.
TEST_F(Render3DItemTest, HitTestsAgreeWithThePixels) {
  draw();
  int red = 0, blue = 0;
  for (int y = 0; y < S; y += 3)
    for (int x = 0; x < S; x += 3) {
      const Rgb colour = drawn(x, y);
      NVWidget* hit = widgetAt(x, y);
      if (colour == kRed) {
        ++red;
        ASSERT_EQ(hit, parent_.get()) << x << "," << y;
      } else if (colour == kBlue) {
        ++blue;
        ASSERT_EQ(hit, child_.get()) << x << "," << y;
      } else {
        ASSERT_EQ(colour, kBlack) << x << "," << y;
        ASSERT_EQ(hit, nullptr) << x << "," << y;
      }
    }
  EXPECT_GT(red, 300);
  EXPECT_GT(blue, 30);
}

TEST_F(Render3DItemTest, MovedHiddenAndRepaintedWidgetsAreDrawnAnew) {
  parent_->moveTo(150, 200);
  child_->hide();
  draw();
  EXPECT_EQ(drawn(40, 60), kBlack);
  EXPECT_EQ(drawn(150, 200), kRed);
  EXPECT_EQ(drawn(165, 215), kRed);  // where the hidden child would be
  EXPECT_EQ(widgetAt(165, 215), parent_.get());
  child_->show();
  blueFace_->fill(0, 255, 0, 255);
  child_->setImage(blueFace_.get());
  draw();
  EXPECT_EQ(drawn(165, 215), (Rgb{0, 255, 0}));
  EXPECT_EQ(widgetAt(165, 215), child_.get());
}

}  // namespace
