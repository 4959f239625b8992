// Run-time choice between the scalar and the vector row kernels.
#include <atomic>

#include "framework/compose/blit/NVBlitKernels.h"
#include "framework/compose/blit/NVBlitSimd.h"

namespace {

int detectLevel() {
#if NV_BLIT_X86
  __builtin_cpu_init();
  if (__builtin_cpu_supports("avx2")) {
    return NV_BLIT_AVX2;
  }
  if (__builtin_cpu_supports("sse2")) {
    return NV_BLIT_SSE2;
  }
#endif
  return NV_BLIT_SCALAR;
}

std::atomic<int> maxLevel{NV_BLIT_AVX2};

}  // namespace

int nvBlitCpuLevel() {
  static const int level = detectLevel();
  return level;
}

void nvBlitSetMaxLevel(int level) { maxLevel.store(level, std::memory_order_relaxed); }

int nvBlitActiveLevel() { return std::min(nvBlitCpuLevel(), maxLevel.load(std::memory_order_relaxed)); }

NVBlitRowKernel nvBlitSelectKernel(NVSampleFilter filter, NVBlendMode mode, NVPixelLayout layout) {
  NVBlitRowKernel kernel = nullptr;
#if NV_BLIT_X86
  const int level = nvBlitActiveLevel();
  if (level >= NV_BLIT_AVX2) {
    kernel = nvBlitAvx2Kernel(filter, mode, layout);
  }
  if (!kernel && level >= NV_BLIT_SSE2) {
    kernel = nvBlitSse2Kernel(filter, mode, layout);
  }
#endif
  return kernel ? kernel : nvBlitScalarKernel(filter, mode, layout);
}
