#include "framework/compose/blit/NVBlitters.h"

#include "framework/compose/blit/NVBlitKernels.h"
#include "framework/compose/blit/NVBlitSetup.h"

namespace {

NVBlitSampler makeSampler(const NVBlitParams& p, const NVBlitGeometry& g) {
  NVBlitSampler s;
  s.pixels = p.source;
  s.width = p.sourceWidth;
  s.height = p.sourceHeight;
  s.ox = p.offsetX * 1024;
  s.oy = p.offsetY * 1024;
  s.limitWidth = std::min(p.itemWidth, p.sourceWidth);
  s.limitHeight = std::min(p.itemHeight, p.sourceHeight);
  s.alpha = g.alpha;
  return s;
}

// Steps every window to the next row up and intersects their spans; false
// when some window rejects the row.
bool rowSpan(NVBlitGeometry& g, int& first, int& last) {
  bool drawn = true;
  auto narrow = [&](NVBlitWindow& w) {
    w.u -= w.uy;
    w.v -= w.vy;
    drawn = drawn && nvBlitNarrowSpan(w.u, w.ux, w.uMin, w.uMax, g.n, first, last) &&
            nvBlitNarrowSpan(w.v, w.vx, w.vMin, w.vMax, g.n, first, last);
  };
  first = 0;
  last = g.n;
  narrow(g.item);
  for (int i = 0; i < g.ancestorCount; ++i) {
    narrow(g.ancestors[i]);
  }
  return drawn;
}

// The nearest window can still admit a position a fraction of a pixel before
// the source's first row or column; such pixels are left alone instead of
// being read from outside the image. Along a row they lie only at the ends
// of the span.
void trimToSource(const NVBlitSampler& s, std::int32_t u0, std::int32_t v0, std::int32_t ux, std::int32_t vx,
                  int& first, int& last) {
  auto inside = [&](int j) {
    const std::int32_t col = (u0 + j * ux - s.ox) >> 10, row = (v0 + j * vx - s.oy) >> 10;
    return col >= 0 && col < s.width && row >= 0 && row < s.height;
  };
  while (first < last && !inside(first)) {
    ++first;
  }
  while (last > first && !inside(last - 1)) {
    --last;
  }
}

void runBlit(const NVBlitParams& p, NVSampleFilter filter, NVPixelLayout layout, bool clipped) {
  NVBlitGeometry g;
  const bool nearest = filter == NVSampleFilter::Nearest;
  if (!nvBlitSetup(p, nearest, clipped, g)) {
    return;
  }
  const NVBlitSampler sampler = makeSampler(p, g);
  const NVBlitRowKernel kernel = nvBlitSelectKernel(filter, g.mode, layout);
  const std::int32_t ux = g.item.ux, vx = g.item.vx;
  for (int y = g.cy1 - 1; y >= g.cy0; --y) {
    int first = 0, last = 0;
    if (!rowSpan(g, first, last)) {
      continue;
    }
    const std::int32_t u0 = g.item.u - g.n * ux, v0 = g.item.v - g.n * vx;
    if (nearest) {
      trimToSource(sampler, u0, v0, ux, vx, first, last);
    }
    if (first >= last) {
      continue;
    }
    const int bufferRow = layout == NVPixelLayout::Rgba ? p.target.height - 1 - y : y;
    std::uint32_t* row = p.target.pixels + std::ptrdiff_t(bufferRow) * p.target.stride + g.cx0;
    kernel(sampler, row, first, last, u0, v0, ux, vx);
  }
}

constexpr NVSampleFilter kNearest = NVSampleFilter::Nearest, kBilinear = NVSampleFilter::Bilinear;
constexpr NVPixelLayout kBgra = NVPixelLayout::Bgra, kRgba = NVPixelLayout::Rgba;

}  // namespace

void blitNearest(const NVBlitParams& params) { runBlit(params, kNearest, kBgra, false); }
void blitBilinear(const NVBlitParams& params) { runBlit(params, kBilinear, kBgra, false); }
void blitNearestRGBA(const NVBlitParams& params) { runBlit(params, kNearest, kRgba, false); }
void blitBilinearRGBA(const NVBlitParams& params) { runBlit(params, kBilinear, kRgba, false); }
void blitNearestClipped(const NVBlitParams& params) { runBlit(params, kNearest, kBgra, true); }
void blitBilinearClipped(const NVBlitParams& params) { runBlit(params, kBilinear, kBgra, true); }
void blitNearestClippedRGBA(const NVBlitParams& params) { runBlit(params, kNearest, kRgba, true); }
void blitBilinearClippedRGBA(const NVBlitParams& params) { runBlit(params, kBilinear, kRgba, true); }
