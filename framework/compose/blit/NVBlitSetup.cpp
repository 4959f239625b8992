#include "framework/compose/blit/NVBlitSetup.h"

#include <cmath>

namespace {

constexpr std::int64_t kWindowLimit = std::int64_t(1) << 30;

// Converts to fixed point by multiplying by 1024 and truncating toward zero;
// false when the value does not fit a signed 32-bit integer.
bool toFixed(double value, std::int32_t& out) {
  const double scaled = value * 1024.0;
  if (!(scaled > -2147483648.0 && scaled < 2147483648.0)) {
    return false;  // also rejects NaN
  }
  out = static_cast<std::int32_t>(scaled);
  return true;
}

// Window limits are clamped beyond every position the blit can reach, which
// leaves each span exactly as the unclamped limit would give it.
std::int32_t clampLimit(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp(value, -kWindowLimit, kWindowLimit));
}

// The inverse of a cumulative matrix in fixed point, shifted by the absolute
// position so that it yields local coordinates. Each intermediate is held in
// a double of its own so that no wider precision leaks into the truncation.
bool inverseMapping(const NVBlitMatrix& m, int absX, int absY, NVBlitWindow& w) {
  const double det = m.yy * m.xx - m.yx * m.xy;
  const double g = 1.0 / det;
  if (!std::isfinite(g)) {
    return false;
  }
  const double ux = m.yy * g, uy = -m.xy * g, vx = -m.yx * g, vy = m.xx * g;
  const double uSum = m.xy * m.ty - m.yy * m.tx;
  const double vSum = m.yx * m.tx - m.xx * m.ty;
  const double uProduct = g * uSum, vProduct = g * vSum;
  const double uBase = uProduct - absX, vBase = vProduct - absY;
  std::int32_t fixedUBase = 0, fixedVBase = 0;
  if (!toFixed(ux, w.ux) || !toFixed(uy, w.uy) || !toFixed(vx, w.vx) || !toFixed(vy, w.vy) ||
      !toFixed(uBase, fixedUBase) || !toFixed(vBase, fixedVBase)) {
    return false;
  }
  w.u = fixedUBase;  // the base until the traversal start is known
  w.v = fixedVBase;
  return true;
}

bool inRange(std::int64_t value) { return value >= -kBlitPositionLimit && value <= kBlitPositionLimit; }

// Moves the window to the traversal start (cx1, cy1) after checking that
// every corner of the clip rectangle maps into the supported range.
bool placeWindow(NVBlitWindow& w, const NVBlitGeometry& g) {
  const int xs[2] = {g.cx0, g.cx1};
  const int ys[2] = {g.cy0, g.cy1};
  for (int x : xs) {
    for (int y : ys) {
      const std::int64_t u = std::int64_t(w.ux) * x + std::int64_t(w.uy) * y + w.u;
      const std::int64_t v = std::int64_t(w.vx) * x + std::int64_t(w.vy) * y + w.v;
      if (!inRange(u) || !inRange(v)) {
        return false;
      }
    }
  }
  w.u = static_cast<std::int32_t>(std::int64_t(w.ux) * g.cx1 + std::int64_t(w.uy) * g.cy1 + w.u);
  w.v = static_cast<std::int32_t>(std::int64_t(w.vx) * g.cx1 + std::int64_t(w.vy) * g.cy1 + w.v);
  return true;
}

// The nearest filter keeps rotated and scaled mappings one pixel inside.
void raiseForNearest(NVBlitWindow& w) {
  if (w.ux != 1024 || w.vx != 0) {
    w.uMin = clampLimit(std::int64_t(w.uMin) + 1024);
    w.vMin = clampLimit(std::int64_t(w.vMin) + 1024);
  }
}

bool itemWindow(const NVBlitParams& p, bool nearest, NVBlitGeometry& g) {
  NVBlitWindow& w = g.item;
  if (!inverseMapping(p.matrix, p.absX, p.absY, w)) {
    return false;
  }
  const std::int64_t ox = std::int64_t(p.offsetX) * 1024, oy = std::int64_t(p.offsetY) * 1024;
  w.uMin = clampLimit(std::max<std::int64_t>(ox, 0) - 1023);
  w.vMin = clampLimit(std::max<std::int64_t>(oy, 0) - 1023);
  w.uMax = clampLimit(
      std::min(std::int64_t(p.itemWidth) * 1024 - 1024, std::int64_t(p.sourceWidth) * 1024 + ox - 1024) + 1023);
  w.vMax = clampLimit(
      std::min(std::int64_t(p.itemHeight) * 1024 - 1024, std::int64_t(p.sourceHeight) * 1024 + oy - 1024) + 1023);
  if (nearest) {
    raiseForNearest(w);
  }
  return placeWindow(w, g);
}

bool ancestorWindow(const NVBlitClipAncestor& a, bool nearest, const NVBlitGeometry& g, NVBlitWindow& w) {
  if (!inverseMapping(a.matrix, a.absX, a.absY, w)) {
    return false;
  }
  w.uMin = 0;
  w.vMin = 0;
  w.uMax = clampLimit(std::int64_t(a.width) * 1024);
  w.vMax = clampLimit(std::int64_t(a.height) * 1024);
  if (nearest) {
    raiseForNearest(w);
  }
  return placeWindow(w, g);
}

bool clipToTarget(const NVBlitParams& p, NVBlitGeometry& g) {
  g.cx0 = std::max(p.clip.left, 0);
  g.cy0 = std::max(p.clip.top, 0);
  g.cx1 = std::min(p.target.width, p.clip.right);
  g.cy1 = std::min(p.target.height, p.clip.bottom);
  if (g.cx1 <= g.cx0 || g.cy1 <= g.cy0) {
    return false;  // also keeps the subtraction below from overflowing
  }
  g.n = g.cx1 - g.cx0;
  return true;
}

bool validBuffers(const NVBlitParams& p) {
  return p.target.pixels && p.target.stride >= p.target.width && p.source && p.sourceWidth > 0 && p.sourceHeight > 0;
}

}  // namespace

bool nvBlitSetup(const NVBlitParams& p, bool nearest, bool clipped, NVBlitGeometry& g) {
  if (!validBuffers(p) || !clipToTarget(p, g)) {
    return false;
  }
  // Offsets beyond this would push source columns out of 32-bit fixed point.
  const int offsetLimit = int(kBlitPositionLimit >> 10);
  if (std::abs(std::int64_t(p.offsetX)) > offsetLimit || std::abs(std::int64_t(p.offsetY)) > offsetLimit) {
    return false;
  }
  g.alpha = std::clamp(p.alpha, 0, 255);
  g.mode = nvBlendModeOf(p.blendMode);
  if (!itemWindow(p, nearest, g)) {
    return false;
  }
  g.ancestorCount = clipped && p.ancestors && p.ancestorCount > 0 ? p.ancestorCount : 0;
  g.ancestors = g.nearAncestors;
  if (g.ancestorCount > 8) {
    g.farAncestors.resize(std::size_t(g.ancestorCount));
    g.ancestors = g.farAncestors.data();
  }
  for (int i = 0; i < g.ancestorCount; ++i) {
    if (!ancestorWindow(p.ancestors[i], nearest, g, g.ancestors[i])) {
      return false;
    }
  }
  return true;
}
