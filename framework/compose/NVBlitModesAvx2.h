// The blend-mode colours of eight pixels at a time for the AVX2 kernels: the
// scalar formulas of nvBlendChannel on every colour byte, with each pixel's
// alpha byte taken from the sample so that compositing reads it as before.
// Included only by the AVX2 kernels, which are compiled for AVX2 alone.
#pragma once

#include <immintrin.h>

#include <cstdint>

#include "framework/compose/NVBlendMode.h"
#include "framework/compose/NVBlitPixel.h"

#define NV_AVX2 __attribute__((target("avx2")))

NV_AVX2 inline __m256i nvKeepSampleAlpha(__m256i colour, __m256i s) {
  return _mm256_blendv_epi8(colour, s, _mm256_set1_epi32(int(0xFF000000u)));
}

// Colour dodge and colour burn read the same 65,536-entry tables as the
// scalar code (one gather per colour channel), so they are exact by
// construction and need no division. A gather reads four bytes at a byte
// index; the index is clamped so that no read passes either end of the
// table, using edges where the table is constant: every dodge entry with
// s = 255 is 255, so the last entries read the word at 65532 and keep its
// low byte; every burn entry with s = 0 is 0, so the first entries read the
// word at 0 and every entry keeps the high byte of the word ending at it.
template <NVBlendMode Mode>
NV_AVX2 inline __m256i nvTableChannel(__m256i s, __m256i t, int shift) {
  const __m256i byte = _mm256_set1_epi32(0xFF);
  const __m256i sc = _mm256_and_si256(_mm256_srli_epi32(s, shift), byte);
  const __m256i tc = _mm256_and_si256(_mm256_srli_epi32(t, shift), byte);
  const __m256i index = _mm256_or_si256(_mm256_slli_epi32(sc, 8), tc);
  if constexpr (Mode == NVBlendMode::ColourDodge) {
    const __m256i at = _mm256_min_epi32(index, _mm256_set1_epi32(65532));
    const __m256i word = _mm256_i32gather_epi32(reinterpret_cast<const int*>(kNvDodgeTable.data()), at, 1);
    return _mm256_slli_epi32(_mm256_and_si256(word, byte), shift);
  } else {
    const __m256i at = _mm256_sub_epi32(_mm256_max_epi32(index, _mm256_set1_epi32(3)), _mm256_set1_epi32(3));
    const __m256i word = _mm256_i32gather_epi32(reinterpret_cast<const int*>(kNvBurnTable.data()), at, 1);
    return _mm256_slli_epi32(_mm256_srli_epi32(word, 24), shift);
  }
}

// The remaining modes work on 16-bit lanes, where every intermediate of the
// scalar formulas fits: (s * t) >> 8 is the high half of (s << 8) * t, and
// packing with unsigned saturation is the scalar code's clamp to 0..255.
template <NVBlendMode Mode>
NV_AVX2 inline __m256i nvModeWords(__m256i s, __m256i t) {
  const __m256i product = _mm256_mullo_epi16(s, t);  // at most 65,025: exact as unsigned
  if constexpr (Mode == NVBlendMode::Multiply) {
    return _mm256_srli_epi16(product, 8);
  } else if constexpr (Mode == NVBlendMode::Screen) {
    return _mm256_sub_epi16(_mm256_add_epi16(s, t), _mm256_srli_epi16(product, 8));
  } else {
    static_assert(Mode == NVBlendMode::Overlay);
    const __m256i dark = _mm256_srli_epi16(product, 7);
    const __m256i sum = _mm256_sub_epi16(_mm256_add_epi16(s, t), _mm256_srli_epi16(product, 8));
    const __m256i light = _mm256_sub_epi16(_mm256_add_epi16(sum, sum), _mm256_set1_epi16(255));
    return _mm256_blendv_epi8(dark, light, _mm256_cmpgt_epi16(t, _mm256_set1_epi16(127)));
  }
}

// Eight samples recoloured by the mode against eight target pixels, both in
// the target's channel order.
template <NVBlendMode Mode>
NV_AVX2 inline __m256i nvModeColour8(__m256i s, __m256i t) {
  if constexpr (Mode == NVBlendMode::Normal) {
    return s;
  } else if constexpr (Mode == NVBlendMode::Inverted) {
    return _mm256_xor_si256(s, _mm256_set1_epi32(0xFFFFFF));
  } else if constexpr (Mode == NVBlendMode::Darken) {
    return nvKeepSampleAlpha(_mm256_min_epu8(s, t), s);
  } else if constexpr (Mode == NVBlendMode::Lighten) {
    return nvKeepSampleAlpha(_mm256_max_epu8(s, t), s);
  } else if constexpr (Mode == NVBlendMode::ColourDodge || Mode == NVBlendMode::ColourBurn) {
    const __m256i colour = _mm256_or_si256(
        _mm256_or_si256(nvTableChannel<Mode>(s, t, 0), nvTableChannel<Mode>(s, t, 8)), nvTableChannel<Mode>(s, t, 16));
    return _mm256_or_si256(colour, _mm256_and_si256(s, _mm256_set1_epi32(int(0xFF000000u))));
  } else {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i low = nvModeWords<Mode>(_mm256_unpacklo_epi8(s, zero), _mm256_unpacklo_epi8(t, zero));
    const __m256i high = nvModeWords<Mode>(_mm256_unpackhi_epi8(s, zero), _mm256_unpackhi_epi8(t, zero));
    return nvKeepSampleAlpha(_mm256_packus_epi16(low, high), s);
  }
}
