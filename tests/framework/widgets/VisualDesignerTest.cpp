// The designer runs its painter under the engine lock with its parameter,
// and does nothing without a painter.
#include <gtest/gtest.h>

#include <thread>

#include "framework/core/NVEngineLock.h"
#include "framework/widgets/NVPainters.h"
#include "framework/widgets/NVVisualDesigner.h"
#include "tests/framework/widgets/PaintTestSupport.h"

namespace {

TEST(VisualDesigner, StartsEmptyWithParameterZero) {
  NVVisualDesigner designer;
  EXPECT_EQ(designer.typeName, "NVVisualDesigner");
  EXPECT_FALSE(designer.hasPainter());
  EXPECT_EQ(designer.getParam(), 0);
}

TEST(VisualDesigner, WithoutAPainterLeavesTheImageAlone) {
  NVVisualDesigner designer;
  NVImage image(4, 3);
  image.fill(1, 2, 3, 4);
  EXPECT_NO_THROW(designer.paint(&image, 20, 20));
  EXPECT_EQ(image.getWidth(), 4);
  EXPECT_EQ(painttest::pixel(image, 3, 2), (painttest::Rgba{1, 2, 3, 4}));
}

TEST(VisualDesigner, PassesSizeAndParameterUnderTheEngineLock) {
  NVVisualDesigner designer;
  struct Seen {
    NVImage* image = nullptr;
    int w = 0, h = 0, param = 0, calls = 0;
    bool lockedElsewhere = false;
  } seen;
  designer.setPainter(
      [&seen](NVImage* image, int w, int h, int param) {
        seen = {image, w, h, param, seen.calls + 1, false};
        std::thread other([&seen] {
          seen.lockedElsewhere = !engineLock.try_lock();
          if (!seen.lockedElsewhere) engineLock.unlock();
        });
        other.join();
      },
      42);
  NVImage image;
  designer.paint(&image, 7, 9);
  EXPECT_EQ(seen.image, &image);
  EXPECT_EQ(seen.w, 7);
  EXPECT_EQ(seen.h, 9);
  EXPECT_EQ(seen.param, 42);
  EXPECT_EQ(seen.calls, 1);
  EXPECT_TRUE(seen.lockedElsewhere);
  // The lock is free again afterwards, and the designer may run while the
  // caller already holds it.
  std::thread([] {
    ASSERT_TRUE(engineLock.try_lock());
    engineLock.unlock();
  }).join();
  std::lock_guard hold(engineLock);
  designer.paint(&image, 7, 9);
  EXPECT_EQ(seen.calls, 2);
}

TEST(VisualDesigner, RunsAPainterOfTheGroup) {
  NVVisualDesigner designer;
  designer.setPainter(paintButtonFace, 0);
  NVImage viaDesigner, direct;
  designer.paint(&viaDesigner, 30, 12);
  paintButtonFace(&direct, 30, 12, 0);
  EXPECT_EQ(painttest::words(viaDesigner), painttest::words(direct));
}

TEST(VisualDesigner, DeletedThroughTheBaseLikeEveryFrameworkObject) {
  NVGUICoreObject* object = new NVVisualDesigner;
  EXPECT_EQ(object->typeName, "NVVisualDesigner");
  delete object;
  freeDeferred();
}

}  // namespace
