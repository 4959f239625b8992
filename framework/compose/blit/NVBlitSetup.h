// Fixed-point setup shared by every blitter: the clip, the inverse mappings
// of the item and of its clipping ancestors, their source windows and the
// per-row spans.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "framework/compose/blit/NVBlendMode.h"
#include "framework/compose/blit/NVBlitParams.h"

// Positions that the blitters accept, in fixed point. Keeping every mapped
// position of the clip rectangle within this bound keeps all of the integer
// arithmetic of the traversal, the spans and the vector lanes free of
// overflow.
constexpr std::int64_t kBlitPositionLimit = std::int64_t(1) << 29;

// One fixed-point mapping of target pixels into local coordinates with the
// window of positions it admits.
struct NVBlitWindow {
  std::int32_t ux = 0, uy = 0, vx = 0, vy = 0;
  std::int32_t uMin = 0, uMax = 0, vMin = 0, vMax = 0;
  // The running position of the current row at column cx1.
  std::int32_t u = 0, v = 0;
};

struct NVBlitGeometry {
  int cx0 = 0, cy0 = 0, cx1 = 0, cy1 = 0;
  int n = 0;
  int alpha = 0;
  NVBlendMode mode = NVBlendMode::Normal;
  NVBlitWindow item;
  // The ancestors' windows: in place for the usual few, on the heap beyond.
  NVBlitWindow* ancestors = nullptr;
  int ancestorCount = 0;
  NVBlitWindow nearAncestors[8];
  std::vector<NVBlitWindow> farAncestors;
};

// Fills geometry for one blit. Returns false when nothing is to be drawn:
// an empty clip, a missing source, a singular matrix, or a mapping whose
// fixed-point positions leave the supported range.
bool nvBlitSetup(const NVBlitParams& params, bool nearest, bool clipped, NVBlitGeometry& geometry);

// Narrows [first, last) to the pixels of a row that one window admits, from
// the row's position u at column cx1 with at most two divisions. Returns
// false when the window rejects the whole row.
inline bool nvBlitNarrowSpan(std::int32_t u, std::int32_t ux, std::int32_t lo, std::int32_t hi, int n, int& first,
                             int& last) {
  auto edge = [n](std::int32_t difference, std::int32_t step) {
    const std::int64_t value = std::int64_t(n) - difference / step;
    return value < 0 ? 0 : (value > n ? n : int(value));
  };
  if (ux > 0) {
    last = std::min(last, edge(u - hi, ux));
    first = std::max(first, edge(u - lo, ux));
  } else if (ux < 0) {
    last = std::min(last, edge(u - lo, ux));
    first = std::max(first, edge(u - hi, ux));
  } else if (u < lo || u > hi) {
    return false;
  }
  return first < last;
}
