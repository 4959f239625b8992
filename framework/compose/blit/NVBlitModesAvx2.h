// The blend-mode colours of eight pixels at a time for the AVX2 kernels: the
// scalar formulas of nvBlendChannel on every colour byte. The alpha bytes
// come out as they fall: compositing takes each pixel's weight from the
// sample and never reads them.
// Included only by the AVX2 kernels, which are compiled for AVX2 alone.
#pragma once

#include <immintrin.h>

#include <cstdint>

#include "framework/compose/blit/NVBlendMode.h"
#include "framework/compose/blit/NVBlitPixel.h"

#define NV_AVX2 __attribute__((target("avx2")))
// The pixel helpers: GCC would otherwise leave some of them out of line in
// the larger kernels and pass their vectors through memory.
#define NV_AVX2_INLINE __attribute__((target("avx2"), always_inline)) inline
#define NV_AVX2_LAMBDA __attribute__((target("avx2"), always_inline))

// Colour dodge and colour burn divide. Both are one quotient on bytes:
// dodge(s, t) = q(t, 255 - s) and burn(s, t) = 255 - q(255 - t, s), where
// q(x, d) = 255 when x >= d (which covers the scalar code's s = 255 and
// s = 0 cases) and floor(255 * x / d) otherwise. Below d the quotient is
// exact integer long division: eight restoring steps give Q = floor(256 * x / d)
// and its remainder r, all in bytes (the running remainder stays below d),
// and floor(255 * x / d) = Q - (r < x ? 1 : 0), because 255 * x = Q * d + r - x
// with r - x strictly between -d and d. No table, no division, no floating
// point; BlitModes.EveryChannelPairMatchesReference checks all 65,536 pairs.
//
// Each step depends on the one before, so two groups of eight pixels are
// divided side by side: their chains overlap.
NV_AVX2_INLINE void nvQuotient255(const __m256i (&x)[2], const __m256i (&d)[2], __m256i (&q)[2]) {
  __m256i half[2], r[2];
  for (int g = 0; g < 2; ++g) {
    // 2r >= d, that is r >= ceil(d / 2), without leaving the byte; the new
    // remainder 2r - d is then below d and comes out right modulo 256.
    half[g] = _mm256_avg_epu8(d[g], _mm256_setzero_si256());
    r[g] = x[g];
    q[g] = _mm256_setzero_si256();
  }
  for (int step = 0; step < 8; ++step) {
    for (int g = 0; g < 2; ++g) {
      const __m256i fits = _mm256_cmpeq_epi8(_mm256_max_epu8(r[g], half[g]), r[g]);
      r[g] = _mm256_sub_epi8(_mm256_add_epi8(r[g], r[g]), _mm256_and_si256(fits, d[g]));
      q[g] = _mm256_sub_epi8(_mm256_add_epi8(q[g], q[g]), fits);
    }
  }
  for (int g = 0; g < 2; ++g) {
    const __m256i atLeast = _mm256_cmpeq_epi8(_mm256_max_epu8(r[g], x[g]), r[g]);
    q[g] = _mm256_sub_epi8(_mm256_add_epi8(q[g], _mm256_set1_epi8(-1)), atLeast);  // minus one where r < x
    q[g] = _mm256_or_si256(q[g], _mm256_cmpeq_epi8(_mm256_max_epu8(x[g], d[g]), x[g]));
  }
}

// The remaining modes stay on bytes. Their one product, (s * t) >> 8, is
// the high byte of a 16-bit product: the even bytes multiply the odd ones'
// positions shifted up (mulhi gives the high half), and the odd bytes
// multiply in place, keeping the product's high byte. Every use below keeps
// to 0..255 or saturates where the scalar formula clamps:
// - screen: s + t - p with p <= t, so s + (t - p) with unsigned saturation;
// - overlay below 128: (s * t) >> 7 is the same product of s and 2t (which
//   fits a byte there), and never above 254;
// - overlay from 128: with the screen value x (already clamped, at least
//   t), 2 * x - 255 lies in 1..255 and equals x - (255 - x); where the
//   unclamped sum passes 255 the scalar clamp also gives 255.
// even is 0x00FF in every 16-bit lane; the kernels pass the register they
// already hold it in.
NV_AVX2_INLINE __m256i nvProductHigh(__m256i a, __m256i b, __m256i even) {
  const __m256i low = _mm256_mulhi_epu16(_mm256_and_si256(a, even), _mm256_slli_epi16(b, 8));
  const __m256i high = _mm256_mullo_epi16(_mm256_srli_epi16(a, 8), _mm256_srli_epi16(b, 8));
  return _mm256_or_si256(low, _mm256_andnot_si256(even, high));
}

template <NVBlendMode Mode>
NV_AVX2_INLINE __m256i nvModeBytes(__m256i s, __m256i t, __m256i even) {
  if constexpr (Mode == NVBlendMode::Multiply) {
    return nvProductHigh(s, t, even);
  } else if constexpr (Mode == NVBlendMode::Screen) {
    return _mm256_adds_epu8(s, _mm256_sub_epi8(t, nvProductHigh(s, t, even)));
  } else {
    static_assert(Mode == NVBlendMode::Overlay);
    // 2t where it fits a byte (t < 128), t itself where doubling wraps.
    const __m256i doubled = _mm256_max_epu8(t, _mm256_add_epi8(t, t));
    const __m256i product = nvProductHigh(s, doubled, even);
    const __m256i screen = _mm256_adds_epu8(s, _mm256_sub_epi8(t, product));
    const __m256i lit = _mm256_sub_epi8(screen, _mm256_xor_si256(screen, _mm256_set1_epi8(-1)));
    return _mm256_blendv_epi8(product, lit, t);  // blendv reads the top bit: t >= 128
  }
}

// Two groups of eight samples recoloured by a mode that reads the target
// against the target pixels under them, all in the target's channel order;
// the alpha bytes of the result mean nothing.
template <NVBlendMode Mode>
NV_AVX2_INLINE void nvModeColour16(const __m256i (&s)[2], const __m256i (&t)[2], __m256i even, __m256i (&out)[2]) {
  static_assert(nvModeReadsTarget(Mode));
  const __m256i ones = _mm256_set1_epi8(-1);
  if constexpr (Mode == NVBlendMode::ColourDodge) {
    const __m256i d[2] = {_mm256_xor_si256(s[0], ones), _mm256_xor_si256(s[1], ones)};
    nvQuotient255(t, d, out);
  } else if constexpr (Mode == NVBlendMode::ColourBurn) {
    const __m256i x[2] = {_mm256_xor_si256(t[0], ones), _mm256_xor_si256(t[1], ones)};
    nvQuotient255(x, s, out);
    out[0] = _mm256_xor_si256(out[0], ones);
    out[1] = _mm256_xor_si256(out[1], ones);
  } else if constexpr (Mode == NVBlendMode::Darken) {
    out[0] = _mm256_min_epu8(s[0], t[0]);
    out[1] = _mm256_min_epu8(s[1], t[1]);
  } else if constexpr (Mode == NVBlendMode::Lighten) {
    out[0] = _mm256_max_epu8(s[0], t[0]);
    out[1] = _mm256_max_epu8(s[1], t[1]);
  } else {
    out[0] = nvModeBytes<Mode>(s[0], t[0], even);
    out[1] = nvModeBytes<Mode>(s[1], t[1], even);
  }
}
