// SSE2 row kernels: the same exact arithmetic as the AVX2 kernels on four
// pixels at a time, for processors without AVX2. Samples of rotated or
// scaled mappings, and every bilinear sample, are read one by one; the blend
// modes and the compositing are what run in vector registers. The normal
// mode keeps the scalar bilinear kernel, which its compositing alone does
// not outrun.
#include "framework/compose/blit/NVBlitSimd.h"

#if NV_BLIT_X86

#include "framework/compose/blit/NVBlitKernelTable.h"
#include "framework/compose/blit/NVBlitModesSse2.h"

namespace {

NV_SSE2_INLINE __m128i select(__m128i mask, __m128i yes, __m128i no) { return nvSelect4(mask, yes, no); }

NV_SSE2_INLINE __m128i swapRedBlue(__m128i p) {
  const __m128i keep = _mm_set1_epi32(int(0xFF00FF00u)), low = _mm_set1_epi32(0xFF);
  return _mm_or_si128(_mm_and_si128(p, keep), _mm_or_si128(_mm_and_si128(_mm_srli_epi32(p, 16), low),
                                                           _mm_slli_epi32(_mm_and_si128(p, low), 16)));
}

NV_SSE2_INLINE __m128i blendHalf(__m128i s, __m128i t, __m128i beta) {
  const __m128i delta = _mm_slli_epi16(_mm_sub_epi16(s, t), 1);
  const __m128i colour = _mm_add_epi16(t, _mm_mulhi_epi16(delta, _mm_slli_epi16(beta, 7)));
  const __m128i covered = _mm_srli_epi16(_mm_mullo_epi16(t, beta), 8);
  const __m128i alpha = _mm_min_epi16(_mm_sub_epi16(_mm_add_epi16(beta, t), covered), _mm_set1_epi16(255));
  const __m128i alphaLanes = _mm_set_epi16(-1, 0, 0, 0, -1, 0, 0, 0);
  return select(alphaLanes, alpha, colour);
}

NV_SSE2_INLINE __m128i over4(__m128i s, __m128i t, __m128i m) {
  const __m128i beta = _mm_srli_epi16(_mm_mullo_epi16(_mm_srli_epi32(s, 24), m), 8);
  const __m128i opaque = _mm_cmpgt_epi32(beta, _mm_set1_epi32(253));
  const __m128i stored = _mm_or_si128(_mm_and_si128(s, _mm_set1_epi32(0xFFFFFF)), _mm_slli_epi32(beta, 24));
  if (_mm_movemask_epi8(opaque) == 0xFFFF) {
    return stored;
  }
  const __m128i pair = _mm_or_si128(beta, _mm_slli_epi32(beta, 16));  // beta in both 16-bit halves
  const __m128i zero = _mm_setzero_si128();
  const __m128i low = blendHalf(_mm_unpacklo_epi8(s, zero), _mm_unpacklo_epi8(t, zero), _mm_unpacklo_epi32(pair, pair));
  const __m128i high =
      blendHalf(_mm_unpackhi_epi8(s, zero), _mm_unpackhi_epi8(t, zero), _mm_unpackhi_epi32(pair, pair));
  return select(opaque, stored, _mm_packus_epi16(low, high));
}

NV_SSE2_INLINE void storeOver(std::uint32_t* dst, __m128i s, __m128i m) {
  const __m128i alpha = _mm_and_si128(s, _mm_set1_epi32(int(0xFF000000u)));
  if (_mm_movemask_epi8(_mm_cmpeq_epi32(alpha, _mm_setzero_si128())) == 0xFFFF) {
    return;  // fully transparent samples leave the target as it is
  }
  __m128i* p = reinterpret_cast<__m128i*>(dst);
  _mm_storeu_si128(p, over4(s, _mm_loadu_si128(p), m));
}

// Four samples of a mode that reads the target: the target is loaded
// whenever some sample is not fully transparent.
template <NVBlendMode Mode>
NV_SSE2_INLINE void put4(std::uint32_t* dst, __m128i s, __m128i m) {
  if constexpr (nvModeReadsTarget(Mode)) {
    const __m128i alpha = _mm_and_si128(s, _mm_set1_epi32(int(0xFF000000u)));
    if (_mm_movemask_epi8(_mm_cmpeq_epi32(alpha, _mm_setzero_si128())) == 0xFFFF) {
      return;
    }
    __m128i* p = reinterpret_cast<__m128i*>(dst);
    const __m128i t = _mm_loadu_si128(p);
    _mm_storeu_si128(p, over4(nvModeColour4<Mode>(s, t), t, m));
  } else {
    storeOver(dst, nvModeColour4<Mode>(s, s), m);
  }
}

template <NVBlendMode Mode, bool Swap>
NV_SSE2 void nearestRow(const NVBlitSampler& s, std::uint32_t* row, int first, int last, std::int32_t u0,
                        std::int32_t v0, std::int32_t ux, std::int32_t vx) {
  const __m128i m = _mm_set1_epi32(s.alpha);
  int j = first;
  if (ux == 1024 && vx == 0) {
    const std::uint32_t* src =
        s.pixels + std::size_t((v0 - s.oy) >> 10) * std::size_t(s.width) + std::size_t((u0 + first * ux - s.ox) >> 10);
    for (; j + 4 <= last; j += 4) {
      const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + (j - first)));
      put4<Mode>(row + j, Swap ? swapRedBlue(p) : p, m);
    }
  } else {
    for (; j + 4 <= last; j += 4) {
      int words[4];
      for (int lane = 0; lane < 4; ++lane) {
        const std::int32_t u = u0 + (j + lane) * ux - s.ox, v = v0 + (j + lane) * vx - s.oy;
        words[lane] = int(s.pixels[std::size_t(v >> 10) * std::size_t(s.width) + std::size_t(u >> 10)]);
      }
      const __m128i p = _mm_setr_epi32(words[0], words[1], words[2], words[3]);
      put4<Mode>(row + j, Swap ? swapRedBlue(p) : p, m);
    }
  }
  for (; j < last; ++j) {
    nvNearestPixel<Mode, Swap>(s, row[j], u0 + j * ux, v0 + j * vx);
  }
}

// A pixel whose bilinear sample is skipped gets a fully transparent sample
// instead, which leaves the target pixel as it is.
template <NVBlendMode Mode, bool Swap>
NV_SSE2 void bilinearRow(const NVBlitSampler& s, std::uint32_t* row, int first, int last, std::int32_t u0,
                         std::int32_t v0, std::int32_t ux, std::int32_t vx) {
  const __m128i m = _mm_set1_epi32(s.alpha);
  int j = first;
  for (; j + 4 <= last; j += 4) {
    alignas(16) std::uint32_t samples[4];
    for (int lane = 0; lane < 4; ++lane) {
      const std::uint32_t t = row[j + lane];
      if (!nvBilinearSample(s, Swap ? nvSwapRedBlue(t) : t, u0 + (j + lane) * ux, v0 + (j + lane) * vx,
                            samples[lane])) {
        samples[lane] = 0;
      }
    }
    const __m128i p = _mm_load_si128(reinterpret_cast<const __m128i*>(samples));
    put4<Mode>(row + j, Swap ? swapRedBlue(p) : p, m);
  }
  for (; j < last; ++j) {
    nvBilinearPixel<Mode, Swap>(s, row[j], u0 + j * ux, v0 + j * vx);
  }
}

// The normal mode's bilinear kernel stays the scalar one.
template <NVBlendMode Mode, bool Swap>
struct Kernels {
  static constexpr NVBlitRowKernel nearest = &nearestRow<Mode, Swap>;
  static constexpr NVBlitRowKernel bilinear = Mode == NVBlendMode::Normal ? nullptr : &bilinearRow<Mode, Swap>;
};

}  // namespace

NVBlitRowKernel nvBlitSse2Kernel(NVSampleFilter filter, NVBlendMode mode, NVPixelLayout layout) {
  return nvBlitKernelOf<Kernels>(filter, mode, layout);
}

#endif
