// The cases that pin down the blitters' edges: alpha handling, the blend
// example values, placement limits, layouts, and the inputs that must draw
// nothing rather than crash or read outside the source.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "framework/compose/blit/NVBlitters.h"
#include "tests/framework/compose/blit/BlitReference.h"

namespace {

// A target, a source and an item at the origin with the identity matrix.
struct Scene {
  std::vector<std::uint32_t> target, source;
  NVBlitParams p;

  Scene(int tw, int th, std::uint32_t background, int sw, int sh, std::uint32_t fill)
      : target(std::size_t(tw * th), background), source(std::size_t(sw * sh), fill) {
    p.target.width = tw;
    p.target.height = th;
    p.target.stride = tw;
    p.clip.right = tw;
    p.clip.bottom = th;
    p.sourceWidth = sw;
    p.sourceHeight = sh;
    p.itemWidth = sw;
    p.itemHeight = sh;
  }
  void run(int filter, int layout, bool clipped) {
    p.target.pixels = target.data();
    p.source = source.data();
    blitterFor(filter, layout, clipped)(p);
  }
};

std::uint32_t argb(int a, int r, int g, int b) {
  return std::uint32_t(a) << 24 | std::uint32_t(r) << 16 | std::uint32_t(g) << 8 | std::uint32_t(b);
}

struct Member {
  int filter, layout;
  bool clipped;
};
const Member kMembers[] = {{0, 1, false}, {1, 1, false}, {0, 2, false}, {1, 2, false},
                           {0, 1, true},  {1, 1, true},  {0, 2, true},  {1, 2, true}};

TEST(Blitters, OpaqueSampleAtFullAlphaStoresAlpha254) {
  Scene s(1, 1, argb(255, 1, 2, 3), 1, 1, argb(255, 0x40, 0x50, 0x60));
  s.run(0, 1, false);
  EXPECT_EQ(s.target[0], argb(254, 0x40, 0x50, 0x60));
}

TEST(Blitters, TransparentSampleLeavesTargetInEveryMemberAndMode) {
  for (const Member& m : kMembers) {
    for (int mode = 0; mode <= 9; ++mode) {
      Scene s(3, 3, argb(17, 200, 100, 50), 3, 3, argb(0, 9, 9, 9));
      s.p.blendMode = mode;
      s.run(m.filter, m.layout, m.clipped);
      EXPECT_EQ(s.target, std::vector<std::uint32_t>(9, argb(17, 200, 100, 50))) << "mode " << mode;
    }
  }
}

TEST(Blitters, HalfAlphaBlendsBlueFrom100Toward0) {
  Scene s(1, 1, argb(255, 0, 0, 100), 1, 1, argb(255, 0, 0, 0));
  s.p.alpha = 129;  // beta = 255 * 129 >> 8 = 128
  s.run(0, 1, false);
  EXPECT_EQ(s.target[0] & 0xFFu, 50u);
}

TEST(Blitters, TranslucentOverOpaqueStaysOpaque) {
  for (int alpha = 1; alpha < 255; alpha += 23) {
    Scene s(1, 1, argb(255, 10, 20, 30), 1, 1, argb(alpha, 90, 80, 70));
    s.run(0, 1, false);
    EXPECT_EQ(s.target[0] >> 24, 255u) << "alpha " << alpha;
  }
}

TEST(Blitters, IdentityPlacementStopsAtItemAndSource) {
  Scene s(20, 20, 0, 6, 4, 0);
  for (std::size_t i = 0; i < s.source.size(); ++i) {
    s.source[i] = argb(255, int(i), int(2 * i), int(3 * i));
  }
  s.p.itemWidth = 5;
  s.p.itemHeight = 5;
  s.p.absX = 3;
  s.p.absY = 2;
  s.run(0, 1, false);
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 20; ++x) {
      const bool inside = x >= 3 && x < 3 + 5 && y >= 2 && y < 2 + 4;
      const std::uint32_t want = inside ? (s.source[std::size_t((y - 2) * 6 + x - 3)] & 0xFFFFFFu) | 0xFE000000u : 0u;
      EXPECT_EQ(s.target[std::size_t(y * 20 + x)], want) << x << ", " << y;
    }
  }
}

TEST(Blitters, EmptyClipDrawsNothing) {
  for (const Member& m : kMembers) {
    Scene s(4, 4, 0, 4, 4, argb(255, 1, 1, 1));
    s.p.clip.left = 3;
    s.p.clip.right = 3;
    s.run(m.filter, m.layout, m.clipped);
    EXPECT_EQ(s.target, std::vector<std::uint32_t>(16, 0u));
  }
}

struct ModeCase {
  int mode;
  int source, target, want;
};

TEST(Blitters, BlendModeLimits) {
  const ModeCase cases[] = {{7, 255, 3, 255}, {7, 255, 0, 255}, {8, 0, 250, 0}, {8, 0, 255, 0}};
  for (const ModeCase& c : cases) {
    Scene s(1, 1, argb(255, c.target, c.target, c.target), 1, 1, argb(255, c.source, c.source, c.source));
    s.p.blendMode = c.mode;
    s.run(0, 1, false);
    EXPECT_EQ(s.target[0], argb(254, c.want, c.want, c.want)) << "mode " << c.mode;
  }
}

// A stored blend mode outside 0..8 draws as the normal mode, in every member:
// the normal run composes every pixel (as the reference does), and the
// out-of-range runs give the same pixels.
TEST(Blitters, ModesOutOfRangeDrawAsNormal) {
  const std::uint32_t background = argb(90, 1, 200, 30), fill = argb(100, 250, 20, 90);
  for (const Member& m : kMembers) {
    Scene normal(2, 2, background, 2, 2, fill);
    normal.run(m.filter, m.layout, m.clipped);
    Scene reference(2, 2, background, 2, 2, fill);
    reference.p.target.pixels = reference.target.data();
    reference.p.source = reference.source.data();
    referenceBlit(reference.p, m.filter, m.layout, m.clipped);
    EXPECT_EQ(normal.target, reference.target) << m.filter << m.layout << m.clipped;
    for (std::uint32_t pixel : normal.target) EXPECT_NE(pixel, background) << m.filter << m.layout << m.clipped;
    for (int mode : {9, 10, -1, 1000}) {
      Scene s(2, 2, background, 2, 2, fill);
      s.p.blendMode = mode;
      s.run(m.filter, m.layout, m.clipped);
      EXPECT_EQ(s.target, normal.target) << "mode " << mode << " member " << m.filter << m.layout << m.clipped;
    }
  }
}

TEST(Blitters, BilinearLastColumnTakesMissingWeightFromTarget) {
  Scene s(3, 1, argb(255, 100, 100, 100), 2, 1, argb(255, 200, 200, 200));
  s.p.matrix.tx = 0.5;  // half a pixel right: column 2 sees only source column 1
  s.run(1, 1, false);
  EXPECT_EQ(s.target[2], argb(254, 150, 150, 150));
}

TEST(Blitters, LayoutTwoWritesPictureRowZeroIntoLastBufferRow) {
  Scene s(1, 10, 0, 1, 1, argb(255, 0x11, 0x22, 0x33));
  s.run(0, 2, false);
  for (int row = 0; row < 10; ++row) {
    EXPECT_EQ(s.target[std::size_t(row)], row == 9 ? 0xFE332211u : 0u) << "row " << row;
  }
}

TEST(Blitters, SingularOrHugeMappingsDrawNothing) {
  const NVBlitMatrix matrices[] = {{0, 0, 0, 0, 0, 0},    {1, 2, 0, 2, 4, 0},           {1e-9, 0, 0, 0, 1e-9, 0},
                                   {1, 0, 1e12, 0, 1, 0}, {1e-300, 0, 0, 0, 1e-300, 0}, {std::nan(""), 0, 0, 0, 1, 0}};
  for (const NVBlitMatrix& matrix : matrices) {
    for (const Member& m : kMembers) {
      Scene s(4, 4, 0, 4, 4, argb(255, 1, 1, 1));
      s.p.matrix = matrix;
      s.run(m.filter, m.layout, m.clipped);
      EXPECT_EQ(s.target, std::vector<std::uint32_t>(16, 0u));
    }
  }
}

// Doubling the height leaves the top row half a source pixel above the
// image: the window admits it, the source has no row there.
TEST(Blitters, NearestLeavesPositionsAboveTheSourceAlone) {
  for (int layout : {1, 2}) {
    Scene s(2, 6, 0, 2, 2, argb(255, 5, 6, 7));
    s.p.matrix.yy = 2.0;
    s.p.matrix.ty = 1.0;
    s.run(0, layout, false);
    const std::size_t top = layout == 2 ? 5 : 0;
    EXPECT_EQ(s.target[top * 2], 0u);
    const std::uint32_t drawn = layout == 2 ? argb(254, 7, 6, 5) : argb(254, 5, 6, 7);
    EXPECT_EQ(s.target[(layout == 2 ? 4 : 1) * 2], drawn);
  }
}

// Only the pixels well inside and well outside the ancestor are checked:
// its edges follow the span rules, which the random batch covers.
// Ten equal ancestors take the path for chains deeper than the usual few.
TEST(Blitters, ClippingAncestorLimitsTheItem) {
  NVBlitClipAncestor parent;
  parent.width = 4;
  parent.height = 3;
  const std::vector<NVBlitClipAncestor> chain(10, parent);
  for (int count : {1, 10}) {
    for (const Member& m : kMembers) {
      Scene s(10, 10, 0, 10, 10, argb(255, 1, 2, 3));
      s.p.ancestors = chain.data();
      s.p.ancestorCount = count;
      s.run(m.filter, m.layout, m.clipped);
      for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
          if (m.clipped && (x == 4 || y == 3)) {
            continue;
          }
          const bool drawn = !m.clipped || (x < 4 && y < 3);
          const int row = m.layout == 2 ? 9 - y : y;
          EXPECT_EQ(s.target[std::size_t(row * 10 + x)] != 0, drawn) << x << ", " << y;
        }
      }
    }
  }
}

}  // namespace
