// AVX2 row kernels for the normal blend mode. They compute exactly the
// scalar formulas on eight pixels at a time: the blend's signed product
// shifted right by 8 is the high half of (2d) * (128 beta), which 16-bit
// lanes hold without loss, and the bilinear weights are split into a
// horizontal and a vertical step whose 32-bit sums are exact. Edges and
// tails go through the scalar pixel code.
#include "framework/compose/NVBlitSimd.h"

#if NV_BLIT_X86

#include <immintrin.h>

#define NV_AVX2 __attribute__((target("avx2")))

namespace {

NV_AVX2 inline __m256i swapRedBlue(__m256i p) {
  const __m256i order = _mm256_setr_epi8(2, 1, 0, 3, 6, 5, 4, 7, 10, 9, 8, 11, 14, 13, 12, 15,  //
                                         2, 1, 0, 3, 6, 5, 4, 7, 10, 9, 8, 11, 14, 13, 12, 15);
  return _mm256_shuffle_epi8(p, order);
}

// One half (four pixels as 16-bit channels) of the translucent blend.
NV_AVX2 inline __m256i blendHalf(__m256i s, __m256i t, __m256i beta) {
  const __m256i delta = _mm256_slli_epi16(_mm256_sub_epi16(s, t), 1);
  const __m256i colour = _mm256_add_epi16(t, _mm256_mulhi_epi16(delta, _mm256_slli_epi16(beta, 7)));
  const __m256i covered = _mm256_srli_epi16(_mm256_mullo_epi16(t, beta), 8);
  const __m256i alpha = _mm256_min_epi16(_mm256_sub_epi16(_mm256_add_epi16(beta, t), covered), _mm256_set1_epi16(255));
  return _mm256_blend_epi16(colour, alpha, 0x88);
}

// Normal-mode compositing of eight samples over eight target pixels.
NV_AVX2 inline __m256i over8(__m256i s, __m256i t, __m256i m) {
  const __m256i beta = _mm256_srli_epi16(_mm256_mullo_epi16(_mm256_srli_epi32(s, 24), m), 8);
  const __m256i opaque = _mm256_cmpgt_epi32(beta, _mm256_set1_epi32(253));
  const __m256i stored = _mm256_or_si256(_mm256_and_si256(s, _mm256_set1_epi32(0xFFFFFF)), _mm256_slli_epi32(beta, 24));
  if (_mm256_movemask_epi8(opaque) == -1) {
    return stored;
  }
  const __m256i spread = _mm256_shuffle_epi8(beta, _mm256_setr_epi8(0, 0, 0, 0, 4, 4, 4, 4, 8, 8, 8, 8, 12, 12, 12, 12,  //
                                                                      0, 0, 0, 0, 4, 4, 4, 4, 8, 8, 8, 8, 12, 12, 12, 12));
  const __m256i zero = _mm256_setzero_si256();
  const __m256i low = blendHalf(_mm256_unpacklo_epi8(s, zero), _mm256_unpacklo_epi8(t, zero),
                                _mm256_unpacklo_epi8(spread, zero));
  const __m256i high = blendHalf(_mm256_unpackhi_epi8(s, zero), _mm256_unpackhi_epi8(t, zero),
                                 _mm256_unpackhi_epi8(spread, zero));
  return _mm256_blendv_epi8(_mm256_packus_epi16(low, high), stored, opaque);
}

NV_AVX2 inline void storeOver(std::uint32_t* dst, __m256i s, __m256i m) {
  // Fully transparent samples would leave the target as it is.
  if (_mm256_testz_si256(s, _mm256_set1_epi32(int(0xFF000000u)))) {
    return;
  }
  __m256i* p = reinterpret_cast<__m256i*>(dst);
  _mm256_storeu_si256(p, over8(s, _mm256_loadu_si256(p), m));
}

NV_AVX2 inline __m256i laneSteps(std::int32_t step) {
  return _mm256_mullo_epi32(_mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7), _mm256_set1_epi32(step));
}

template <bool Swap>
NV_AVX2 void nearestRow(const NVBlitSampler& s, std::uint32_t* row, int first, int last, std::int32_t u0,
                        std::int32_t v0, std::int32_t ux, std::int32_t vx) {
  const __m256i m = _mm256_set1_epi32(s.alpha);
  int j = first;
  if (ux == 1024 && vx == 0) {
    // A plain translation reads consecutive source pixels.
    const std::uint32_t* src = s.pixels + std::size_t((v0 - s.oy) >> 10) * std::size_t(s.width) +
                               std::size_t((u0 + first * ux - s.ox) >> 10);
    for (; j + 8 <= last; j += 8) {
      __m256i p = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + (j - first)));
      storeOver(row + j, Swap ? swapRedBlue(p) : p, m);
    }
  } else {
    __m256i u = _mm256_add_epi32(_mm256_set1_epi32(u0 + j * ux - s.ox), laneSteps(ux));
    __m256i v = _mm256_add_epi32(_mm256_set1_epi32(v0 + j * vx - s.oy), laneSteps(vx));
    const __m256i uStep = _mm256_set1_epi32(8 * ux), vStep = _mm256_set1_epi32(8 * vx);
    const __m256i width = _mm256_set1_epi32(s.width);
    const int* base = reinterpret_cast<const int*>(s.pixels);
    for (; j + 8 <= last; j += 8) {
      const __m256i index = _mm256_add_epi32(_mm256_mullo_epi32(_mm256_srai_epi32(v, 10), width), _mm256_srai_epi32(u, 10));
      const __m256i p = _mm256_i32gather_epi32(base, index, 4);
      storeOver(row + j, Swap ? swapRedBlue(p) : p, m);
      u = _mm256_add_epi32(u, uStep);
      v = _mm256_add_epi32(v, vStep);
    }
  }
  for (; j < last; ++j) {
    nvNearestPixel<0, Swap>(s, row[j], u0 + j * ux, v0 + j * vx);
  }
}

// One channel of the full-weight bilinear sum, shifted back to a byte.
NV_AVX2 inline __m256i bilinearChannel(__m256i p00, __m256i p10, __m256i p01, __m256i p11, int shift, __m256i fxPair,
                                       __m256i fy) {
  const __m256i low = _mm256_set1_epi32(0xFF), high = _mm256_set1_epi32(0xFF0000);
  auto pair = [&](__m256i left, __m256i right) NV_AVX2 {
    const __m256i l = _mm256_and_si256(_mm256_srli_epi32(left, shift), low);
    const __m256i r = _mm256_and_si256(_mm256_slli_epi32(_mm256_srli_epi32(right, shift), 16), high);
    return _mm256_madd_epi16(_mm256_or_si256(l, r), fxPair);
  };
  const __m256i top = pair(p00, p10), bottom = pair(p01, p11);
  const __m256i sum = _mm256_add_epi32(_mm256_slli_epi32(top, 10), _mm256_mullo_epi32(fy, _mm256_sub_epi32(bottom, top)));
  return _mm256_slli_epi32(_mm256_srli_epi32(sum, 20), shift);
}

// Pixels whose four neighbours all lie inside the limits take their whole
// weight from the source.
struct Interior {
  const NVBlitSampler& s;
  std::int32_t u0, v0, ux, vx;
  bool operator()(int j) const {
    const std::int32_t i = (u0 + j * ux - s.ox) >> 10, k = (v0 + j * vx - s.oy) >> 10;
    return i >= 0 && i + 1 < s.limitWidth && k >= 0 && k + 1 < s.limitHeight;
  }
};

template <bool Swap>
NV_AVX2 void bilinearRow(const NVBlitSampler& s, std::uint32_t* row, int first, int last, std::int32_t u0,
                         std::int32_t v0, std::int32_t ux, std::int32_t vx) {
  const Interior interior{s, u0, v0, ux, vx};
  for (; last > first && !interior(last - 1); --last) {
    nvBilinearPixel<0, Swap>(s, row[last - 1], u0 + (last - 1) * ux, v0 + (last - 1) * vx);
  }
  for (; first < last && !interior(first); ++first) {
    nvBilinearPixel<0, Swap>(s, row[first], u0 + first * ux, v0 + first * vx);
  }
  const __m256i m = _mm256_set1_epi32(s.alpha);
  __m256i u = _mm256_add_epi32(_mm256_set1_epi32(u0 + first * ux), laneSteps(ux));
  __m256i v = _mm256_add_epi32(_mm256_set1_epi32(v0 + first * vx), laneSteps(vx));
  const __m256i uStep = _mm256_set1_epi32(8 * ux), vStep = _mm256_set1_epi32(8 * vx);
  const __m256i width = _mm256_set1_epi32(s.width), ox = _mm256_set1_epi32(s.ox), oy = _mm256_set1_epi32(s.oy);
  const __m256i fraction = _mm256_set1_epi32(1023), one = _mm256_set1_epi32(1024);
  const int* base = reinterpret_cast<const int*>(s.pixels);
  int j = first;
  for (; j + 8 <= last; j += 8) {
    const __m256i fx = _mm256_and_si256(u, fraction), fy = _mm256_and_si256(v, fraction);
    const __m256i fxPair = _mm256_or_si256(_mm256_sub_epi32(one, fx), _mm256_slli_epi32(fx, 16));
    const __m256i index = _mm256_add_epi32(_mm256_mullo_epi32(_mm256_srai_epi32(_mm256_sub_epi32(v, oy), 10), width),
                                           _mm256_srai_epi32(_mm256_sub_epi32(u, ox), 10));
    const __m256i below = _mm256_add_epi32(index, width);
    const __m256i p00 = _mm256_i32gather_epi32(base, index, 4), p10 = _mm256_i32gather_epi32(base + 1, index, 4);
    const __m256i p01 = _mm256_i32gather_epi32(base, below, 4), p11 = _mm256_i32gather_epi32(base + 1, below, 4);
    __m256i sample = bilinearChannel(p00, p10, p01, p11, 0, fxPair, fy);
    sample = _mm256_or_si256(sample, bilinearChannel(p00, p10, p01, p11, 8, fxPair, fy));
    sample = _mm256_or_si256(sample, bilinearChannel(p00, p10, p01, p11, 16, fxPair, fy));
    sample = _mm256_or_si256(sample, bilinearChannel(p00, p10, p01, p11, 24, fxPair, fy));
    storeOver(row + j, Swap ? swapRedBlue(sample) : sample, m);
    u = _mm256_add_epi32(u, uStep);
    v = _mm256_add_epi32(v, vStep);
  }
  for (; j < last; ++j) {
    nvBilinearPixel<0, Swap>(s, row[j], u0 + j * ux, v0 + j * vx);
  }
}

}  // namespace

NVBlitRowKernel nvBlitAvx2Kernel(int filter, int mode, int layout) {
  if (mode != 0) {
    return nullptr;
  }
  if (filter == 1) {
    return layout == 2 ? &bilinearRow<true> : &bilinearRow<false>;
  }
  return layout == 2 ? &nearestRow<true> : &nearestRow<false>;
}

#endif
