// Seeded random blits: iteration n always draws the same sizes, strides,
// clips, matrices, alphas, blend modes, filters, layouts and ancestors.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "framework/compose/blit/NVBlitParams.h"

struct BlitCase {
  int filter = 0, layout = 1;
  bool clipped = false;
  std::vector<std::uint32_t> target, source;
  std::vector<NVBlitClipAncestor> ancestors;
  NVBlitParams params;  // points into the vectors above; rebuilt by bind()

  void bind();
  std::string describe() const;
};

BlitCase makeBlitCase(std::uint32_t iteration);

// A case from fuzzer bytes: the first four choose the seeded case, the rest
// overwrite its matrix, placement, sizes, alpha, mode and clip with
// arbitrary values.
BlitCase blitCaseFromBytes(const std::uint8_t* data, std::size_t size);

// CRC-32 (IEEE) of a word buffer's bytes, continuing from crc.
std::uint32_t crc32Words(std::uint32_t crc, const std::vector<std::uint32_t>& words);
