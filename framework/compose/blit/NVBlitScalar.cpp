// The plain scalar row kernels: one per filter, blend mode and layout.
#include "framework/compose/blit/NVBlitKernels.h"

#include <cstddef>
#include <iterator>

namespace {

template <NVBlendMode Mode, bool Swap>
void nearestRow(const NVBlitSampler& s, std::uint32_t* row, int first, int last, std::int32_t u0, std::int32_t v0,
                std::int32_t ux, std::int32_t vx) {
  for (int j = last - 1; j >= first; --j) {
    nvNearestPixel<Mode, Swap>(s, row[j], u0 + j * ux, v0 + j * vx);
  }
}

template <NVBlendMode Mode, bool Swap>
void bilinearRow(const NVBlitSampler& s, std::uint32_t* row, int first, int last, std::int32_t u0, std::int32_t v0,
                 std::int32_t ux, std::int32_t vx) {
  for (int j = last - 1; j >= first; --j) {
    nvBilinearPixel<Mode, Swap>(s, row[j], u0 + j * ux, v0 + j * vx);
  }
}

template <bool Swap, NVBlendMode... Modes>
struct KernelTable {
  static constexpr NVBlitRowKernel nearest[] = {&nearestRow<Modes, Swap>...};
  static constexpr NVBlitRowKernel bilinear[] = {&bilinearRow<Modes, Swap>...};
};

// Indexed by the blend mode's number.
template <bool Swap>
using ModeTable = KernelTable<Swap, NVBlendMode::Normal, NVBlendMode::Inverted, NVBlendMode::Multiply,
                              NVBlendMode::Screen, NVBlendMode::Darken, NVBlendMode::Lighten, NVBlendMode::Overlay,
                              NVBlendMode::ColourDodge, NVBlendMode::ColourBurn>;
using BgraTable = ModeTable<false>;
using RgbaTable = ModeTable<true>;
static_assert(std::size(BgraTable::nearest) == kNVBlendModeCount);

}  // namespace

NVBlitRowKernel nvBlitScalarKernel(NVSampleFilter filter, NVBlendMode mode, NVPixelLayout layout) {
  const auto index = std::size_t(mode);
  const bool bilinear = filter == NVSampleFilter::Bilinear;
  if (layout == NVPixelLayout::Rgba) {
    return bilinear ? RgbaTable::bilinear[index] : RgbaTable::nearest[index];
  }
  return bilinear ? BgraTable::bilinear[index] : BgraTable::nearest[index];
}
