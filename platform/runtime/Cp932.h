// Code page 932 one character at a time. Each host implements these with its
// own converter (iconv "CP932" on the portable host, the system's code page
// tables on Windows); everything built on them is shared.
#pragma once

#include <cstddef>
#include <string>

namespace nvrt {

// Appends the code page 932 bytes of one Unicode code point and returns true,
// or returns false and appends nothing when the code point has no code page
// 932 form that converts back to the same code point.
bool cp932EncodeChar(char32_t codePoint, std::string& out);

// Decodes the character at the start of [bytes, bytes + size). Returns the
// number of bytes it takes (1 or 2) and stores its code point, or returns 0
// when the bytes are not a valid code page 932 character.
size_t cp932DecodeChar(const unsigned char* bytes, size_t size, char32_t& codePoint);

}  // namespace nvrt
