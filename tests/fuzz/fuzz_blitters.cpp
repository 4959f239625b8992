// Starts from a seeded random blit, lets the input overwrite its matrix,
// placement and sizes with arbitrary values (NaN, infinities, huge numbers),
// and compares the member with the plain reference. Out-of-bounds access is
// left to the sanitizers.
#include <cstdint>
#include <cstdlib>

#include "tests/framework/compose/blit/BlitRandomCase.h"
#include "tests/framework/compose/blit/BlitReference.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  BlitCase expected = blitCaseFromBytes(data, size);
  BlitCase actual = expected;
  actual.bind();
  referenceBlit(expected.params, expected.filter, expected.layout, expected.clipped);
  blitterFor(actual.filter, actual.layout, actual.clipped)(actual.params);
  if (actual.target != expected.target) {
    std::abort();
  }
  return 0;
}
