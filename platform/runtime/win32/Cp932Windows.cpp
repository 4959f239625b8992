// Code page 932 through the system's own tables, whatever the user's code page.
#include "platform/win32.h"
#include "platform/runtime/Cp932.h"
#include "platform/runtime/PathSplit.h"

namespace nvrt {

size_t cp932DecodeChar(const unsigned char* bytes, size_t size, char32_t& codePoint) {
  if (size == 0) return 0;
  if (bytes[0] < 0x80) {
    codePoint = bytes[0];
    return 1;
  }
  // Windows' table gives the unassigned single bytes 0x80, 0xA0 and 0xFD to
  // 0xFF code points of their own (U+0080, U+F8F0...); they are not
  // characters of code page 932, and the portable host rejects them too.
  if (bytes[0] == 0x80 || bytes[0] == 0xA0 || bytes[0] >= 0xFD) return 0;
  const int length = isCp932LeadByte(bytes[0]) ? 2 : 1;
  if (static_cast<size_t>(length) > size) return 0;
  wchar_t wide[4];
  const int n = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, reinterpret_cast<const char*>(bytes), length, wide, 4);
  if (n != 1) return 0;
  codePoint = static_cast<char32_t>(wide[0]);
  return static_cast<size_t>(length);
}

bool cp932EncodeChar(char32_t codePoint, std::string& out) {
  if (codePoint < 0x80) {
    out.push_back(static_cast<char>(codePoint));
    return true;
  }
  // Code page 932 has no characters outside the basic plane.
  if (codePoint > 0xFFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) return false;
  const wchar_t wide = static_cast<wchar_t>(codePoint);
  char bytes[4];
  BOOL usedDefault = FALSE;
  const int n = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, &wide, 1, bytes, sizeof bytes, nullptr, &usedDefault);
  if (n <= 0 || n > 2 || usedDefault) return false;
  char32_t back = 0;
  if (cp932DecodeChar(reinterpret_cast<const unsigned char*>(bytes), static_cast<size_t>(n), back) !=
          static_cast<size_t>(n) ||
      back != codePoint)
    return false;
  out.append(bytes, static_cast<size_t>(n));
  return true;
}

}  // namespace nvrt
