#include "tests/framework/compose/blit/BlitReference.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "framework/compose/blit/NVBlitters.h"

namespace {

using i64 = std::int64_t;

struct Mapping {
  i64 ux, uy, uBase, vx, vy, vBase;
  i64 uMin, uMax, vMin, vMax;
};

bool fixedPoint(double value, i64& out) {
  const double scaled = value * 1024.0;
  if (!(std::fabs(scaled) < 2147483648.0)) {
    return false;
  }
  out = i64(std::trunc(scaled));
  return true;
}

bool invert(const NVBlitMatrix& m, int absX, int absY, Mapping& r) {
  const double g = 1.0 / (m.yy * m.xx - m.yx * m.xy);
  if (!std::isfinite(g)) {
    return false;
  }
  const double uBase = g * (m.xy * m.ty - m.yy * m.tx) - absX;
  const double vBase = g * (m.yx * m.tx - m.xx * m.ty) - absY;
  return fixedPoint(m.yy * g, r.ux) && fixedPoint(-m.xy * g, r.uy) && fixedPoint(uBase, r.uBase) &&
         fixedPoint(-m.yx * g, r.vx) && fixedPoint(m.xx * g, r.vy) && fixedPoint(vBase, r.vBase);
}

i64 mapU(const Mapping& m, i64 x, i64 y) { return m.ux * x + m.uy * y + m.uBase; }
i64 mapV(const Mapping& m, i64 x, i64 y) { return m.vx * x + m.vy * y + m.vBase; }

// One axis of a row span, exactly as the formula reads.
bool span(i64 u, i64 ux, i64 lo, i64 hi, i64 n, i64& first, i64& last) {
  if (ux > 0) {
    last = std::min(last, n - (u - hi) / ux);
    first = std::max(first, n - (u - lo) / ux);
  } else if (ux < 0) {
    last = std::min(last, n - (u - lo) / ux);
    first = std::max(first, n - (u - hi) / ux);
  } else if (u < lo || u > hi) {
    return false;
  }
  return true;
}

int blendChannel(int mode, int s, int t) {
  switch (mode) {
    case 1: return 255 - s;
    case 2: return (s * t) >> 8;
    case 3: return std::min(255, s + t - ((t * s) >> 8));
    case 4: return std::min(s, t);
    case 5: return std::max(s, t);
    case 6: return t < 128 ? std::min(255, (s * t) >> 7) : std::clamp(2 * (t + s - ((t * s) >> 8)) - 255, 0, 255);
    case 7: return s == 255 ? 255 : std::min(255, t * 255 / (255 - s));
    case 8: return s == 0 ? 0 : std::max(0, (t - 255) * 255 / s + 255);
    default: return s;
  }
}

// Channels are indexed B, G, R, A whatever the layout.
struct Pixel {
  int ch[4];
};

Pixel readSource(const NVBlitParams& p, i64 col, i64 row) {
  const std::uint32_t w = p.source[row * p.sourceWidth + col];
  return {{int(w & 255), int((w >> 8) & 255), int((w >> 16) & 255), int(w >> 24)}};
}

Pixel readTarget(std::uint32_t w, int layout) {
  const int b0 = int(w & 255), b1 = int((w >> 8) & 255), b2 = int((w >> 16) & 255), b3 = int(w >> 24);
  return layout == 2 ? Pixel{{b2, b1, b0, b3}} : Pixel{{b0, b1, b2, b3}};
}

std::uint32_t writeTarget(const Pixel& px, int layout) {
  const int b0 = layout == 2 ? px.ch[2] : px.ch[0], b2 = layout == 2 ? px.ch[0] : px.ch[2];
  return std::uint32_t(b0) | std::uint32_t(px.ch[1]) << 8 | std::uint32_t(b2) << 16 | std::uint32_t(px.ch[3]) << 24;
}

Pixel composite(const Pixel& s, const Pixel& t, int m, int mode) {
  const int beta = (s.ch[3] * m) >> 8;
  Pixel out{};
  for (int c = 0; c < 3; ++c) {
    const int blended = blendChannel(mode, s.ch[c], t.ch[c]);
    out.ch[c] = beta >= 254 ? blended : t.ch[c] + (((blended - t.ch[c]) * beta) >> 8);
  }
  out.ch[3] = beta >= 254 ? beta : std::min(255, beta + t.ch[3] - ((t.ch[3] * beta) >> 8));
  return out;
}

// Returns false when the pixel is left alone.
bool sampleNearest(const NVBlitParams& p, i64 u, i64 v, Pixel& s) {
  const i64 col = (u - i64(p.offsetX) * 1024) >> 10, row = (v - i64(p.offsetY) * 1024) >> 10;
  if (col < 0 || col >= p.sourceWidth || row < 0 || row >= p.sourceHeight) {
    return false;
  }
  s = readSource(p, col, row);
  return s.ch[3] != 0;
}

bool sampleBilinear(const NVBlitParams& p, i64 u, i64 v, const Pixel& t, Pixel& s) {
  const i64 fx = u & 1023, fy = v & 1023;
  const i64 i = (u - i64(p.offsetX) * 1024) >> 10, k = (v - i64(p.offsetY) * 1024) >> 10;
  const i64 limitW = std::min(p.itemWidth, p.sourceWidth), limitH = std::min(p.itemHeight, p.sourceHeight);
  const i64 cols[4] = {i, i + 1, i, i + 1}, rows[4] = {k, k, k + 1, k + 1};
  const i64 weights[4] = {(1024 - fx) * (1024 - fy), fx * (1024 - fy), (1024 - fx) * fy, fx * fy};
  i64 total = 0, sum[4] = {0, 0, 0, 0};
  for (int q = 0; q < 4; ++q) {
    if (cols[q] >= 0 && cols[q] < limitW && rows[q] >= 0 && rows[q] < limitH) {
      const Pixel n = readSource(p, cols[q], rows[q]);
      total += weights[q];
      for (int c = 0; c < 4; ++c) {
        sum[c] += weights[q] * n.ch[c];
      }
    }
  }
  if (total == 0 || sum[3] == 0) {
    return false;
  }
  for (int c = 0; c < 4; ++c) {
    s.ch[c] = int((t.ch[c] * ((i64(1) << 20) - total) + sum[c]) >> 20);
  }
  return true;
}

bool withinLimits(const std::vector<Mapping>& windows, i64 cx0, i64 cy0, i64 cx1, i64 cy1) {
  const i64 limit = i64(1) << 29;
  for (const Mapping& w : windows) {
    for (i64 x : {cx0, cx1}) {
      for (i64 y : {cy0, cy1}) {
        if (std::llabs(mapU(w, x, y)) > limit || std::llabs(mapV(w, x, y)) > limit) {
          return false;
        }
      }
    }
  }
  return true;
}

bool buildWindows(const NVBlitParams& p, int filter, bool clipped, std::vector<Mapping>& windows) {
  Mapping item{};
  if (!invert(p.matrix, p.absX, p.absY, item)) {
    return false;
  }
  const i64 ox = i64(p.offsetX) * 1024, oy = i64(p.offsetY) * 1024;
  item.uMin = std::max<i64>(ox, 0) - 1023;
  item.vMin = std::max<i64>(oy, 0) - 1023;
  item.uMax = std::min(i64(p.itemWidth) * 1024 - 1024, i64(p.sourceWidth) * 1024 + ox - 1024) + 1023;
  item.vMax = std::min(i64(p.itemHeight) * 1024 - 1024, i64(p.sourceHeight) * 1024 + oy - 1024) + 1023;
  windows.push_back(item);
  for (int a = 0; clipped && a < p.ancestorCount; ++a) {
    Mapping w{};
    if (!invert(p.ancestors[a].matrix, p.ancestors[a].absX, p.ancestors[a].absY, w)) {
      return false;
    }
    w.uMin = 0;
    w.vMin = 0;
    w.uMax = i64(p.ancestors[a].width) * 1024;
    w.vMax = i64(p.ancestors[a].height) * 1024;
    windows.push_back(w);
  }
  for (Mapping& w : windows) {
    if (filter == 0 && (w.ux != 1024 || w.vx != 0)) {
      w.uMin += 1024;
      w.vMin += 1024;
    }
  }
  return true;
}

void drawPixel(const NVBlitParams& p, int filter, int layout, int m, int mode, i64 u, i64 v, std::uint32_t& word) {
  const Pixel t = readTarget(word, layout);
  Pixel s{};
  const bool drawn = filter == 0 ? sampleNearest(p, u, v, s) : sampleBilinear(p, u, v, t, s);
  if (drawn) {
    word = writeTarget(composite(s, t, m, mode), layout);
  }
}

}  // namespace

void referenceBlit(const NVBlitParams& p, int filter, int layout, bool clipped) {
  if (!p.target.pixels || p.target.stride < p.target.width || !p.source || p.sourceWidth < 1 || p.sourceHeight < 1 ||
      std::abs(p.offsetX) > (1 << 19) || std::abs(p.offsetY) > (1 << 19)) {
    return;
  }
  const i64 cx0 = std::max(p.clip.left, 0), cy0 = std::max(p.clip.top, 0);
  const i64 cx1 = std::min(p.target.width, p.clip.right), cy1 = std::min(p.target.height, p.clip.bottom);
  const i64 n = cx1 - cx0;
  std::vector<Mapping> windows;
  if (n <= 0 || cy1 <= cy0 || !buildWindows(p, filter, clipped, windows) ||
      !withinLimits(windows, cx0, cy0, cx1, cy1)) {
    return;
  }
  const int m = std::clamp(p.alpha, 0, 255);
  const int mode = p.blendMode >= 0 && p.blendMode <= 8 ? p.blendMode : 0;
  for (i64 y = cy0; y < cy1; ++y) {
    i64 first = 0, last = n;
    bool drawn = true;
    for (const Mapping& w : windows) {
      drawn = drawn && span(mapU(w, cx1, y), w.ux, w.uMin, w.uMax, n, first, last) &&
              span(mapV(w, cx1, y), w.vx, w.vMin, w.vMax, n, first, last);
    }
    const i64 bufferRow = layout == 2 ? p.target.height - 1 - y : y;
    for (i64 j = first; drawn && j < last; ++j) {
      const i64 x = cx0 + j;
      drawPixel(p, filter, layout, m, mode, mapU(windows[0], x, y), mapV(windows[0], x, y),
                p.target.pixels[bufferRow * p.target.stride + x]);
    }
  }
}

BlitFunction blitterFor(int filter, int layout, bool clipped) {
  static const BlitFunction table[2][2][2] = {
      {{blitNearest, blitNearestClipped}, {blitNearestRGBA, blitNearestClippedRGBA}},
      {{blitBilinear, blitBilinearClipped}, {blitBilinearRGBA, blitBilinearClippedRGBA}}};
  return table[filter][layout == 2 ? 1 : 0][clipped ? 1 : 0];
}
