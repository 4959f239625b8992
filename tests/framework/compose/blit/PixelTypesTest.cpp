#include <gtest/gtest.h>

#include <vector>

#include "framework/compose/blit/NVBlendMode.h"
#include "framework/compose/blit/NVPixelTarget.h"
#include "framework/compose/blit/NVSampleFilter.h"

namespace {

TEST(PixelTypes, StoredBlendModesMapToTheirModesAndUnknownOnesToNormal) {
  struct Case {
    int stored;
    NVBlendMode mode;
  };
  const Case cases[] = {
      {-1, NVBlendMode::Normal},    {0, NVBlendMode::Normal},  {1, NVBlendMode::Inverted},
      {2, NVBlendMode::Multiply},   {3, NVBlendMode::Screen},  {4, NVBlendMode::Darken},
      {5, NVBlendMode::Lighten},    {6, NVBlendMode::Overlay}, {7, NVBlendMode::ColourDodge},
      {8, NVBlendMode::ColourBurn}, {9, NVBlendMode::Normal},  {1000, NVBlendMode::Normal},
  };
  for (const Case& c : cases) EXPECT_EQ(nvBlendModeOf(c.stored), c.mode) << c.stored;
}

TEST(PixelTypes, OnlyTheTwoStoredFiltersAreKnown) {
  for (int stored = -2; stored <= 3; ++stored) EXPECT_EQ(nvIsSampleFilter(stored), stored == 0 || stored == 1);
  EXPECT_EQ(int(NVSampleFilter::Nearest), 0);
  EXPECT_EQ(int(NVSampleFilter::Bilinear), 1);
}

TEST(PixelTypes, TheToolkitLayoutStoresRowsBottomUp) {
  std::vector<std::uint32_t> pixels(5 * 4, 0u);
  for (NVPixelLayout layout : {NVPixelLayout::Bgra, NVPixelLayout::Rgba}) {
    const NVPixelTarget target{pixels.data(), 3, 4, 5, layout};
    for (int y = 0; y < 4; ++y) {
      const int row = layout == NVPixelLayout::Rgba ? 3 - y : y;
      EXPECT_EQ(target.bufferRow(y), row);
      EXPECT_EQ(target.row(y), pixels.data() + row * 5);  // stride, not width, apart
    }
  }
  EXPECT_EQ(int(NVPixelLayout::Bgra), 1);
  EXPECT_EQ(int(NVPixelLayout::Rgba), 2);
}

}  // namespace
