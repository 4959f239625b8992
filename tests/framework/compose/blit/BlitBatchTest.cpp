// Seeded random batches of blits against the plain reference, at every
// kernel level this processor has. BRISEL_BLIT_ITERATION=n re-runs only
// iteration n and prints its parameters and every differing pixel.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "framework/compose/blit/NVBlitKernels.h"
#include "tests/framework/compose/blit/BlitRandomCase.h"
#include "tests/framework/compose/blit/BlitReference.h"

namespace {

constexpr std::uint32_t kBatchSize = 20000;
// CRC over the targets of the whole batch; the same at every level.
constexpr std::uint32_t kBatchCrc = 0xd59735c6u;

const char* levelName(int level) { return level == NV_BLIT_AVX2 ? "avx2" : level == NV_BLIT_SSE2 ? "sse2" : "scalar"; }

struct LevelGuard {
  explicit LevelGuard(int level) { nvBlitSetMaxLevel(level); }
  ~LevelGuard() { nvBlitSetMaxLevel(NV_BLIT_AVX2); }
};

std::vector<std::uint32_t> runBlitter(const BlitCase& c) {
  BlitCase copy = c;
  copy.bind();
  blitterFor(copy.filter, copy.layout, copy.clipped)(copy.params);
  return copy.target;
}

std::vector<std::uint32_t> runReference(const BlitCase& c) {
  BlitCase copy = c;
  copy.bind();
  referenceBlit(copy.params, copy.filter, copy.layout, copy.clipped);
  return copy.target;
}

// Prints the case and its differing words; returns how many differ.
int reportDifferences(std::uint32_t iteration, const BlitCase& c, const std::vector<std::uint32_t>& got,
                      const std::vector<std::uint32_t>& want, bool verbose) {
  int count = 0, changed = 0;
  for (std::size_t i = 0; i < want.size(); ++i) {
    changed += want[i] != c.target[i];
  }
  for (std::size_t i = 0; i < got.size(); ++i) {
    if (got[i] != want[i] && (count++ < 8 || verbose)) {
      std::printf("  word %zu (row %zu, column %zu): got %08x, reference %08x, before %08x\n", i,
                  i / std::size_t(c.params.target.stride), i % std::size_t(c.params.target.stride), got[i], want[i],
                  c.target[i]);
    }
  }
  if (count > 0 || verbose) {
    std::printf("iteration %u: %d words differ, %d drawn\n%s", iteration, count, changed, c.describe().c_str());
  }
  return count;
}

TEST(BlitBatch, MatchesReferenceAtEveryLevel) {
  const char* only = std::getenv("BRISEL_BLIT_ITERATION");
  const std::uint32_t begin = only ? std::uint32_t(std::strtoul(only, nullptr, 10)) : 0;
  const std::uint32_t end = only ? begin + 1 : kBatchSize / 4;
  for (int level = NV_BLIT_SCALAR; level <= nvBlitCpuLevel(); ++level) {
    LevelGuard guard(level);
    for (std::uint32_t n = begin; n < end; ++n) {
      const BlitCase c = makeBlitCase(n);
      const std::vector<std::uint32_t> got = runBlitter(c);
      if (reportDifferences(n, c, got, runReference(c), only != nullptr) > 0) {
        FAIL() << "first differing iteration at level " << levelName(level) << ": " << n;
      }
    }
  }
}

TEST(BlitBatch, ChecksumAtEveryLevel) {
  for (int level = NV_BLIT_SCALAR; level <= nvBlitCpuLevel(); ++level) {
    LevelGuard guard(level);
    std::uint32_t crc = 0, drawn = 0;
    for (std::uint32_t n = 0; n < kBatchSize; ++n) {
      const BlitCase c = makeBlitCase(n);
      const std::vector<std::uint32_t> target = runBlitter(c);
      drawn += target != c.target;
      crc = crc32Words(crc, target);
    }
    EXPECT_EQ(crc, kBatchCrc) << "level " << levelName(level) << std::hex << " crc 0x" << crc << std::dec << ", "
                              << drawn << " blits drew";
    // A batch whose blits mostly draw nothing would check next to nothing.
    EXPECT_GT(drawn, kBatchSize / 3) << "level " << levelName(level);
  }
}

TEST(BlitBatch, ReferenceGivesTheChecksum) {
  std::uint32_t crc = 0;
  for (std::uint32_t n = 0; n < kBatchSize; ++n) {
    crc = crc32Words(crc, runReference(makeBlitCase(n)));
  }
  EXPECT_EQ(crc, kBatchCrc) << std::hex << "crc 0x" << crc;
}

// Inputs that once made the fuzzer fail, at every level.
TEST(BlitBatch, FuzzInputsMatchReference) {
  const std::filesystem::path folder = std::filesystem::path(BRISEL_SOURCE_DIR) / "tests/inputs/fuzz_blitters";
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    std::ifstream in(entry.path(), std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const BlitCase c = blitCaseFromBytes(bytes.data(), bytes.size());
    for (int level = NV_BLIT_SCALAR; level <= nvBlitCpuLevel(); ++level) {
      LevelGuard guard(level);
      EXPECT_EQ(runBlitter(c), runReference(c)) << entry.path() << " at level " << levelName(level);
    }
    ++count;
  }
  EXPECT_GE(count, 2);
}

}  // namespace
