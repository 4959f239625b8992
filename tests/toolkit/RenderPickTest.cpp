// Picking with the selection buffer, and the mapping between scene points
// and window points both ways.
#include <cmath>
#include <numbers>

#include "tests/toolkit/RenderFixture.h"
#include "toolkit/dv_ModelSet.h"
#include "toolkit/dv_PickResult.h"
#include "toolkit/dv_Plane.h"

namespace {

// An orthographic scene of one unit per pixel: scene (0, 0) is window
// pixel corner (32, 32), where the framework picks.
class PickTest : public RenderTest {
 protected:
  void SetUp() override {
    RenderTest::SetUp();
    scene_.setProjection(dv_OrthoProjection(-32, 32, -32, 32, 0, 100));
    engine_.setScene(&scene_);
  }
  dv_PickResult pickAtCentre() {
    dv_PickResult result;
    engine_.setupPick(1, W / 2, H / 2);
    engine_.pick(result);
    return result;
  }
  dv_ModelSet scene_;
};

// A shape whose second face, second edge and ninth vertex lie under the
// pick point, with decoys of every kind beside it.
void makeCross(TestShape& shape) {
  shape.addSquare(10, 10, 20, 20);  // face 0, vertices 0-3
  shape.addSquare(-4, -4, 4, 4);    // face 1, vertices 4-7
  const int centre = shape.addVertex(0, 0);
  const int left = shape.addVertex(-10, 0);
  const int right = shape.addVertex(10, 0);
  shape.addEdge(0, 2);  // edge 0, away from the centre
  shape.addEdge(left, right);
  EXPECT_EQ(centre, 8);
}

TEST_F(PickTest, HitsNameTheElementAndItsKind) {
  struct Case {
    int parts;
    int id;
    int kind;
  };
  TestShape shape;
  makeCross(shape);
  for (const Case c :
       {Case{dv_Model::DrawFaces, 1, dv_PickResult::Face}, Case{dv_Model::DrawLines, 1, dv_PickResult::Edge},
        Case{dv_Model::DrawPoints, 8, dv_PickResult::Vertex}}) {
    dv_Model model(&shape);
    model.setPickable(true);
    model.setDrawParts(c.parts);
    model.glSetPosition(0, 0, -10);
    scene_.clearModels();
    scene_.addModel(&model);
    const dv_PickResult result = pickAtCentre();
    ASSERT_EQ(result.getSize(), 1) << c.parts;
    EXPECT_EQ(result.getModel(0), &model);
    EXPECT_EQ(result.getID(0), c.id) << c.parts;
    EXPECT_EQ(result.getType(0), c.kind) << c.parts;
  }
}

// Models that are not pickable take no name; hit model indices follow the
// order in which the pickable models were drawn, whatever their depth.
TEST_F(PickTest, SkipsUnpickableModelsAndKeepsDrawingOrder) {
  TestShape shape;
  makeCross(shape);
  dv_Model a(&shape), b(&shape), c(&shape);
  const double depths[3] = {-10, -5, -20};
  dv_Model* models[3] = {&a, &b, &c};
  for (int i = 0; i < 3; ++i) {
    models[i]->glSetPosition(0, 0, depths[i]);
    models[i]->setPickable(i != 1);
    scene_.addModel(models[i]);
  }
  struct Case {
    std::vector<dv_Model*> order;
    std::vector<dv_Model*> hits;
  };
  const Case cases[] = {{{&a, &b, &c}, {&a, &c}}, {{&c, &b, &a}, {&c, &a}}};
  for (const Case& k : cases) {
    for (dv_Model* m : k.order) scene_.addModel(m);
    const dv_PickResult result = pickAtCentre();
    ASSERT_EQ(result.getSize(), static_cast<int>(k.hits.size()));
    for (int i = 0; i < result.getSize(); ++i) {
      EXPECT_EQ(result.getModel(i), k.hits[i]) << i;
      EXPECT_EQ(result.getID(i), 1);
      EXPECT_EQ(result.getType(i), dv_PickResult::Face);
    }
  }
  // Picking leaves the normal projection behind: a frame still draws.
  a.setMaterial(dv_Material());
  engine_.draw();
  EXPECT_NE(pixel(W / 2, H / 2), (Rgba{0, 0, 0, 255}));
}

TEST_F(PickTest, NothingUnderThePointGivesNoHits) {
  TestShape shape;
  makeCross(shape);
  dv_Model model(&shape);
  model.setPickable(true);
  model.glSetPosition(25, 25, -10);
  scene_.addModel(&model);
  EXPECT_EQ(pickAtCentre().getSize(), 0);
}

// Scene points seen from several cameras through both projections: the
// window point found for a scene point unprojects to a line through it.
TEST_F(RenderTest, ProjectAndUnprojectRoundTrips) {
  struct Case {
    const char* what;
    bool ortho;
    dv_Vector camera;
    dv_Vector focus;
    dv_Vector point;
  };
  const Case cases[] = {
      {"ahead", false, {0, 0, 0}, {0, 0, -1}, {0, 0, -50}},
      {"off-axis", false, {0, 0, 0}, {0, 0, -1}, {3, -2, -20}},
      {"moved and turned camera", false, {10, 5, 30}, {0, 0, 0}, {1, 2, 3}},
      {"ortho", true, {0, 0, 0}, {0, 0, -1}, {100, -40, -500}},
      {"ortho turned", true, {-20, 0, 0}, {0, 0, -100}, {-50, 70, -60}},
  };
  for (const Case& c : cases) {
    dv_ModelSet scene;
    if (c.ortho) scene.setProjection(dv_OrthoProjection());
    dv_Model camera;
    camera.glSetPosition(c.camera);
    camera.glFocus(c.focus);
    scene.setCamera(&camera);
    engine_.setScene(&scene);

    dv_Vector window;
    ASSERT_TRUE(engine_.projectToWindow(c.point, window)) << c.what;
    EXPECT_GT(window.z, 0.0) << c.what;
    EXPECT_LT(window.z, 1.0) << c.what;
    dv_Vector nearPoint, farPoint;
    ASSERT_TRUE(engine_.unprojectFromWindow(window.x, window.y, nearPoint, farPoint)) << c.what;
    // The point lies on the line from the near to the far point.
    const dv_Vector along = farPoint - nearPoint;
    const dv_Vector off = dv_Cross(c.point - nearPoint, along);
    EXPECT_LT(off.length() / along.length(), 1e-6) << c.what;

    dv_Plane plane;
    plane.setFromPointNormal(c.point, dv_Vector(0.3, 1, 0.2));
    dv_Vector hit;
    ASSERT_TRUE(engine_.unprojectToPlane(window.x, window.y, plane, hit)) << c.what;
    EXPECT_LT((hit - c.point).length(), 1e-6) << c.what;
    if (!c.ortho) {
      // Every line of sight starts at the camera.
      dv_Vector at;
      const double distance = (c.point - c.camera).length();
      ASSERT_TRUE(engine_.unprojectAtDistance(window.x, window.y, distance, at)) << c.what;
      EXPECT_LT((at - c.point).length(), 1e-6) << c.what;
    }
    engine_.setScene(nullptr);
  }
}

// The window mapping from its formula: the view axis meets the window at
// (x + w / 2, y + height - 1 - h / 2); a point at the eye has no image.
TEST_F(RenderTest, ProjectToWindowFormulaAndFailures) {
  dv_ModelSet scene;
  engine_.setScene(&scene);
  dv_Vector window;
  ASSERT_TRUE(engine_.projectToWindow(dv_Vector(0, 0, -10), window));
  EXPECT_NEAR(window.x, W / 2.0, 1e-9);
  EXPECT_NEAR(window.y, H - 1 - H / 2.0, 1e-9);
  // Depth of a perspective: (f + n) / (f - n) - 2 f n / ((f - n) d), mapped to 0..1.
  const double n = 1, f = 6000, d = 10;
  // The matrices come back from OpenGL in single precision.
  EXPECT_NEAR(window.z, ((f + n) / (f - n) - 2 * f * n / ((f - n) * d) + 1) / 2, 1e-6);
  EXPECT_FALSE(engine_.projectToWindow(dv_Vector(0, 0, 0), window));

  engine_.setScene(nullptr);
  dv_Plane plane;
  dv_Vector at;
  EXPECT_FALSE(engine_.unprojectAtDistance(3, 4, 10, at));
  EXPECT_FALSE(engine_.unprojectToPlane(3, 4, plane, at));
}

TEST_F(RenderTest, LineParallelToThePlaneHasNoIntersection) {
  dv_ModelSet scene;
  scene.setProjection(dv_OrthoProjection());
  engine_.setScene(&scene);
  dv_Plane plane;
  plane.setFromPointNormal(dv_Vector(0, 0, -5), dv_Vector(1, 0, 0));
  dv_Vector at;
  EXPECT_FALSE(engine_.unprojectToPlane(10, 10, plane, at));
}

}  // namespace
