// Splits a code page 932 path into drive, directory, name and extension the
// way the Windows run time does, with the same result on every host: both
// separators count, a drive is a letter and a colon at the start, and the
// second byte of a double-byte character is never taken for a separator or a
// dot. Nothing is cut: the parts may have any length.
#pragma once

#include <string>
#include <string_view>

namespace nvrt {

struct SplitPath {
  std::string drive;      // "C:" or empty
  std::string directory;  // up to and including the last separator, or empty
  std::string name;       // the file name without its extension
  std::string extension;  // from the last dot of the file name on, or empty
};

SplitPath splitPath(std::string_view path);

// True for a byte that starts a double-byte character in code page 932.
inline bool isCp932LeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

}  // namespace nvrt
