// The plain scalar row kernels: one per filter, blend mode and layout.
#include "framework/compose/blit/NVBlitKernels.h"

#include "framework/compose/blit/NVBlitKernelTable.h"

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

template <NVBlendMode Mode, bool Swap>
struct Kernels {
  static constexpr NVBlitRowKernel nearest = &nearestRow<Mode, Swap>;
  static constexpr NVBlitRowKernel bilinear = &bilinearRow<Mode, Swap>;
};

}  // namespace

NVBlitRowKernel nvBlitScalarKernel(NVSampleFilter filter, NVBlendMode mode, NVPixelLayout layout) {
  return nvBlitKernelOf<Kernels>(filter, mode, layout);
}
