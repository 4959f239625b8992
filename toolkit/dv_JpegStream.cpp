#include "toolkit/dv_JpegStream.h"

#include <array>
#include <cstring>

namespace {

constexpr uint8_t kInFrame = 1;
constexpr uint8_t kDcCoded = 2;

bool isRestart(uint8_t m) { return m >= 0xD0 && m <= 0xD7; }
bool isFrameHeader(uint8_t m) { return m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC; }
bool isStandalone(uint8_t m) { return m == 0x01 || m == 0xD8 || isRestart(m); }

struct Scanner {
  Scanner(const uint8_t* d, size_t n) : data(d), size(n) {}

  const uint8_t* data;
  size_t size;
  size_t pos = 2;
  bool sawFrame = false;
  std::array<uint8_t, 256> components{};  // kInFrame | kDcCoded by component id
  dv_JpegStreamFacts facts;

  void frameHeader(const uint8_t* seg, size_t length) {
    if (sawFrame || length < 6) return;
    sawFrame = true;
    for (size_t i = 0; i < seg[5] && 6 + 3 * i < length; ++i) components[seg[6 + 3 * i]] |= kInFrame;
  }

  void scanHeader(const uint8_t* seg, size_t length) {
    if (length < 1) return;
    const size_t count = seg[0];
    if (length < 1 + 2 * count + 3 || seg[1 + 2 * count] != 0) return;  // not a DC scan
    for (size_t i = 0; i < count; ++i) components[seg[1 + 2 * i]] |= kDcCoded;
  }

  // Counts the entropy-coded bytes from pos up to the next marker that is
  // not a restart marker, and leaves pos there.
  void entropyData() {
    while (pos < size) {
      const void* found = std::memchr(data + pos, 0xFF, size - pos);
      const size_t ff = found ? static_cast<size_t>(static_cast<const uint8_t*>(found) - data) : size;
      facts.entropyBytes += ff - pos;
      pos = ff;
      if (size - pos < 2) return;
      const uint8_t next = data[pos + 1];
      if (next == 0x00) {
        facts.entropyBytes += 1;  // a coded 0xFF byte
        pos += 2;
      } else if (isRestart(next) || next == 0xFF) {
        pos += isRestart(next) ? 2 : 1;
      } else {
        return;
      }
    }
  }

  // Reads the segment at pos (just after its marker); false at the end.
  bool segment(uint8_t marker) {
    if (size - pos < 2) return false;
    const size_t length = static_cast<size_t>(data[pos]) << 8 | data[pos + 1];
    if (length < 2 || length > size - pos) return false;
    const uint8_t* seg = data + pos + 2;
    pos += length;
    if (isFrameHeader(marker)) frameHeader(seg, length - 2);
    if (marker == 0xDA) {
      scanHeader(seg, length - 2);
      entropyData();
    }
    return true;
  }

  void run() {
    while (pos < size) {
      if (data[pos++] != 0xFF) continue;
      while (pos < size && data[pos] == 0xFF) ++pos;
      if (pos >= size) break;
      const uint8_t marker = data[pos++];
      if (marker == 0xD9) break;
      if (marker == 0x00 || isStandalone(marker)) continue;
      if (!segment(marker)) break;
    }
    bool coded = sawFrame;
    bool any = false;
    for (const uint8_t flags : components) {
      if (!(flags & kInFrame)) continue;
      any = true;
      coded = coded && (flags & kDcCoded);
    }
    facts.everyComponentCoded = coded && any;
  }
};

}  // namespace

dv_JpegStreamFacts dv_ScanJpegStream(const uint8_t* data, size_t size) {
  if (data == nullptr || size < 2 || data[0] != 0xFF || data[1] != 0xD8) return {};
  Scanner scanner(data, size);
  scanner.run();
  return scanner.facts;
}
