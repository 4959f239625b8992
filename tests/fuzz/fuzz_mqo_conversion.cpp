// Feeds random bytes through the streaming conversion, cut into blocks of a
// random size, and compares the result with the plain line-by-line reference.
// Raw data of binary chunks is handed on either inside the blocks of lines
// or ahead of them, as soon as it is read.
#include <cstdint>
#include <algorithm>
#include <cstdlib>
#include <string>

#include "app/ByteSink.h"
#include "app/MqoUvStripper.h"
#include "tests/app/ReferenceConversion.h"

namespace {

ReferenceResult convert(const char* data, size_t size, size_t block, bool rawFirst) {
  ReferenceResult result;
  ByteSink sink(
      [&result](const char* p, size_t n) {
        result.output.append(p, n);
        return true;
      },
      64);
  MqoUvStripper stripper(sink);
  std::string pending;
  for (size_t pos = 0; pos < size; pos += block) {
    pending.append(data + pos, std::min(block, size - pos));
    if (rawFirst && stripper.rawBytesPending() > 0) {
      const size_t raw = static_cast<size_t>(std::min<uint64_t>(stripper.rawBytesPending(), pending.size()));
      stripper.processRawBytes(pending.data(), pending.data() + raw);
      pending.erase(0, raw);
    }
    const size_t nl = pending.rfind('\n');
    if (nl == std::string::npos) continue;
    stripper.processLines(pending.data(), pending.data() + nl + 1);
    pending.erase(0, nl + 1);
  }
  stripper.processLastLine(pending.data(), pending.data() + pending.size());
  sink.flush();
  result.hadUV = stripper.hadUV();
  return result;
}

}  // namespace

// The first byte chooses the block size and how raw data goes; the rest is
// the file.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const size_t block = 1 + data[0] % 17;
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  const ReferenceResult expected = referenceConversion(text);
  const ReferenceResult actual = convert(text.data(), text.size(), block, (data[0] & 0x80) != 0);
  if (actual.output != expected.output || actual.hadUV != expected.hadUV) std::abort();
  return 0;
}
