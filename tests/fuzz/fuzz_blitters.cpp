// Starts from a seeded random blit, lets the input overwrite its matrix,
// placement, sizes, alpha and blend mode with arbitrary values (NaN,
// infinities, huge numbers), and compares the member at every kernel level
// this processor has with the plain reference. Out-of-bounds access is left
// to the sanitizers.
#include <cstdint>
#include <cstdlib>

#include "framework/compose/blit/NVBlitKernels.h"
#include "tests/framework/compose/blit/BlitRandomCase.h"
#include "tests/framework/compose/blit/BlitReference.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  BlitCase expected = blitCaseFromBytes(data, size);
  expected.bind();
  referenceBlit(expected.params, expected.filter, expected.layout, expected.clipped);
  for (int level = NV_BLIT_SCALAR; level <= nvBlitCpuLevel(); ++level) {
    BlitCase actual = blitCaseFromBytes(data, size);
    actual.bind();
    nvBlitSetMaxLevel(level);
    blitterFor(actual.filter, actual.layout, actual.clipped)(actual.params);
    if (actual.target != expected.target) {
      std::abort();
    }
  }
  nvBlitSetMaxLevel(NV_BLIT_AVX2);
  return 0;
}
