// The plain scalar row kernels: one per filter, blend mode and layout.
#include "framework/compose/NVBlitKernels.h"

namespace {

template <int Mode, bool Swap>
void nearestRow(const NVBlitSampler& s, std::uint32_t* row, int first, int last, std::int32_t u0,
                std::int32_t v0, std::int32_t ux, std::int32_t vx) {
  for (int j = last - 1; j >= first; --j) {
    nvNearestPixel<Mode, Swap>(s, row[j], u0 + j * ux, v0 + j * vx);
  }
}

template <int Mode, bool Swap>
void bilinearRow(const NVBlitSampler& s, std::uint32_t* row, int first, int last, std::int32_t u0,
                 std::int32_t v0, std::int32_t ux, std::int32_t vx) {
  for (int j = last - 1; j >= first; --j) {
    nvBilinearPixel<Mode, Swap>(s, row[j], u0 + j * ux, v0 + j * vx);
  }
}

template <bool Swap, int... Modes>
struct KernelTable {
  static constexpr NVBlitRowKernel nearest[] = {&nearestRow<Modes, Swap>...};
  static constexpr NVBlitRowKernel bilinear[] = {&bilinearRow<Modes, Swap>...};
};

using BgraTable = KernelTable<false, 0, 1, 2, 3, 4, 5, 6, 7, 8>;
using RgbaTable = KernelTable<true, 0, 1, 2, 3, 4, 5, 6, 7, 8>;

}  // namespace

NVBlitRowKernel nvBlitScalarKernel(int filter, int mode, int layout) {
  if (layout == 2) {
    return filter == 1 ? RgbaTable::bilinear[mode] : RgbaTable::nearest[mode];
  }
  return filter == 1 ? BgraTable::bilinear[mode] : BgraTable::nearest[mode];
}
