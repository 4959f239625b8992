// Feeds random bytes through the conversion in random block splits and checks
// the streaming result against a whole-input pass: block boundaries must never
// change a byte of the output.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/ByteSink.h"
#include "app/MqoUvStripper.h"

namespace {

std::string convert(const char* data, size_t size, size_t block) {
  std::string out;
  ByteSink sink([&out](const char* p, size_t n) { out.append(p, n); return true; }, 64);
  MqoUvStripper stripper(sink);
  std::string pending;
  for (size_t pos = 0; pos < size; pos += block) {
    pending.append(data + pos, std::min(block, size - pos));
    const size_t nl = pending.rfind('\n');
    if (nl == std::string::npos) continue;
    stripper.processLines(pending.data(), pending.data() + nl + 1);
    pending.erase(0, nl + 1);
  }
  stripper.processLastLine(pending.data(), pending.data() + pending.size());
  sink.flush();
  return out + (stripper.hadUV() ? "U" : "-");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const size_t block = 1 + data[0] % 17;
  const char* text = reinterpret_cast<const char*>(data + 1);
  const std::string whole = convert(text, size - 1, size);
  const std::string split = convert(text, size - 1, block);
  if (whole != split) std::abort();
  // Output never grows beyond the input plus the one final line feed.
  if (whole.size() > size + 1) std::abort();
  return 0;
}
