// The scene side of the renderer, which needs no OpenGL: model sets,
// worlds, projections, lights, pick results and the scene id pool.
#include <gtest/gtest.h>

#include <memory>
#include <numbers>
#include <vector>

#include "tests/toolkit/ReportCapture.h"
#include "toolkit/dv_Light.h"
#include "toolkit/dv_ModelSet.h"
#include "toolkit/dv_PickResult.h"
#include "toolkit/dv_SceneIdPool.h"
#include "toolkit/dv_World.h"

namespace {

using Models = std::vector<dv_Model*>;

TEST(ModelSetTest, EnteringSortsLightsAndMovesToTheEnd) {
  dv_ModelSet scene;
  dv_Light light;
  dv_Model a, b, lamp(&light);
  EXPECT_EQ(scene.getType(), 5);
  EXPECT_FALSE(scene.addModel(nullptr));
  EXPECT_TRUE(scene.addModel(&a));
  EXPECT_TRUE(scene.addModel(&lamp));
  EXPECT_TRUE(scene.addModel(&b));
  EXPECT_EQ(scene.getModels(), (Models{&a, &b}));
  EXPECT_EQ(scene.getLights(), (Models{&lamp}));
  EXPECT_TRUE(scene.addModel(&a));
  EXPECT_EQ(scene.getModels(), (Models{&b, &a}));

  EXPECT_TRUE(scene.removeModel(&lamp));
  EXPECT_TRUE(scene.getLights().empty());
  EXPECT_FALSE(scene.removeModel(&lamp));
  scene.addModel(&lamp);
  scene.clearModels();
  EXPECT_TRUE(scene.getModels().empty());
  EXPECT_TRUE(scene.getLights().empty());
}

TEST(ModelSetTest, OverlaysRefuseLights) {
  dv_ModelSet scene;
  dv_Light light;
  dv_Model a, b, lamp(&light);
  EXPECT_FALSE(scene.addOverlay(&lamp));
  EXPECT_TRUE(scene.addOverlay(&a));
  EXPECT_TRUE(scene.addOverlay(&b));
  EXPECT_TRUE(scene.addOverlay(&a));
  EXPECT_EQ(scene.getOverlays(), (Models{&b, &a}));
  EXPECT_TRUE(scene.removeOverlay(&b));
  EXPECT_FALSE(scene.removeOverlay(&b));
  EXPECT_EQ(scene.getOverlays(), (Models{&a}));
  EXPECT_TRUE(scene.getModels().empty());
}

TEST(ModelSetTest, CameraAndProjections) {
  dv_ModelSet scene;
  dv_Model* own = scene.getCamera();
  ASSERT_NE(own, nullptr);
  dv_Model camera;
  scene.setCamera(&camera);
  EXPECT_EQ(scene.getCamera(), &camera);
  scene.setCamera(nullptr);
  EXPECT_EQ(scene.getCamera(), own);

  EXPECT_EQ(scene.getProjection().getType(), 47);
  EXPECT_DOUBLE_EQ(scene.getPerspective().getFovy(), 40.0 * std::numbers::pi / 180.0);
  EXPECT_DOUBLE_EQ(scene.getPerspective().getNear(), 1.0);
  EXPECT_DOUBLE_EQ(scene.getPerspective().getFar(), 6000.0);
  const dv_OrthoProjection& o = scene.getOrtho();
  EXPECT_EQ(std::vector<double>({o.getLeft(), o.getRight(), o.getBottom(), o.getTop(), o.getNear(), o.getFar()}),
            std::vector<double>({-500, 500, -500, 500, 0, 10000}));

  const int version = scene.getProjectionVersion();
  dv_OrthoProjection ortho(-1, 1, -2, 2, 0.5, 9);
  scene.setProjection(ortho);
  ortho.setParameters(0, 0, 0, 0, 0, 0);
  EXPECT_EQ(scene.getProjection().getType(), 48);
  EXPECT_DOUBLE_EQ(scene.getOrtho().getTop(), 2.0);
  EXPECT_EQ(scene.getProjectionVersion(), version + 1);
  scene.setProjection(dv_Perspective(1.0, 2.0, 3.0));
  EXPECT_EQ(scene.getProjection().getType(), 47);
  EXPECT_DOUBLE_EQ(scene.getPerspective().getFar(), 3.0);
  // Other projections are not taken over.
  scene.setProjection(dv_Projection());
  EXPECT_EQ(scene.getProjection().getType(), 47);
}

TEST(WorldTest, DefaultsAndFogChanges) {
  dv_World world;
  EXPECT_EQ(world.getType(), 6);
  EXPECT_EQ(world.getFogType(), 3);
  EXPECT_EQ(world.getFogQuality(), 2);
  EXPECT_DOUBLE_EQ(world.getFogStart(), 1.0);
  EXPECT_DOUBLE_EQ(world.getFogEnd(), 5.0);
  EXPECT_DOUBLE_EQ(world.getFogDensity(), 0.35);
  EXPECT_TRUE(world.getFogColor() == dv_Color(0.5, 0.5, 0.5, 1));
  EXPECT_TRUE(world.getBackground() == dv_Color(0, 0, 0, 1));
  EXPECT_FALSE(world.getBlending());
  EXPECT_TRUE(world.isFogChanged());

  struct Case {
    const char* what;
    bool (*change)(dv_World&);
    bool accepted;
  };
  const Case cases[] = {
      {"type 1", [](dv_World& w) { return w.setFogType(1); }, true},
      {"type 4", [](dv_World& w) { return w.setFogType(4); }, false},
      {"quality 0", [](dv_World& w) { return w.setFogQuality(0); }, true},
      {"quality 3", [](dv_World& w) { return w.setFogQuality(3); }, false},
      {"range",
       [](dv_World& w) {
         w.setFogRange(2, 3);
         return true;
       },
       true},
      {"density",
       [](dv_World& w) {
         w.setFogDensity(0.1);
         return true;
       },
       true},
      {"colour", [](dv_World& w) { return w.setFogColor(0.1, 0.2, 0.3); }, true},
      {"bad colour", [](dv_World& w) { return w.setFogColor(2, 0, 0); }, false},
  };
  for (const Case& c : cases) {
    world.clearFogChanged();
    EXPECT_EQ(c.change(world), c.accepted) << c.what;
    EXPECT_EQ(world.isFogChanged(), c.accepted) << c.what;
  }
  EXPECT_EQ(world.getFogType(), 1);
  EXPECT_EQ(world.getFogQuality(), 0);
  EXPECT_TRUE(world.getFogColor() == dv_Color(0.1, 0.2, 0.3, 1));
}

TEST(PerspectiveTest, RefusesValuesOutOfRange) {
  ReportCapture capture;
  struct Case {
    const char* what;
    bool (*set)(dv_Perspective&);
    bool accepted;
    const char* function;
    const char* message;
  };
  const Case cases[] = {
      {"fovy pi", [](dv_Perspective& p) { return p.setFovy(std::numbers::pi); }, true, "", ""},
      {"fovy 0", [](dv_Perspective& p) { return p.setFovy(0.0); }, false, "setFovy", "Fovy Angle Error."},
      {"fovy above pi", [](dv_Perspective& p) { return p.setFovy(3.2); }, false, "setFovy", "Fovy Angle Error."},
      {"near 0", [](dv_Perspective& p) { return p.setNear(0.0); }, false, "setNear", "Near Plane Distance Error."},
      {"near 0.01", [](dv_Perspective& p) { return p.setNear(0.01); }, true, "", ""},
      {"far -1", [](dv_Perspective& p) { return p.setFar(-1.0); }, false, "setFar", "Far Plane Distance Error."},
  };
  for (const Case& c : cases) {
    dv_Perspective p;
    EXPECT_EQ(c.set(p), c.accepted) << c.what;
    const std::vector<std::string> reports = capture.take();
    if (c.accepted) {
      EXPECT_TRUE(reports.empty()) << c.what;
      continue;
    }
    EXPECT_EQ(reports, std::vector<std::string>{ReportCapture::located("dv_Perspective", c.function, 1, c.message)})
        << c.what;
    // A refused value leaves the projection as it was.
    EXPECT_DOUBLE_EQ(p.getFovy(), dv_Perspective::DefaultFovy) << c.what;
    EXPECT_DOUBLE_EQ(p.getNear(), 1.0) << c.what;
    EXPECT_DOUBLE_EQ(p.getFar(), 6000.0) << c.what;
  }
  dv_Perspective p(0.5, 2.0, 10.0);
  EXPECT_FALSE(p.setParameters(1.0, 0.0, 20.0));
  EXPECT_DOUBLE_EQ(p.getFovy(), 1.0);
  EXPECT_DOUBLE_EQ(p.getNear(), 2.0);
  EXPECT_DOUBLE_EQ(p.getFar(), 20.0);
}

TEST(LightTest, StoredValues) {
  dv_Light light;
  EXPECT_EQ(light.getType(), 20);
  EXPECT_EQ(light.getLightType(), dv_Light::Parallel);
  EXPECT_DOUBLE_EQ(light.getSpotCutOff(), std::numbers::pi / 4);
  EXPECT_TRUE(light.setLightType(dv_Light::Spot));
  EXPECT_FALSE(light.setLightType(3));
  EXPECT_EQ(light.getLightType(), dv_Light::Spot);

  light.setAttenuation(0.5, 1e-9);
  EXPECT_DOUBLE_EQ(light.getLinearAttenuation(), 0.5);
  EXPECT_DOUBLE_EQ(light.getQuadraticAttenuation(), 0.0);
  light.setSpotExponent(-3.0);
  EXPECT_DOUBLE_EQ(light.getSpotExponent(), 0.0);
  struct Case {
    double set;
    double stored;
  };
  for (const Case c : {Case{0.3, 0.3}, Case{1e-9, 0.0}, Case{-1.0, 0.0},
                       Case{std::numbers::pi / 2, std::numbers::pi / 2}, Case{1.6, 1e-8}}) {
    light.setSpotCutOff(c.set);
    EXPECT_DOUBLE_EQ(light.getSpotCutOff(), c.stored) << c.set;
  }
  // A model whose shape is a light is a light model.
  dv_Model lamp(&light), plain;
  EXPECT_TRUE(dv_ModelSet::isLightModel(&lamp));
  EXPECT_FALSE(dv_ModelSet::isLightModel(&plain));
}

TEST(PickResultTest, ParallelListsAndRanges) {
  dv_PickResult result;
  dv_Model a, b;
  EXPECT_EQ(result.getType(), 45);
  result.add(&a, 3, dv_PickResult::Face);
  result.add(&b, 7, dv_PickResult::Vertex);
  EXPECT_EQ(result.getSize(), 2);
  EXPECT_EQ(result.getModel(1), &b);
  EXPECT_EQ(result.getID(1), 7);
  EXPECT_EQ(result.getType(0), 52);
  for (int i : {-1, 2}) {
    EXPECT_EQ(result.getModel(i), nullptr);
    EXPECT_EQ(result.getID(i), -1);
    EXPECT_EQ(result.getType(i), 0);
  }
  result.clear();
  EXPECT_EQ(result.getSize(), 0);
}

TEST(SceneIdPoolTest, GivenBackIdsAreReusedFirstInFirstOut) {
  auto a = std::make_unique<dv_ModelSet>();
  auto b = std::make_unique<dv_World>();
  const int idA = a->getSceneId();
  const int idB = b->getSceneId();
  EXPECT_GE(idA, 1);
  EXPECT_NE(idA, idB);
  EXPECT_FALSE(dv_SceneIdPool::giveBack(-5));
  b.reset();
  a.reset();
  // Only an id in use can be given back.
  EXPECT_FALSE(dv_SceneIdPool::giveBack(idB));
  // Ids given back before these two are taken first; then b's, then a's.
  std::vector<std::unique_ptr<dv_ModelSet>> scenes;
  while (scenes.size() < 1000) {
    scenes.push_back(std::make_unique<dv_ModelSet>());
    if (scenes.back()->getSceneId() == idB) break;
  }
  ASSERT_EQ(scenes.back()->getSceneId(), idB);
  dv_ModelSet reusing;
  EXPECT_EQ(reusing.getSceneId(), idA);
  // With nothing given back, a new scene takes one more than the largest.
  dv_ModelSet next;
  dv_ModelSet after;
  EXPECT_EQ(after.getSceneId(), next.getSceneId() + 1);
}

}  // namespace
