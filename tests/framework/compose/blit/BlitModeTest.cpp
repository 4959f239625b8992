// Every blend mode through every kernel level: each mode's vector kernels
// exist where the processor has them, match the plain reference on every
// pair of source and target channel values, and match it on seeded random
// blits and on long rows for every filter, layout and clipping choice.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "framework/compose/blit/NVBlitKernels.h"
#include "tests/framework/compose/blit/BlitRandomCase.h"
#include "tests/framework/compose/blit/BlitReference.h"

namespace {

struct LevelGuard {
  explicit LevelGuard(int level) { nvBlitSetMaxLevel(level); }
  ~LevelGuard() { nvBlitSetMaxLevel(NV_BLIT_AVX2); }
};

const char* levelName(int level) { return level == NV_BLIT_AVX2 ? "avx2" : level == NV_BLIT_SSE2 ? "sse2" : "scalar"; }

// Runs the member and the reference on copies of c; returns how many target
// words differ and counts the words the reference changed in drawn.
int differences(const BlitCase& c, int& drawn) {
  BlitCase got = c, want = c;
  got.bind();
  want.bind();
  blitterFor(got.filter, got.layout, got.clipped)(got.params);
  referenceBlit(want.params, want.filter, want.layout, want.clipped);
  int count = 0;
  for (std::size_t i = 0; i < want.target.size(); ++i) {
    count += got.target[i] != want.target[i];
    drawn += want.target[i] != c.target[i];
  }
  return count;
}

struct Choice {
  int filter, layout;
  bool clipped;
};
const Choice kChoices[] = {{0, 1, false}, {0, 2, false}, {1, 1, false}, {1, 2, false},
                           {0, 1, true},  {0, 2, true},  {1, 1, true},  {1, 2, true}};

TEST(BlitModes, VectorKernelsCoverEveryMode) {
  for (int level = NV_BLIT_SSE2; level <= nvBlitCpuLevel(); ++level) {
    LevelGuard guard(level);
    for (int mode = 1; mode < kNVBlendModeCount; ++mode) {
      for (NVSampleFilter filter : {NVSampleFilter::Nearest, NVSampleFilter::Bilinear}) {
        for (NVPixelLayout layout : {NVPixelLayout::Bgra, NVPixelLayout::Rgba}) {
          EXPECT_NE(nvBlitSelectKernel(filter, NVBlendMode(mode), layout),
                    nvBlitScalarKernel(filter, NVBlendMode(mode), layout))
              << levelName(level) << " mode " << mode << " filter " << int(filter) << " layout " << int(layout);
        }
      }
    }
  }
}

// A 256x256 identity blit whose blue channel meets every (source, target)
// pair, green every pair the other way round and red every pair again, at an
// opaque sample (stored without blending) and a translucent one.
TEST(BlitModes, EveryChannelPairMatchesReference) {
  for (int level = NV_BLIT_SCALAR; level <= nvBlitCpuLevel(); ++level) {
    LevelGuard guard(level);
    for (int mode = 0; mode < kNVBlendModeCount; ++mode) {
      for (std::uint32_t alpha : {255u, 131u}) {
        BlitCase c;
        c.filter = 0;
        c.layout = 1;
        c.source.resize(256 * 256);
        c.target.resize(256 * 256);
        for (std::uint32_t k = 0; k < 256; ++k) {
          for (std::uint32_t i = 0; i < 256; ++i) {
            c.source[k * 256 + i] = alpha << 24 | (k ^ i) << 16 | i << 8 | k;
            c.target[k * 256 + i] = 0xC0000000u | (255 - i) << 16 | k << 8 | i;
          }
        }
        NVBlitParams& p = c.params;
        p.target.width = p.target.height = p.target.stride = 256;
        p.clip.right = p.clip.bottom = 256;
        p.sourceWidth = p.sourceHeight = p.itemWidth = p.itemHeight = 256;
        p.blendMode = mode;
        int drawn = 0;
        EXPECT_EQ(differences(c, drawn), 0) << levelName(level) << " mode " << mode << " alpha " << alpha;
      }
    }
  }
}

// Seeded random blits with the mode and the member forced, and a long row
// case per mapping (translation, rotation, scale) so that the vector loops
// run many times per row.
BlitCase wideCase(std::uint32_t seed, int mapping) {
  BlitCase c = makeBlitCase(seed);
  NVBlitParams& p = c.params;
  std::mt19937 engine(seed);
  p.target.width = p.target.stride = 150;
  p.target.height = 40;
  c.target.resize(150 * 40);
  for (std::uint32_t& w : c.target) {
    w = engine();
  }
  p.sourceWidth = p.itemWidth = 120;
  p.sourceHeight = p.itemHeight = 30;
  c.source.resize(120 * 30);
  for (std::uint32_t& w : c.source) {
    const std::uint32_t r = engine();
    w = r % 5 == 0 ? r & 0xFFFFFFu : r % 5 == 1 ? r | 0xFF000000u : r;
  }
  p.offsetX = p.offsetY = 0;
  p.absX = 10;
  p.absY = 4;
  p.clip = NVRect{0, 0, 150, 40};
  p.alpha = seed % 2 ? 255 : 200;
  const double th = mapping == 1 ? 0.3 : 0.0, scale = mapping == 2 ? 1.5 : 1.0;
  p.matrix = NVBlitMatrix{};
  if (mapping != 0) {
    const double cx = 70.0, cy = 19.0, s = std::sin(th) * scale, k = std::cos(th) * scale;
    p.matrix = NVBlitMatrix{k, -s, cx - k * cx + s * cy, s, k, cy - s * cx - k * cy};
  }
  // Clipped members see one ancestor that cuts every edge.
  c.ancestors.assign(1, NVBlitClipAncestor{});
  c.ancestors[0].absX = 6;
  c.ancestors[0].absY = 2;
  c.ancestors[0].width = 130;
  c.ancestors[0].height = 34;
  c.bind();
  return c;
}

TEST(BlitModes, EveryModeAndMemberMatchesReferenceAtEveryLevel) {
  for (int level = NV_BLIT_SCALAR; level <= nvBlitCpuLevel(); ++level) {
    LevelGuard guard(level);
    for (int mode = 0; mode < kNVBlendModeCount; ++mode) {
      for (const Choice& choice : kChoices) {
        int drawn = 0;
        for (std::uint32_t n = 0; n < 30; ++n) {
          BlitCase c = n < 3 ? wideCase(n + 1000u * std::uint32_t(mode), int(n)) : makeBlitCase(n * 97 + 5);
          c.filter = c.params.filter = choice.filter;
          c.layout = choice.layout;
          c.clipped = choice.clipped;
          c.params.blendMode = mode;
          const int differing = differences(c, drawn);
          ASSERT_EQ(differing, 0) << levelName(level) << " mode " << mode << " filter " << choice.filter << " layout "
                                  << choice.layout << " clipped " << choice.clipped << " case " << n << "\n"
                                  << c.describe();
        }
        EXPECT_GT(drawn, 3000) << levelName(level) << " mode " << mode << " filter " << choice.filter;
      }
    }
  }
}

}  // namespace
