// The blend-mode colours of four pixels at a time for the SSE2 kernels: the
// scalar formulas of nvBlendChannel on every colour byte, with each pixel's
// alpha byte taken from the sample so that compositing reads it as before.
// Included only by the SSE2 kernels.
#pragma once

#include <emmintrin.h>

#include <cstdint>

#include "framework/compose/blit/NVBlendMode.h"
#include "framework/compose/blit/NVBlitPixel.h"

#define NV_SSE2 __attribute__((target("sse2")))
// The pixel helpers: GCC would otherwise leave some of them out of line in
// the larger kernels and pass their vectors through memory.
#define NV_SSE2_INLINE __attribute__((target("sse2"), always_inline)) inline

NV_SSE2_INLINE __m128i nvSelect4(__m128i mask, __m128i yes, __m128i no) {
  return _mm_or_si128(_mm_and_si128(mask, yes), _mm_andnot_si128(mask, no));
}

NV_SSE2_INLINE __m128i nvKeepSampleAlpha4(__m128i colour, __m128i s) {
  return nvSelect4(_mm_set1_epi32(int(0xFF000000u)), s, colour);
}

// Multiply, screen and overlay on bytes, by the formulas of the AVX2
// kernels (see nvModeBytes there): (s * t) >> 8 is the high byte of a
// 16-bit product, formed for the even bytes with mulhi and for the odd ones
// in place.
NV_SSE2_INLINE __m128i nvProductHigh4(__m128i a, __m128i b) {
  const __m128i even = _mm_set1_epi16(0x00FF);
  const __m128i low = _mm_mulhi_epu16(_mm_and_si128(a, even), _mm_slli_epi16(b, 8));
  const __m128i high = _mm_mullo_epi16(_mm_srli_epi16(a, 8), _mm_srli_epi16(b, 8));
  return _mm_or_si128(low, _mm_andnot_si128(even, high));
}

template <NVBlendMode Mode>
NV_SSE2_INLINE __m128i nvModeBytes4(__m128i s, __m128i t) {
  if constexpr (Mode == NVBlendMode::Multiply) {
    return nvProductHigh4(s, t);
  } else if constexpr (Mode == NVBlendMode::Screen) {
    return _mm_adds_epu8(s, _mm_sub_epi8(t, nvProductHigh4(s, t)));
  } else {
    static_assert(Mode == NVBlendMode::Overlay);
    const __m128i light = _mm_cmpgt_epi8(_mm_setzero_si128(), t);  // t >= 128
    const __m128i product = nvProductHigh4(s, _mm_add_epi8(t, _mm_andnot_si128(light, t)));
    const __m128i screen = _mm_adds_epu8(s, _mm_sub_epi8(t, product));
    const __m128i lit = _mm_sub_epi8(screen, _mm_xor_si128(screen, _mm_set1_epi8(-1)));
    return nvSelect4(light, lit, product);
  }
}

// Colour dodge and colour burn as one quotient on bytes, by the long
// division the AVX2 kernels use (see nvQuotient255 there):
// q(x, d) = 255 when x >= d, floor(255 * x / d) otherwise.
NV_SSE2_INLINE __m128i nvQuotient255x4(__m128i x, __m128i d) {
  const __m128i half = _mm_avg_epu8(d, _mm_setzero_si128());
  __m128i r = x, q = _mm_setzero_si128();
  for (int step = 0; step < 8; ++step) {
    const __m128i fits = _mm_cmpeq_epi8(_mm_max_epu8(r, half), r);
    r = _mm_sub_epi8(_mm_add_epi8(r, r), _mm_and_si128(fits, d));
    q = _mm_sub_epi8(_mm_add_epi8(q, q), fits);
  }
  const __m128i atLeast = _mm_cmpeq_epi8(_mm_max_epu8(r, x), r);
  q = _mm_sub_epi8(_mm_add_epi8(q, _mm_set1_epi8(-1)), atLeast);  // minus one where r < x
  return _mm_or_si128(q, _mm_cmpeq_epi8(_mm_max_epu8(x, d), x));
}

// Four samples recoloured by the mode against four target pixels, both in
// the target's channel order.
template <NVBlendMode Mode>
NV_SSE2_INLINE __m128i nvModeColour4(__m128i s, __m128i t) {
  if constexpr (Mode == NVBlendMode::Normal) {
    return s;
  } else if constexpr (Mode == NVBlendMode::Inverted) {
    return _mm_xor_si128(s, _mm_set1_epi32(0xFFFFFF));
  } else if constexpr (Mode == NVBlendMode::Darken) {
    return nvKeepSampleAlpha4(_mm_min_epu8(s, t), s);
  } else if constexpr (Mode == NVBlendMode::Lighten) {
    return nvKeepSampleAlpha4(_mm_max_epu8(s, t), s);
  } else if constexpr (Mode == NVBlendMode::ColourDodge) {
    return nvKeepSampleAlpha4(nvQuotient255x4(t, _mm_xor_si128(s, _mm_set1_epi8(-1))), s);
  } else if constexpr (Mode == NVBlendMode::ColourBurn) {
    const __m128i ones = _mm_set1_epi8(-1);
    return nvKeepSampleAlpha4(_mm_xor_si128(nvQuotient255x4(_mm_xor_si128(t, ones), s), ones), s);
  } else {
    return nvKeepSampleAlpha4(nvModeBytes4<Mode>(s, t), s);
  }
}
