#include "platform/host/text/TextDecoding.h"

#include "platform/runtime/TextCodec.h"

namespace nvhost::text {

namespace {

// The display conversion only ever produces well-formed UTF-8.
void appendUtf8AsUtf32(const std::string& utf8, std::u32string& out) {
  const auto* s = reinterpret_cast<const unsigned char*>(utf8.data());
  const size_t n = utf8.size();
  size_t i = 0;
  while (i < n) {
    const unsigned char b = s[i];
    size_t len = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
    if (i + len > n) len = n - i;
    char32_t cp = len == 1 ? b : len == 2 ? (b & 0x1F) : len == 3 ? (b & 0x0F) : (b & 0x07);
    for (size_t k = 1; k < len; ++k) cp = (cp << 6) | (s[i + k] & 0x3F);
    out.push_back(cp);
    i += len;
  }
}

bool isAscii(std::string_view bytes) {
  for (const char c : bytes)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

}  // namespace

std::u32string decodeCp932(std::string_view bytes) {
  std::u32string out;
  out.reserve(bytes.size());
  if (isAscii(bytes)) {
    for (const char c : bytes) out.push_back(static_cast<unsigned char>(c));
    return out;
  }
  appendUtf8AsUtf32(nvrt::cp932ToUtf8Display(bytes), out);
  return out;
}

}  // namespace nvhost::text
