// Per-pixel arithmetic of the blitters: blend modes, compositing and both
// samplers, in plain integer code. The scalar row kernels are built from
// these, and the vector kernels fall back to them for edges and tails.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

#include "framework/compose/blit/NVBlendMode.h"

// What a row kernel reads besides the row itself.
struct NVBlitSampler {
  const std::uint32_t* pixels = nullptr;
  int width = 0, height = 0;            // source size
  std::int32_t ox = 0, oy = 0;          // source offsets in fixed point
  int limitWidth = 0, limitHeight = 0;  // min(item, source): bilinear neighbour limits
  int alpha = 0;                        // effective alpha 0..255
};

// Draws pixels [first, last) of a row whose pixel j samples local position
// (u0 + j*ux, v0 + j*vx); row points at the pixel of column cx0.
using NVBlitRowKernel = void (*)(const NVBlitSampler& sampler, std::uint32_t* row, int first, int last, std::int32_t u0,
                                 std::int32_t v0, std::int32_t ux, std::int32_t vx);

inline std::uint32_t nvSwapRedBlue(std::uint32_t p) {
  return (p & 0xFF00FF00u) | ((p >> 16) & 0xFFu) | ((p & 0xFFu) << 16);
}

inline int nvChannel(std::uint32_t p, int shift) { return int((p >> shift) & 0xFFu); }

// Colour dodge and colour burn divide; their pixel loops read these tables
// instead, built at compile time from the same formulas.
constexpr int nvDodge(int s, int t) { return s == 255 ? 255 : std::min(255, t * 255 / (255 - s)); }
constexpr int nvBurn(int s, int t) { return s == 0 ? 0 : std::max(0, (t - 255) * 255 / s + 255); }

template <int (*Formula)(int, int)>
constexpr std::array<std::uint8_t, 65536> nvBlendTable() {
  std::array<std::uint8_t, 65536> table{};
  for (int s = 0; s < 256; ++s) {
    for (int t = 0; t < 256; ++t) {
      table[std::size_t(s * 256 + t)] = std::uint8_t(Formula(s, t));
    }
  }
  return table;
}
inline constexpr std::array<std::uint8_t, 65536> kNvDodgeTable = nvBlendTable<nvDodge>();
inline constexpr std::array<std::uint8_t, 65536> kNvBurnTable = nvBlendTable<nvBurn>();

// The blend-mode colour of one channel from source s and target t.
template <NVBlendMode Mode>
inline int nvBlendChannel(int s, int t) {
  if constexpr (Mode == NVBlendMode::Inverted) {
    return 255 - s;
  } else if constexpr (Mode == NVBlendMode::Multiply) {
    return (s * t) >> 8;
  } else if constexpr (Mode == NVBlendMode::Screen) {
    return std::min(255, s + t - ((t * s) >> 8));
  } else if constexpr (Mode == NVBlendMode::Darken) {
    return std::min(s, t);
  } else if constexpr (Mode == NVBlendMode::Lighten) {
    return std::max(s, t);
  } else if constexpr (Mode == NVBlendMode::Overlay) {
    return t < 128 ? std::min(255, (s * t) >> 7) : std::clamp(2 * (t + s - ((t * s) >> 8)) - 255, 0, 255);
  } else if constexpr (Mode == NVBlendMode::ColourDodge) {
    return kNvDodgeTable[std::size_t(s * 256 + t)];
  } else if constexpr (Mode == NVBlendMode::ColourBurn) {
    return kNvBurnTable[std::size_t(s * 256 + t)];
  } else {
    return s;
  }
}

// Modes whose colour depends on the target. The vector kernels give normal
// and the inverted source (which only recolour the sample) the normal mode's
// shortcuts: no target read for opaque samples.
constexpr bool nvModeReadsTarget(NVBlendMode mode) {
  return mode != NVBlendMode::Normal && mode != NVBlendMode::Inverted;
}

// Composes sample s over target t at effective alpha m; both in the same
// channel order.
template <NVBlendMode Mode>
inline std::uint32_t nvComposite(std::uint32_t s, std::uint32_t t, int m) {
  const int beta = (int(s >> 24) * m) >> 8;
  std::uint32_t out = 0;
  if (beta >= 254) {
    for (int shift = 0; shift < 24; shift += 8) {
      out |= std::uint32_t(nvBlendChannel<Mode>(nvChannel(s, shift), nvChannel(t, shift))) << shift;
    }
    return out | (std::uint32_t(beta) << 24);
  }
  for (int shift = 0; shift < 24; shift += 8) {
    const int tc = nvChannel(t, shift);
    const int bc = nvBlendChannel<Mode>(nvChannel(s, shift), tc);
    out |= std::uint32_t(tc + (((bc - tc) * beta) >> 8)) << shift;
  }
  const int ta = int(t >> 24);
  return out | (std::uint32_t(std::min(255, beta + ta - ((ta * beta) >> 8))) << 24);
}

template <NVBlendMode Mode, bool Swap>
inline void nvNearestPixel(const NVBlitSampler& s, std::uint32_t& target, std::int32_t u, std::int32_t v) {
  const std::size_t index = std::size_t((v - s.oy) >> 10) * std::size_t(s.width) + std::size_t((u - s.ox) >> 10);
  std::uint32_t p = s.pixels[index];
  if ((p >> 24) == 0) {
    return;
  }
  if constexpr (Swap) {
    p = nvSwapRedBlue(p);
  }
  target = nvComposite<Mode>(p, target, s.alpha);
}

// The bilinear sample at (u, v) in source order, with the weight of missing
// neighbours taken from the target pixel tSource (also in source order).
// Returns false when the pixel is to be left alone.
inline bool nvBilinearSample(const NVBlitSampler& s, std::uint32_t tSource, std::int32_t u, std::int32_t v,
                             std::uint32_t& sample) {
  const int fx = u & 1023, fy = v & 1023;
  const int i = (u - s.ox) >> 10, k = (v - s.oy) >> 10;
  const int weights[4] = {(1024 - fx) * (1024 - fy), fx * (1024 - fy), (1024 - fx) * fy, fx * fy};
  int total = 0;
  int sums[4] = {0, 0, 0, 0};
  for (int q = 0; q < 4; ++q) {
    const int col = i + (q & 1), row = k + (q >> 1);
    if (col < 0 || col >= s.limitWidth || row < 0 || row >= s.limitHeight) {
      continue;
    }
    const std::uint32_t p = s.pixels[std::size_t(row) * std::size_t(s.width) + std::size_t(col)];
    total += weights[q];
    for (int c = 0; c < 4; ++c) {
      sums[c] += weights[q] * nvChannel(p, 8 * c);
    }
  }
  if (total == 0 || sums[3] == 0) {
    return false;
  }
  const int rest = (1 << 20) - total;
  sample = 0;
  for (int c = 0; c < 4; ++c) {
    sample |= std::uint32_t((nvChannel(tSource, 8 * c) * rest + sums[c]) >> 20) << (8 * c);
  }
  return true;
}

template <NVBlendMode Mode, bool Swap>
inline void nvBilinearPixel(const NVBlitSampler& s, std::uint32_t& target, std::int32_t u, std::int32_t v) {
  const std::uint32_t t = target;
  std::uint32_t sample = 0;
  if (!nvBilinearSample(s, Swap ? nvSwapRedBlue(t) : t, u, v, sample)) {
    return;
  }
  if constexpr (Swap) {
    sample = nvSwapRedBlue(sample);
  }
  target = nvComposite<Mode>(sample, t, s.alpha);
}
