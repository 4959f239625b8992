// AVX2 row kernels for every blend mode. They compute exactly the scalar
// formulas on eight pixels at a time: the blend is rewritten as sums that
// 16-bit lanes hold without loss, and the bilinear weights are split into a
// horizontal and a vertical step whose 32-bit sums are exact. The other modes
// recolour the samples against the target first (NVBlitModesAvx2.h) and then
// compose as the normal mode does. Edges and tails go through the scalar
// pixel code.
#include "framework/compose/blit/NVBlitSimd.h"

#if NV_BLIT_X86

#include "framework/compose/blit/NVBlitKernelTable.h"
#include "framework/compose/blit/NVBlitModesAvx2.h"

namespace {

NV_AVX2_INLINE __m256i swapRedBlue(__m256i p) {
  const __m256i order = _mm256_setr_epi8(2, 1, 0, 3, 6, 5, 4, 7, 10, 9, 8, 11, 14, 13, 12, 15,  //
                                         2, 1, 0, 3, 6, 5, 4, 7, 10, 9, 8, 11, 14, 13, 12, 15);
  return _mm256_shuffle_epi8(p, order);
}

// Keeps a constant in its register: left alone, the compiler rebuilds some
// broadcasts inside the pixel loop on every iteration.
NV_AVX2_INLINE __m256i pinned(__m256i v) {
  __asm__("" : "+x"(v));
  return v;
}

struct OverConstants {
  __m256i alpha, sampleAlpha, limit, colour, two, whole, pairs, low, roundUp, green, alphaMask;
  // At the item's full alpha a sample of alpha 255 (and only such a sample)
  // is nearly opaque, and stores alpha (255 * 255) >> 8 = 254: a group of
  // such samples needs no weights worked out.
  bool fullAlpha;
  NV_AVX2 explicit OverConstants(int m)
      : alpha(pinned(_mm256_set1_epi16(std::int16_t(m)))),
        sampleAlpha(pinned(_mm256_setr_epi8(3, -1, 3, -1, 7, -1, 7, -1, 11, -1, 11, -1, 15, -1, 15, -1,  //
                                            3, -1, 3, -1, 7, -1, 7, -1, 11, -1, 11, -1, 15, -1, 15, -1))),
        limit(pinned(_mm256_set1_epi16(253))),
        colour(pinned(_mm256_set1_epi32(0xFFFFFF))),
        two(pinned(_mm256_set1_epi16(2))),
        whole(pinned(_mm256_set1_epi16(256))),
        pairs(pinned(_mm256_set1_epi32(0x00FF00FF))),
        low(pinned(_mm256_set1_epi32(0xFF))),
        roundUp(pinned(_mm256_set1_epi32(0xFF0000))),
        green(pinned(_mm256_set1_epi32(0xFF00))),
        alphaMask(pinned(_mm256_set1_epi32(int(0xFF000000u)))),
        fullAlpha(m == 255) {}
};

// Normal-mode compositing of eight samples over eight target pixels. The
// colour T + (((s - T) * beta) >> 8) with a flooring shift equals
// (T * (256 - beta) + s * beta) >> 8, and the alpha
// beta + T.a - ((T.a * beta) >> 8) equals beta + ((T.a * (256 - beta) + 255) >> 8);
// both sums stay within 16 bits, so two channels share each multiply. A
// nearly opaque sample (beta 254) takes weight 256: its colour is then the
// sample's and its alpha beta, as stored without blending.
//
// Beta of each pixel is held in both 16-bit halves of its lane.
NV_AVX2_INLINE __m256i betaOf(__m256i s, const OverConstants& k) {
  return _mm256_srli_epi16(_mm256_mullo_epi16(_mm256_shuffle_epi8(s, k.sampleAlpha), k.alpha), 8);
}

NV_AVX2_INLINE __m256i storedOf(__m256i s, __m256i beta, const OverConstants& k) {
  return _mm256_or_si256(_mm256_and_si256(s, k.colour), _mm256_slli_epi32(beta, 24));
}

NV_AVX2_INLINE __m256i blend8(__m256i s, __m256i t, __m256i beta, __m256i opaque, const OverConstants& k) {
  const __m256i weight = _mm256_add_epi16(beta, _mm256_and_si256(opaque, k.two));
  const __m256i rest = _mm256_sub_epi16(k.whole, weight);
  const __m256i redBlue = _mm256_add_epi16(_mm256_mullo_epi16(_mm256_and_si256(t, k.pairs), rest),
                                           _mm256_mullo_epi16(_mm256_and_si256(s, k.pairs), weight));
  // Green in the low half; the target's alpha alone (the sample's masked
  // off), rounded up, in the high half.
  const __m256i greenAlpha =
      _mm256_add_epi16(_mm256_add_epi16(_mm256_mullo_epi16(_mm256_and_si256(_mm256_srli_epi32(t, 8), k.pairs), rest),
                                        _mm256_mullo_epi16(_mm256_and_si256(_mm256_srli_epi32(s, 8), k.low), weight)),
                       k.roundUp);
  const __m256i colour =
      _mm256_or_si256(_mm256_and_si256(_mm256_srli_epi16(redBlue, 8), k.pairs), _mm256_and_si256(greenAlpha, k.green));
  // The high half of each lane is shifted out below.
  const __m256i alpha = _mm256_min_epi16(_mm256_add_epi16(beta, _mm256_srli_epi32(greenAlpha, 24)), k.low);
  return _mm256_or_si256(colour, _mm256_slli_epi32(alpha, 24));
}

NV_AVX2_INLINE __m256i over8(__m256i s, __m256i t, const OverConstants& k) {
  const __m256i beta = betaOf(s, k);
  const __m256i opaque = _mm256_cmpgt_epi16(beta, k.limit);
  if (_mm256_movemask_epi8(opaque) == -1) {
    return storedOf(s, beta, k);
  }
  return blend8(s, t, beta, opaque, k);
}

NV_AVX2_INLINE void storeOver(std::uint32_t* dst, __m256i s, const OverConstants& k) {
  // Fully transparent samples would leave the target as it is.
  if (_mm256_testz_si256(s, k.alphaMask)) {
    return;
  }
  __m256i* p = reinterpret_cast<__m256i*>(dst);
  _mm256_storeu_si256(p, over8(s, _mm256_loadu_si256(p), k));
}

// Sixteen samples of alpha 255 drawn at the item's full alpha.
NV_AVX2_INLINE bool allOpaque(__m256i s0, __m256i s1, const OverConstants& k) {
  return k.fullAlpha && _mm256_testc_si256(_mm256_and_si256(s0, s1), k.alphaMask);
}

// The colour of such a sample (or of its mode) with the alpha it stores.
NV_AVX2_INLINE __m256i storedOpaque(__m256i colour, const OverConstants& k) {
  return _mm256_blendv_epi8(colour, _mm256_set1_epi32(int(0xFE000000u)), k.alphaMask);
}

// Sixteen pixels with one test for transparency and one for opacity.
NV_AVX2_INLINE void storeOver16(std::uint32_t* dst, __m256i s0, __m256i s1, const OverConstants& k) {
  if (_mm256_testz_si256(_mm256_or_si256(s0, s1), k.alphaMask)) {
    return;
  }
  __m256i* p = reinterpret_cast<__m256i*>(dst);
  if (allOpaque(s0, s1, k)) {
    _mm256_storeu_si256(p, storedOpaque(s0, k));
    _mm256_storeu_si256(p + 1, storedOpaque(s1, k));
    return;
  }
  const __m256i beta0 = betaOf(s0, k), beta1 = betaOf(s1, k);
  const __m256i opaque0 = _mm256_cmpgt_epi16(beta0, k.limit), opaque1 = _mm256_cmpgt_epi16(beta1, k.limit);
  if (_mm256_movemask_epi8(_mm256_and_si256(opaque0, opaque1)) == -1) {
    _mm256_storeu_si256(p, storedOf(s0, beta0, k));
    _mm256_storeu_si256(p + 1, storedOf(s1, beta1, k));
    return;
  }
  _mm256_storeu_si256(p, blend8(s0, _mm256_loadu_si256(p), beta0, opaque0, k));
  _mm256_storeu_si256(p + 1, blend8(s1, _mm256_loadu_si256(p + 1), beta1, opaque1, k));
}

// Compositing of eight mode colours whose weights come from the samples s
// under them (blend8 reads only the colour bytes of what it blends in).
NV_AVX2_INLINE __m256i overColour8(__m256i colour, __m256i beta, __m256i opaque, __m256i t, const OverConstants& k) {
  if (_mm256_movemask_epi8(opaque) == -1) {
    return _mm256_blendv_epi8(colour, _mm256_slli_epi32(beta, 24), k.alphaMask);
  }
  return blend8(colour, t, beta, opaque, k);
}

// Samples of a mode that reads the target: the target is loaded whenever
// some sample is not fully transparent. The colours of sixteen pixels are
// worked out together (see nvModeColour16); eight pass their group twice.
template <NVBlendMode Mode>
NV_AVX2_INLINE void storeBlend16(std::uint32_t* dst, __m256i s0, __m256i s1, const OverConstants& k) {
  if (_mm256_testz_si256(_mm256_or_si256(s0, s1), k.alphaMask)) {
    return;
  }
  __m256i* p = reinterpret_cast<__m256i*>(dst);
  const __m256i s[2] = {s0, s1}, t[2] = {_mm256_loadu_si256(p), _mm256_loadu_si256(p + 1)};
  __m256i colour[2];
  nvModeColour16<Mode>(s, t, k.pairs, colour);
  if (allOpaque(s0, s1, k)) {
    _mm256_storeu_si256(p, storedOpaque(colour[0], k));
    _mm256_storeu_si256(p + 1, storedOpaque(colour[1], k));
    return;
  }
  const __m256i beta0 = betaOf(s0, k), beta1 = betaOf(s1, k);
  _mm256_storeu_si256(p, overColour8(colour[0], beta0, _mm256_cmpgt_epi16(beta0, k.limit), t[0], k));
  _mm256_storeu_si256(p + 1, overColour8(colour[1], beta1, _mm256_cmpgt_epi16(beta1, k.limit), t[1], k));
}

template <NVBlendMode Mode>
NV_AVX2_INLINE void storeBlend8(std::uint32_t* dst, __m256i s0, const OverConstants& k) {
  if (_mm256_testz_si256(s0, k.alphaMask)) {
    return;
  }
  __m256i* p = reinterpret_cast<__m256i*>(dst);
  const __m256i t0 = _mm256_loadu_si256(p);
  const __m256i s[2] = {s0, s0}, t[2] = {t0, t0};
  __m256i colour[2];
  nvModeColour16<Mode>(s, t, k.pairs, colour);
  const __m256i beta = betaOf(s0, k);
  _mm256_storeu_si256(p, overColour8(colour[0], beta, _mm256_cmpgt_epi16(beta, k.limit), t0, k));
}

// The sample's own colour for the modes that do not read the target.
template <NVBlendMode Mode>
NV_AVX2_INLINE __m256i recoloured(__m256i s) {
  if constexpr (Mode == NVBlendMode::Inverted) {
    return _mm256_xor_si256(s, _mm256_set1_epi32(0xFFFFFF));
  } else {
    static_assert(Mode == NVBlendMode::Normal);
    return s;
  }
}

template <NVBlendMode Mode>
NV_AVX2_INLINE void put8(std::uint32_t* dst, __m256i s, const OverConstants& k) {
  if constexpr (nvModeReadsTarget(Mode)) {
    storeBlend8<Mode>(dst, s, k);
  } else {
    storeOver(dst, recoloured<Mode>(s), k);
  }
}

template <NVBlendMode Mode>
NV_AVX2_INLINE void put16(std::uint32_t* dst, __m256i s0, __m256i s1, const OverConstants& k) {
  if constexpr (nvModeReadsTarget(Mode)) {
    storeBlend16<Mode>(dst, s0, s1, k);
  } else {
    storeOver16(dst, recoloured<Mode>(s0), recoloured<Mode>(s1), k);
  }
}

// Draws pixels from j on in groups of eight samples that next() yields in
// turn, while whole groups fit before last; returns the first pixel left.
// Modes that read the target take two groups at a time.
template <NVBlendMode Mode, typename Next>
NV_AVX2_INLINE int putGroups(std::uint32_t* row, int j, int last, Next& next, const OverConstants& k) {
  if constexpr (nvModeReadsTarget(Mode)) {
    for (; j + 16 <= last; j += 16) {
      const __m256i s0 = next();
      put16<Mode>(row + j, s0, next(), k);
    }
  }
  for (; j + 8 <= last; j += 8) {
    put8<Mode>(row + j, next(), k);
  }
  return j;
}

NV_AVX2_INLINE __m256i laneSteps(std::int32_t step) {
  return _mm256_mullo_epi32(_mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7), _mm256_set1_epi32(step));
}

template <NVBlendMode Mode, bool Swap>
NV_AVX2 void nearestRow(const NVBlitSampler& s, std::uint32_t* row, int first, int last, std::int32_t u0,
                        std::int32_t v0, std::int32_t ux, std::int32_t vx) {
  const OverConstants m(s.alpha);
  int j = first;
  if (ux == 1024 && vx == 0) {
    // A plain translation reads consecutive source pixels.
    const std::uint32_t* src =
        s.pixels + std::size_t((v0 - s.oy) >> 10) * std::size_t(s.width) + std::size_t((u0 + first * ux - s.ox) >> 10);
    for (; j + 16 <= last; j += 16) {
      const __m256i* from = reinterpret_cast<const __m256i*>(src + (j - first));
      const __m256i p0 = _mm256_loadu_si256(from), p1 = _mm256_loadu_si256(from + 1);
      put16<Mode>(row + j, Swap ? swapRedBlue(p0) : p0, Swap ? swapRedBlue(p1) : p1, m);
    }
    for (; j + 8 <= last; j += 8) {
      __m256i p = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + (j - first)));
      put8<Mode>(row + j, Swap ? swapRedBlue(p) : p, m);
    }
  } else {
    __m256i u = _mm256_add_epi32(_mm256_set1_epi32(u0 + j * ux - s.ox), laneSteps(ux));
    __m256i v = _mm256_add_epi32(_mm256_set1_epi32(v0 + j * vx - s.oy), laneSteps(vx));
    const __m256i uStep = _mm256_set1_epi32(8 * ux), vStep = _mm256_set1_epi32(8 * vx);
    const __m256i width = _mm256_set1_epi32(s.width);
    const int* base = reinterpret_cast<const int*>(s.pixels);
    auto next = [&]() NV_AVX2_LAMBDA {
      const __m256i index =
          _mm256_add_epi32(_mm256_mullo_epi32(_mm256_srai_epi32(v, 10), width), _mm256_srai_epi32(u, 10));
      const __m256i p = _mm256_i32gather_epi32(base, index, 4);
      u = _mm256_add_epi32(u, uStep);
      v = _mm256_add_epi32(v, vStep);
      return Swap ? swapRedBlue(p) : p;
    };
    j = putGroups<Mode>(row, j, last, next, m);
  }
  for (; j < last; ++j) {
    nvNearestPixel<Mode, Swap>(s, row[j], u0 + j * ux, v0 + j * vx);
  }
}

NV_AVX2_INLINE __m128i loadPair(const std::uint32_t* base, std::int32_t i) {
  return _mm_loadl_epi64(reinterpret_cast<const __m128i*>(base + i));
}

// Each pixel's two horizontal neighbours, for four pixels: one 64-bit load
// per pixel, cheaper here than a gather.
NV_AVX2_INLINE __m256i neighbourPairs(const std::uint32_t* base, __m128i index) {
  alignas(16) std::int32_t at[4];
  _mm_store_si128(reinterpret_cast<__m128i*>(at), index);
  const __m128i low = _mm_unpacklo_epi64(loadPair(base, at[0]), loadPair(base, at[1]));
  const __m128i high = _mm_unpacklo_epi64(loadPair(base, at[2]), loadPair(base, at[3]));
  return _mm256_inserti128_si256(_mm256_castsi128_si256(low), high, 1);
}

// Lane a of v in the low half, lane b in the high half.
NV_AVX2_INLINE __m256i spread(__m256i v, int a, int b) {
  return _mm256_permutevar8x32_epi32(v, _mm256_setr_epi32(a, a, a, a, b, b, b, b));
}

// Full-weight bilinear sums of the pixels in the first (or second) pair of
// each 128-bit half: their four channels as 32-bit values 0..255.
NV_AVX2_INLINE __m256i bilinearPixels(__m256i top, __m256i bottom, __m256i order, __m256i fxPair, __m256i fy) {
  const __m256i horizontalTop = _mm256_madd_epi16(_mm256_shuffle_epi8(top, order), fxPair);
  const __m256i horizontalBottom = _mm256_madd_epi16(_mm256_shuffle_epi8(bottom, order), fxPair);
  const __m256i sum = _mm256_add_epi32(_mm256_slli_epi32(horizontalTop, 10),
                                       _mm256_mullo_epi32(fy, _mm256_sub_epi32(horizontalBottom, horizontalTop)));
  return _mm256_srli_epi32(sum, 20);
}

// Eight full-weight bilinear samples from the top-left neighbour indices and
// the fractions (SameRow: all eight share one fy, as in a plain scale): the horizontal step multiplies channel pairs
// (left, right) by (1024 - fx, fx) in one madd, the vertical step adds fy times the difference of the two rows; both
// are exact in 32 bits.
template <bool SameRow>
NV_AVX2_INLINE __m256i bilinear8(const std::uint32_t* base, __m256i index, __m256i width, __m256i fxPair, __m256i fy) {
  const __m256i below = _mm256_add_epi32(index, width);
  const __m256i top0 = neighbourPairs(base, _mm256_castsi256_si128(index));
  const __m256i top1 = neighbourPairs(base, _mm256_extracti128_si256(index, 1));
  const __m256i bottom0 = neighbourPairs(base, _mm256_castsi256_si128(below));
  const __m256i bottom1 = neighbourPairs(base, _mm256_extracti128_si256(below, 1));
  const __m256i first = _mm256_setr_epi8(0, -1, 4, -1, 1, -1, 5, -1, 2, -1, 6, -1, 3, -1, 7, -1,  //
                                         0, -1, 4, -1, 1, -1, 5, -1, 2, -1, 6, -1, 3, -1, 7, -1);
  const __m256i second = _mm256_setr_epi8(8, -1, 12, -1, 9, -1, 13, -1, 10, -1, 14, -1, 11, -1, 15, -1,  //
                                          8, -1, 12, -1, 9, -1, 13, -1, 10, -1, 14, -1, 11, -1, 15, -1);
  // Pixels 0 and 2, 1 and 3, 4 and 6, 5 and 7 share a register.
  const __m256i p02 = bilinearPixels(top0, bottom0, first, spread(fxPair, 0, 2), (SameRow ? fy : spread(fy, 0, 2)));
  const __m256i p13 = bilinearPixels(top0, bottom0, second, spread(fxPair, 1, 3), (SameRow ? fy : spread(fy, 1, 3)));
  const __m256i p46 = bilinearPixels(top1, bottom1, first, spread(fxPair, 4, 6), (SameRow ? fy : spread(fy, 4, 6)));
  const __m256i p57 = bilinearPixels(top1, bottom1, second, spread(fxPair, 5, 7), (SameRow ? fy : spread(fy, 5, 7)));
  const __m256i bytes = _mm256_packus_epi16(_mm256_packus_epi32(p02, p13), _mm256_packus_epi32(p46, p57));
  return _mm256_permute4x64_epi64(bytes, 0xD8);
}

// A plain horizontal scale (one pair of source rows, columns rising by at
// most six over eight pixels) reads each row's eight-pixel window once and
// picks every pixel's neighbours from it with permutes.
NV_AVX2_INLINE __m256i scaled8(const std::uint32_t* top, const std::uint32_t* bottom, __m256i column, __m256i fxPair,
                               __m256i fy) {
  const __m256i next = _mm256_add_epi32(column, _mm256_set1_epi32(1));
  const __m256i t = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(top));
  const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bottom));
  const __m256i tl = _mm256_permutevar8x32_epi32(t, column), tr = _mm256_permutevar8x32_epi32(t, next);
  const __m256i bl = _mm256_permutevar8x32_epi32(b, column), br = _mm256_permutevar8x32_epi32(b, next);
  const __m256i zero = _mm256_setzero_si256();
  // (left, right) channel pairs: pixels 0 and 4, 1 and 5, 2 and 6, 3 and 7 share a register.
  const __m256i topLow = _mm256_unpacklo_epi8(tl, tr), topHigh = _mm256_unpackhi_epi8(tl, tr);
  const __m256i bottomLow = _mm256_unpacklo_epi8(bl, br), bottomHigh = _mm256_unpackhi_epi8(bl, br);
  auto pixels = [&](__m256i topPairs, __m256i bottomPairs, int a) NV_AVX2 {
    const __m256i weights = spread(fxPair, a, a + 4);
    const __m256i h0 = _mm256_madd_epi16(topPairs, weights), h1 = _mm256_madd_epi16(bottomPairs, weights);
    return _mm256_srli_epi32(
        _mm256_add_epi32(_mm256_slli_epi32(h0, 10), _mm256_mullo_epi32(fy, _mm256_sub_epi32(h1, h0))), 20);
  };
  const __m256i p04 = pixels(_mm256_unpacklo_epi8(topLow, zero), _mm256_unpacklo_epi8(bottomLow, zero), 0);
  const __m256i p15 = pixels(_mm256_unpackhi_epi8(topLow, zero), _mm256_unpackhi_epi8(bottomLow, zero), 1);
  const __m256i p26 = pixels(_mm256_unpacklo_epi8(topHigh, zero), _mm256_unpacklo_epi8(bottomHigh, zero), 2);
  const __m256i p37 = pixels(_mm256_unpackhi_epi8(topHigh, zero), _mm256_unpackhi_epi8(bottomHigh, zero), 3);
  return _mm256_packus_epi16(_mm256_packus_epi32(p04, p15), _mm256_packus_epi32(p26, p37));
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

template <NVBlendMode Mode, bool Swap>
NV_AVX2 void bilinearRow(const NVBlitSampler& s, std::uint32_t* row, int first, int last, std::int32_t u0,
                         std::int32_t v0, std::int32_t ux, std::int32_t vx) {
  const Interior interior{s, u0, v0, ux, vx};
  for (; last > first && !interior(last - 1); --last) {
    nvBilinearPixel<Mode, Swap>(s, row[last - 1], u0 + (last - 1) * ux, v0 + (last - 1) * vx);
  }
  for (; first < last && !interior(first); ++first) {
    nvBilinearPixel<Mode, Swap>(s, row[first], u0 + first * ux, v0 + first * vx);
  }
  const OverConstants m(s.alpha);
  __m256i u = _mm256_add_epi32(_mm256_set1_epi32(u0 + first * ux), laneSteps(ux));
  __m256i v = _mm256_add_epi32(_mm256_set1_epi32(v0 + first * vx), laneSteps(vx));
  const __m256i uStep = _mm256_set1_epi32(8 * ux), vStep = _mm256_set1_epi32(8 * vx);
  const __m256i width = _mm256_set1_epi32(s.width), ox = _mm256_set1_epi32(s.ox), oy = _mm256_set1_epi32(s.oy);
  const __m256i fraction = _mm256_set1_epi32(1023), one = _mm256_set1_epi32(1024);
  // The source row of a plain horizontal scale, whose interior samples all
  // lie on it (only formed when there are interior pixels).
  const std::uint32_t* scaleRow =
      vx == 0 && ux > 0 && first < last ? s.pixels + std::size_t((v0 - s.oy) >> 10) * std::size_t(s.width) : nullptr;
  // The next eight samples, in the target's channel order.
  auto next = [&]() NV_AVX2_LAMBDA {
    const __m256i column = _mm256_srai_epi32(_mm256_sub_epi32(u, ox), 10);
    const __m256i fx = _mm256_and_si256(u, fraction), fy = _mm256_and_si256(v, fraction);
    const __m256i fxPair = _mm256_or_si256(_mm256_sub_epi32(one, fx), _mm256_slli_epi32(fx, 16));
    const int c0 = _mm256_cvtsi256_si32(column);
    __m256i sample;
    if (scaleRow && _mm256_extract_epi32(column, 7) - c0 <= 6 && c0 + 8 <= s.width) {
      sample =
          scaled8(scaleRow + c0, scaleRow + c0 + s.width, _mm256_sub_epi32(column, _mm256_set1_epi32(c0)), fxPair, fy);
    } else {
      const __m256i rowIndex = _mm256_srai_epi32(_mm256_sub_epi32(v, oy), 10);
      const __m256i index = _mm256_add_epi32(_mm256_mullo_epi32(rowIndex, width), column);
      sample = vx == 0 ? bilinear8<true>(s.pixels, index, width, fxPair, fy)
                       : bilinear8<false>(s.pixels, index, width, fxPair, fy);
    }
    u = _mm256_add_epi32(u, uStep);
    v = _mm256_add_epi32(v, vStep);
    return Swap ? swapRedBlue(sample) : sample;
  };
  int j = putGroups<Mode>(row, first, last, next, m);
  for (; j < last; ++j) {
    nvBilinearPixel<Mode, Swap>(s, row[j], u0 + j * ux, v0 + j * vx);
  }
}

template <NVBlendMode Mode, bool Swap>
struct Kernels {
  static constexpr NVBlitRowKernel nearest = &nearestRow<Mode, Swap>;
  static constexpr NVBlitRowKernel bilinear = &bilinearRow<Mode, Swap>;
};

}  // namespace

NVBlitRowKernel nvBlitAvx2Kernel(NVSampleFilter filter, NVBlendMode mode, NVPixelLayout layout) {
  return nvBlitKernelOf<Kernels>(filter, mode, layout);
}

#endif
