// The blend-mode colours of four pixels at a time for the SSE2 kernels: the
// scalar formulas of nvBlendChannel on every colour byte, with each pixel's
// alpha byte taken from the sample so that compositing reads it as before.
// Included only by the SSE2 kernels.
#pragma once

#include <emmintrin.h>

#include <cstddef>
#include <cstdint>

#include "framework/compose/NVBlendMode.h"
#include "framework/compose/NVBlitPixel.h"

#define NV_SSE2 __attribute__((target("sse2")))

NV_SSE2 inline __m128i nvSelect4(__m128i mask, __m128i yes, __m128i no) {
  return _mm_or_si128(_mm_and_si128(mask, yes), _mm_andnot_si128(mask, no));
}

NV_SSE2 inline __m128i nvKeepSampleAlpha4(__m128i colour, __m128i s) {
  return nvSelect4(_mm_set1_epi32(int(0xFF000000u)), s, colour);
}

// On 16-bit lanes every intermediate of the scalar formulas fits, and
// packing with unsigned saturation is the scalar code's clamp to 0..255.
template <NVBlendMode Mode>
NV_SSE2 inline __m128i nvModeWords4(__m128i s, __m128i t) {
  const __m128i product = _mm_mullo_epi16(s, t);  // at most 65,025: exact as unsigned
  if constexpr (Mode == NVBlendMode::Multiply) {
    return _mm_srli_epi16(product, 8);
  } else if constexpr (Mode == NVBlendMode::Screen) {
    return _mm_sub_epi16(_mm_add_epi16(s, t), _mm_srli_epi16(product, 8));
  } else {
    static_assert(Mode == NVBlendMode::Overlay);
    const __m128i dark = _mm_srli_epi16(product, 7);
    const __m128i sum = _mm_sub_epi16(_mm_add_epi16(s, t), _mm_srli_epi16(product, 8));
    const __m128i light = _mm_sub_epi16(_mm_add_epi16(sum, sum), _mm_set1_epi16(255));
    return nvSelect4(_mm_cmpgt_epi16(t, _mm_set1_epi16(127)), light, dark);
  }
}

// Colour dodge and colour burn read the scalar code's tables one channel at
// a time: SSE2 has no gather, and the tables need no division.
template <NVBlendMode Mode>
NV_SSE2 inline __m128i nvTableColour4(__m128i s, __m128i t) {
  alignas(16) std::uint32_t sw[4], tw[4];
  _mm_store_si128(reinterpret_cast<__m128i*>(sw), s);
  _mm_store_si128(reinterpret_cast<__m128i*>(tw), t);
  for (int lane = 0; lane < 4; ++lane) {
    std::uint32_t out = sw[lane] & 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
      out |= std::uint32_t(nvBlendChannel<Mode>(nvChannel(sw[lane], shift), nvChannel(tw[lane], shift))) << shift;
    }
    sw[lane] = out;
  }
  return _mm_load_si128(reinterpret_cast<const __m128i*>(sw));
}

// Four samples recoloured by the mode against four target pixels, both in
// the target's channel order.
template <NVBlendMode Mode>
NV_SSE2 inline __m128i nvModeColour4(__m128i s, __m128i t) {
  if constexpr (Mode == NVBlendMode::Normal) {
    return s;
  } else if constexpr (Mode == NVBlendMode::Inverted) {
    return _mm_xor_si128(s, _mm_set1_epi32(0xFFFFFF));
  } else if constexpr (Mode == NVBlendMode::Darken) {
    return nvKeepSampleAlpha4(_mm_min_epu8(s, t), s);
  } else if constexpr (Mode == NVBlendMode::Lighten) {
    return nvKeepSampleAlpha4(_mm_max_epu8(s, t), s);
  } else if constexpr (Mode == NVBlendMode::ColourDodge || Mode == NVBlendMode::ColourBurn) {
    return nvTableColour4<Mode>(s, t);
  } else {
    const __m128i zero = _mm_setzero_si128();
    const __m128i low = nvModeWords4<Mode>(_mm_unpacklo_epi8(s, zero), _mm_unpacklo_epi8(t, zero));
    const __m128i high = nvModeWords4<Mode>(_mm_unpackhi_epi8(s, zero), _mm_unpackhi_epi8(t, zero));
    return nvKeepSampleAlpha4(_mm_packus_epi16(low, high), s);
  }
}
