#include "platform/runtime/PathSplit.h"

namespace nvrt {

namespace {

bool isAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

SplitPath splitPath(std::string_view path) {
  SplitPath parts;
  size_t start = 0;
  if (path.size() >= 2 && path[1] == ':' && isAsciiLetter(path[0])) {
    parts.drive = std::string(path.substr(0, 2));
    start = 2;
  }
  // One pass that steps over double-byte characters whole, remembering the
  // last separator and the last dot.
  size_t nameStart = start;
  size_t lastDot = std::string_view::npos;
  for (size_t i = start; i < path.size(); ++i) {
    const auto b = static_cast<unsigned char>(path[i]);
    if (isCp932LeadByte(b) && i + 1 < path.size()) {
      ++i;
      continue;
    }
    if (b == '\\' || b == '/') {
      nameStart = i + 1;
      lastDot = std::string_view::npos;
    } else if (b == '.') {
      lastDot = i;
    }
  }
  parts.directory = std::string(path.substr(start, nameStart - start));
  if (lastDot == std::string_view::npos) {
    parts.name = std::string(path.substr(nameStart));
  } else {
    parts.name = std::string(path.substr(nameStart, lastDot - nameStart));
    parts.extension = std::string(path.substr(lastDot));
  }
  return parts;
}

}  // namespace nvrt
