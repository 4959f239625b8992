// The blitters against pixman on the same work: identity blits of opaque and
// translucent sources, a 30 degree rotation with nearest and bilinear
// sampling and a 1.5x bilinear scale, all about the picture's centre over a
// 512x512 target. Every blend mode runs at every kernel level this processor
// has (brisel_<level>/<mode>/<work>); pixman runs the matching operator
// (pixman/<mode>/<work>): OVER for the normal mode and its separable blend
// operators for multiply to colour burn (it has none for the inverted
// source). Rates are in target pixels per second (items_per_second). On a
// busy machine add --benchmark_enable_random_interleaving=true, so that load
// changes hit every case alike, and compare medians.
#include <benchmark/benchmark.h>
#include <pixman.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "framework/compose/blit/NVBlitKernels.h"
#include "framework/compose/blit/NVBlitters.h"

namespace {

constexpr int kSize = 512;

struct Work {
  const char* name;
  bool translucent;
  double degrees, scale;
  int filter;
};

const Work kWorks[] = {
    {"identity_opaque", false, 0.0, 1.0, 0},  {"identity_translucent", true, 0.0, 1.0, 0},
    {"rotate30_nearest", true, 30.0, 1.0, 0}, {"rotate30_bilinear", true, 30.0, 1.0, 1},
    {"scale1.5_bilinear", true, 0.0, 1.5, 1},
};

std::vector<std::uint32_t> makeSource(bool translucent) {
  std::mt19937 engine(7);
  std::vector<std::uint32_t> pixels(std::size_t(kSize) * kSize);
  for (std::uint32_t& p : pixels) {
    const std::uint32_t alpha = translucent ? 1 + engine() % 254 : 255;
    p = alpha << 24 | (engine() & 0xFFFFFF);
  }
  return pixels;
}

// The item's matrix: scale, then rotation, about the centre (as an item
// computes it, with its constant for pi).
NVBlitMatrix itemMatrix(double degrees, double scale) {
  const double th = degrees * 3.141592 / 180.0, s = std::sin(th), k = std::cos(th), c = kSize * 0.5;
  NVBlitMatrix m;
  if (degrees == 0.0 && scale == 1.0) {
    return m;
  }
  m.xx = k * scale;
  m.xy = -s * scale;
  m.yx = s * scale;
  m.yy = k * scale;
  m.tx = c - k * scale * c + s * scale * c;
  m.ty = c - s * scale * c - k * scale * c;
  return m;
}

struct Mode {
  const char* name;
  int number;
  pixman_op_t op;  // PIXMAN_OP_CLEAR: pixman has no such operator
};

const Mode kModes[] = {
    {"normal", 0, PIXMAN_OP_OVER},
    {"inverted", 1, PIXMAN_OP_CLEAR},
    {"multiply", 2, PIXMAN_OP_MULTIPLY},
    {"screen", 3, PIXMAN_OP_SCREEN},
    {"darken", 4, PIXMAN_OP_DARKEN},
    {"lighten", 5, PIXMAN_OP_LIGHTEN},
    {"overlay", 6, PIXMAN_OP_OVERLAY},
    {"colour_dodge", 7, PIXMAN_OP_COLOR_DODGE},
    {"colour_burn", 8, PIXMAN_OP_COLOR_BURN},
};

const char* const kLevelNames[] = {"brisel_scalar", "brisel_sse2", "brisel_avx2"};

void blitterCase(benchmark::State& state, Work work, Mode mode, int level) {
  const std::vector<std::uint32_t> source = makeSource(work.translucent);
  std::vector<std::uint32_t> target(std::size_t(kSize) * kSize, 0xFF336699u);
  NVBlitParams p;
  p.target.pixels = target.data();
  p.target.width = p.target.height = p.target.stride = kSize;
  p.clip.right = p.clip.bottom = kSize;
  p.source = source.data();
  p.sourceWidth = p.sourceHeight = p.itemWidth = p.itemHeight = kSize;
  p.alpha = 255;
  p.blendMode = mode.number;
  p.filter = work.filter;
  p.matrix = itemMatrix(work.degrees, work.scale);
  nvBlitSetMaxLevel(level);
  for (auto _ : state) {
    (work.filter == 1 ? blitBilinear : blitNearest)(p);
    benchmark::DoNotOptimize(target.data());
  }
  nvBlitSetMaxLevel(NV_BLIT_AVX2);
  state.SetItemsProcessed(state.iterations() * kSize * kSize);
}

void pixmanCase(benchmark::State& state, Work work, Mode mode) {
  std::vector<std::uint32_t> source = makeSource(work.translucent);
  for (std::uint32_t& p : source) {  // pixman works on premultiplied pixels
    const std::uint32_t a = p >> 24;
    p = a << 24 | ((p >> 16 & 255) * a / 255) << 16 | ((p >> 8 & 255) * a / 255) << 8 | (p & 255) * a / 255;
  }
  std::vector<std::uint32_t> target(std::size_t(kSize) * kSize, 0xFF336699u);
  pixman_image_t* src = pixman_image_create_bits(PIXMAN_a8r8g8b8, kSize, kSize, source.data(), kSize * 4);
  pixman_image_t* dst = pixman_image_create_bits(PIXMAN_a8r8g8b8, kSize, kSize, target.data(), kSize * 4);
  if (work.degrees != 0.0 || work.scale != 1.0) {
    // pixman maps target pixels to the source: the inverse of the item's matrix.
    const double th = work.degrees * 3.141592 / 180.0, s = std::sin(th) / work.scale, k = std::cos(th) / work.scale;
    const double c = kSize * 0.5;
    pixman_f_transform f;
    pixman_f_transform_init_identity(&f);
    f.m[0][0] = k;
    f.m[0][1] = s;
    f.m[0][2] = c - k * c - s * c;
    f.m[1][0] = -s;
    f.m[1][1] = k;
    f.m[1][2] = c + s * c - k * c;
    pixman_transform_t t;
    pixman_transform_from_pixman_f_transform(&t, &f);
    pixman_image_set_transform(src, &t);
    pixman_image_set_filter(src, work.filter == 1 ? PIXMAN_FILTER_BILINEAR : PIXMAN_FILTER_NEAREST, nullptr, 0);
  }
  for (auto _ : state) {
    pixman_image_composite32(mode.op, src, nullptr, dst, 0, 0, 0, 0, 0, 0, kSize, kSize);
    benchmark::DoNotOptimize(target.data());
  }
  pixman_image_unref(src);
  pixman_image_unref(dst);
  state.SetItemsProcessed(state.iterations() * kSize * kSize);
}

int registerAll() {
  for (const Mode& m : kModes) {
    for (const Work& w : kWorks) {
      const std::string name = std::string("/") + m.name + "/" + w.name;
      if (m.op != PIXMAN_OP_CLEAR) {
        benchmark::RegisterBenchmark(("pixman" + name).c_str(), pixmanCase, w, m);
      }
      for (int level = NV_BLIT_SCALAR; level <= nvBlitCpuLevel(); ++level) {
        benchmark::RegisterBenchmark((kLevelNames[level] + name).c_str(), blitterCase, w, m, level);
      }
    }
  }
  return 0;
}

const int registered = registerAll();

}  // namespace

BENCHMARK_MAIN();
