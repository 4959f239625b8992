// Code page 932 through glibc's iconv. "CP932" is Microsoft's table; the
// "SHIFT_JIS" table differs on several characters and on 0x5C and 0x7E.
#include <errno.h>
#include <iconv.h>

#include <cstring>

#include "platform/runtime/Cp932.h"
#include "platform/runtime/PathSplit.h"

namespace nvrt {

namespace {

// iconv descriptors carry shift state and are not safe to share between
// threads, so every thread opens its own pair once.
class IconvPair {
 public:
  IconvPair() : toCp932_(iconv_open("CP932", "UTF-32LE")), fromCp932_(iconv_open("UTF-32LE", "CP932")) {}
  ~IconvPair() {
    if (toCp932_ != invalid()) iconv_close(toCp932_);
    if (fromCp932_ != invalid()) iconv_close(fromCp932_);
  }
  IconvPair(const IconvPair&) = delete;
  IconvPair& operator=(const IconvPair&) = delete;

  static iconv_t invalid() { return reinterpret_cast<iconv_t>(-1); }
  iconv_t toCp932() const { return toCp932_; }
  iconv_t fromCp932() const { return fromCp932_; }

 private:
  iconv_t toCp932_;
  iconv_t fromCp932_;
};

IconvPair& converters() {
  thread_local IconvPair pair;
  return pair;
}

bool convert(iconv_t cd, const char* in, size_t inSize, char* out, size_t& outSize) {
  if (cd == IconvPair::invalid()) return false;
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  char* src = const_cast<char*>(in);
  size_t srcLeft = inSize;
  char* dst = out;
  size_t dstLeft = outSize;
  if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<size_t>(-1) || srcLeft != 0) return false;
  outSize -= dstLeft;
  return true;
}

char32_t decodeUtf32le(const unsigned char* b) {
  return static_cast<char32_t>(b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<uint32_t>(b[3]) << 24));
}

}  // namespace

size_t cp932DecodeChar(const unsigned char* bytes, size_t size, char32_t& codePoint) {
  if (size == 0) return 0;
  if (bytes[0] < 0x80) {
    codePoint = bytes[0];
    return 1;
  }
  const size_t length = isCp932LeadByte(bytes[0]) ? 2 : 1;
  if (length > size) return 0;
  unsigned char out[8];
  size_t outSize = sizeof out;
  if (!convert(converters().fromCp932(), reinterpret_cast<const char*>(bytes), length, reinterpret_cast<char*>(out),
               outSize) ||
      outSize != 4)
    return 0;
  codePoint = decodeUtf32le(out);
  return length;
}

bool cp932EncodeChar(char32_t codePoint, std::string& out) {
  if (codePoint < 0x80) {
    out.push_back(static_cast<char>(codePoint));
    return true;
  }
  if (codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) return false;
  const unsigned char in[4] = {static_cast<unsigned char>(codePoint), static_cast<unsigned char>(codePoint >> 8),
                               static_cast<unsigned char>(codePoint >> 16), 0};
  char bytes[8];
  size_t size = sizeof bytes;
  if (!convert(converters().toCp932(), reinterpret_cast<const char*>(in), 4, bytes, size) || size == 0 || size > 2)
    return false;
  // Several code points share one code page 932 form; only the one that the
  // bytes convert back to is representable, or a name would change on the way.
  char32_t back = 0;
  if (cp932DecodeChar(reinterpret_cast<const unsigned char*>(bytes), size, back) != size || back != codePoint)
    return false;
  out.append(bytes, size);
  return true;
}

}  // namespace nvrt
