#include "platform/runtime/TextCodec.h"

#include <cstdint>

#include "platform/runtime/Cp932.h"

namespace nvrt {

namespace {

// The escape alphabet: user-defined characters with lead bytes 0xF0 to 0xF9
// and every trail byte except 0x5C, so that no escape ever holds a byte that
// a naive reader would take for a backslash.
constexpr unsigned kTrailsPerLead = 187;
constexpr unsigned kAlphabetSize = 10 * kTrailsPerLead;
constexpr uint32_t kRawByteBase = 0x110000;

unsigned char trailAt(unsigned index) {
  unsigned t = 0x40 + index;  // 0x40..0x5B
  if (t >= 0x5C) ++t;         // skip 0x5C
  if (t >= 0x7F) ++t;         // skip 0x7F
  return static_cast<unsigned char>(t);
}

int trailIndex(unsigned char t) {
  if (t < 0x40 || t == 0x5C || t == 0x7F || t > 0xFC) return -1;
  unsigned i = t - 0x40u;
  if (t > 0x5C) --i;
  if (t > 0x7F) --i;
  return static_cast<int>(i);
}

// The alphabet index of the escape character at bytes[0..1], or -1.
int escapeSymbol(const unsigned char* bytes, size_t size) {
  if (size < 2 || bytes[0] < 0xF0 || bytes[0] > 0xF9) return -1;
  const int t = trailIndex(bytes[1]);
  if (t < 0) return -1;
  return static_cast<int>((bytes[0] - 0xF0u) * kTrailsPerLead) + t;
}

void appendSymbol(std::string& out, unsigned symbol) {
  out.push_back(static_cast<char>(0xF0 + symbol / kTrailsPerLead));
  out.push_back(static_cast<char>(trailAt(symbol % kTrailsPerLead)));
}

void appendEscape(std::string& out, uint32_t value) {
  appendSymbol(out, value / kAlphabetSize);
  appendSymbol(out, value % kAlphabetSize);
}

bool isUserDefined(const std::string& bytes) {
  return bytes.size() == 2 && static_cast<unsigned char>(bytes[0]) >= 0xF0 &&
         static_cast<unsigned char>(bytes[0]) <= 0xF9;
}

void encodeCodePoint(std::string& out, char32_t cp, bool escapeBackslash) {
  if (cp == U'\\' && escapeBackslash) {
    appendEscape(out, cp);
    return;
  }
  std::string bytes;
  if (cp != 0 && cp932EncodeChar(cp, bytes) && !isUserDefined(bytes)) {
    out += bytes;
  } else if (cp == 0) {
    out.push_back('\0');
  } else {
    appendEscape(out, cp);
  }
}

// Decodes one UTF-8 sequence strictly; returns its length, or 0 if invalid.
size_t decodeUtf8(const unsigned char* s, size_t n, char32_t& cp) {
  const unsigned char b = s[0];
  size_t len;
  char32_t min;
  if (b < 0x80) {
    cp = b;
    return 1;
  } else if (b >= 0xC2 && b <= 0xDF) {
    len = 2, cp = b & 0x1F, min = 0x80;
  } else if (b >= 0xE0 && b <= 0xEF) {
    len = 3, cp = b & 0x0F, min = 0x800;
  } else if (b >= 0xF0 && b <= 0xF4) {
    len = 4, cp = b & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (len > n) return 0;
  for (size_t i = 1; i < len; ++i) {
    if ((s[i] & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (s[i] & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return len;
}

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

std::string utf8ToCp932(std::string_view utf8, bool escapeBackslash) {
  std::string out;
  out.reserve(utf8.size());
  const auto* s = reinterpret_cast<const unsigned char*>(utf8.data());
  size_t i = 0;
  while (i < utf8.size()) {
    char32_t cp = 0;
    const size_t len = decodeUtf8(s + i, utf8.size() - i, cp);
    if (len == 0) {
      appendEscape(out, kRawByteBase + s[i]);
      ++i;
    } else {
      encodeCodePoint(out, cp, escapeBackslash);
      i += len;
    }
  }
  return out;
}

// One step of decoding code page 932 with escapes.
struct Decoded {
  enum Kind { CodePoint, RawByte, Invalid } kind;
  uint32_t value;
  size_t length;
};

Decoded decodeStep(const unsigned char* s, size_t n) {
  const int hi = escapeSymbol(s, n);
  if (hi >= 0) {
    const int lo = escapeSymbol(s + 2, n - 2);
    if (lo >= 0) {
      const uint32_t v = static_cast<uint32_t>(hi) * kAlphabetSize + static_cast<uint32_t>(lo);
      if (v <= 0x10FFFF) return {Decoded::CodePoint, v, 4};
      if (v >= kRawByteBase && v < kRawByteBase + 0x100) return {Decoded::RawByte, v - kRawByteBase, 4};
    }
  }
  char32_t cp = 0;
  const size_t len = cp932DecodeChar(s, n, cp);
  if (len == 0) return {Decoded::Invalid, s[0], 1};
  return {Decoded::CodePoint, cp, len};
}

}  // namespace

std::string utf8ToCp932Name(std::string_view utf8) { return utf8ToCp932(utf8, true); }

std::string utf8ToCp932Text(std::string_view utf8) { return utf8ToCp932(utf8, false); }

std::string cp932NameToUtf8(std::string_view cp932) {
  std::string out;
  out.reserve(cp932.size() * 3 / 2);
  const auto* s = reinterpret_cast<const unsigned char*>(cp932.data());
  size_t i = 0;
  while (i < cp932.size()) {
    const Decoded d = decodeStep(s + i, cp932.size() - i);
    if (d.kind != Decoded::CodePoint)
      out.push_back(static_cast<char>(d.value));
    else if (d.value >= 0xD800 && d.value <= 0xDFFF)
      appendUtf8(out, 0xFFFD);  // only a Windows name can hold one; Linux has none to restore
    else
      appendUtf8(out, d.value);
    i += d.length;
  }
  return out;
}

std::string cp932ToUtf8Display(std::string_view cp932) {
  std::string out;
  out.reserve(cp932.size() * 3 / 2);
  const auto* s = reinterpret_cast<const unsigned char*>(cp932.data());
  size_t i = 0;
  while (i < cp932.size()) {
    const Decoded d = decodeStep(s + i, cp932.size() - i);
    const bool shown = d.kind == Decoded::CodePoint && !(d.value >= 0xD800 && d.value <= 0xDFFF);
    appendUtf8(out, shown ? d.value : 0xFFFD);
    i += d.length;
  }
  return out;
}

std::string wideToCp932Name(std::u16string_view wide) {
  std::string out;
  out.reserve(wide.size() * 2);
  for (size_t i = 0; i < wide.size(); ++i) {
    char32_t cp = wide[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 && wide[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (wide[i + 1] - 0xDC00);
      ++i;
    }
    if (cp >= 0xD800 && cp <= 0xDFFF)
      appendEscape(out, cp);  // a lone surrogate is still a name's exact content
    else
      encodeCodePoint(out, cp, false);
  }
  return out;
}

std::u16string cp932NameToWide(std::string_view cp932) {
  std::u16string out;
  out.reserve(cp932.size());
  const auto* s = reinterpret_cast<const unsigned char*>(cp932.data());
  size_t i = 0;
  while (i < cp932.size()) {
    const Decoded d = decodeStep(s + i, cp932.size() - i);
    uint32_t cp = d.kind == Decoded::CodePoint ? d.value : 0xFFFD;
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
    i += d.length;
  }
  return out;
}

}  // namespace nvrt
