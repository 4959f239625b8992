// The row kernels of one level in tables indexed by the blend mode's number,
// one table per filter and layout. A level describes its kernels with a
// template Family<Mode, Swap> holding the static members nearest and
// bilinear (null where the level has none).
#pragma once

#include <cstddef>
#include <utility>

#include "framework/compose/blit/NVBlendMode.h"
#include "framework/compose/blit/NVBlitPixel.h"
#include "framework/compose/blit/NVPixelTarget.h"
#include "framework/compose/blit/NVSampleFilter.h"

template <template <NVBlendMode, bool> class Family, bool Swap, std::size_t... Modes>
NVBlitRowKernel nvBlitKernelOfMode(bool bilinear, std::size_t mode, std::index_sequence<Modes...>) {
  // Plain arrays, not static ones: GCC would give a static local of each
  // level's instantiation one symbol shared by every level.
  const NVBlitRowKernel kernels[] = {
      (bilinear ? Family<NVBlendMode(Modes), Swap>::bilinear : Family<NVBlendMode(Modes), Swap>::nearest)...};
  return kernels[mode];
}

template <template <NVBlendMode, bool> class Family>
NVBlitRowKernel nvBlitKernelOf(NVSampleFilter filter, NVBlendMode mode, NVPixelLayout layout) {
  const auto modes = std::make_index_sequence<kNVBlendModeCount>{};
  const bool bilinear = filter == NVSampleFilter::Bilinear;
  return layout == NVPixelLayout::Rgba ? nvBlitKernelOfMode<Family, true>(bilinear, std::size_t(mode), modes)
                                       : nvBlitKernelOfMode<Family, false>(bilinear, std::size_t(mode), modes);
}
