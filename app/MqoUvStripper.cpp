#include "app/MqoUvStripper.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace {

constexpr std::string_view kObject = "Object";
constexpr std::string_view kVertex = "vertex";
constexpr std::string_view kBinaryVertex = "BVertex";
constexpr std::string_view kVector = "Vector";
constexpr std::string_view kFace = "face";
constexpr std::string_view kClose = "}";
constexpr std::string_view kUV = "UV(";

// First occurrence of `token` entirely inside [begin, end), or null. The scan
// for the first byte is the library's vectorised memchr.
const char* findToken(const char* begin, const char* end, std::string_view token) {
  const char* p = begin;
  while (end - p >= static_cast<std::ptrdiff_t>(token.size())) {
    const void* hit = std::memchr(p, token[0], static_cast<size_t>(end - p) - token.size() + 1);
    if (!hit) return nullptr;
    const char* h = static_cast<const char*>(hit);
    if (std::memcmp(h + 1, token.data() + 1, token.size() - 1) == 0) return h;
    p = h + 1;
  }
  return nullptr;
}

// Start of the line holding `p`, where `regionBegin` is a line start or the
// line feed before one.
const char* lineStart(const char* regionBegin, const char* p) {
  while (p > regionBegin && p[-1] != '\n') --p;
  return p;
}

// The first occurrence of `token` in [begin, end) that counts: one with no
// zero byte before it on its line. `begin` is a line start or a line feed.
const char* findInLines(const char* begin, const char* end, std::string_view token) {
  const char* p = begin;
  while (const char* hit = findToken(p, end, token)) {
    const char* ls = lineStart(p, hit);
    if (!std::memchr(ls, '\0', static_cast<size_t>(hit - ls))) return hit;
    // This line is cut short by a zero byte: nothing later on it counts.
    const void* nl = std::memchr(hit, '\n', static_cast<size_t>(end - hit));
    if (!nl) return nullptr;
    p = static_cast<const char*>(nl) + 1;
  }
  return nullptr;
}

const char* lineEnd(const char* p, const char* end) {
  const void* nl = std::memchr(p, '\n', static_cast<size_t>(end - p));
  return nl ? static_cast<const char*>(nl) : end;
}

// The N of a line [begin, end) that ends, before an optional CR, with "[N]"
// (one or more decimal digits); 0 for any other line. A count beyond what a
// file can hold saturates: the data then simply runs to the end of the file.
std::uint64_t announcedRawBytes(const char* begin, const char* end) {
  if (end > begin && end[-1] == '\r') --end;
  if (end - begin < 3 || end[-1] != ']') return 0;
  const char* digits = end - 1;
  while (digits > begin && digits[-1] >= '0' && digits[-1] <= '9') --digits;
  if (digits == end - 1 || digits == begin || digits[-1] != '[') return 0;
  constexpr std::uint64_t kMax = UINT64_MAX / 10 - 1;
  std::uint64_t n = 0;
  for (const char* d = digits; d < end - 1; ++d) n = n > kMax ? UINT64_MAX : n * 10 + static_cast<unsigned>(*d - '0');
  return n;
}

}  // namespace

void MqoUvStripper::emitLine(const char* begin, const char* cut, const char* end, bool hasLineFeed) {
  out_.append(begin, static_cast<size_t>(cut - begin));
  if (hasLineFeed && cut == end)
    out_.append(end, 1);
  else
    out_.append('\n');
}

void MqoUvStripper::processLine(const char* begin, const char* end, bool hasLineFeed) {
  if (state_ == State::Outside) {
    if (!findInLines(begin, end, kObject)) return emitLine(begin, end, end, hasLineFeed);
    state_ = State::VertexScan;
  }
  if (state_ == State::VertexScan) {
    if (!findVertexLine(begin, end)) return emitLine(begin, end, end, hasLineFeed);
    binaryVertices_ = findInLines(begin, end, kBinaryVertex) != nullptr;
    state_ = State::FaceScan;
  }
  if (state_ == State::FaceScan) {
    if (!findInLines(begin, end, kFace)) {
      if (binaryVertices_ && findInLines(begin, end, kVector)) rawPending_ = announcedRawBytes(begin, end);
      return emitLine(begin, end, end, hasLineFeed);
    }
    state_ = State::FaceLines;
  }
  if (findInLines(begin, end, kClose)) {
    state_ = State::Outside;
    return emitLine(begin, end, end, hasLineFeed);
  }
  const char* uv = findInLines(begin, end, kUV);
  if (uv) hadUV_ = true;
  emitLine(begin, uv ? uv : end, end, hasLineFeed);
}

// Face lines up to and including the one that closes the chunk, or to `end`.
// Returns where the caller goes on.
const char* MqoUvStripper::processFaceLines(const char* begin, const char* end) {
  const char* close = findInLines(begin, end, kClose);
  const char* facesEnd = close ? lineStart(begin, close) : end;
  const char* copied = begin;
  while (const char* uv = findInLines(copied, facesEnd, kUV)) {
    hadUV_ = true;
    out_.append(copied, static_cast<size_t>(uv - copied));
    // Skip the rest of the line; its line feed starts the next copy.
    copied = lineEnd(uv, facesEnd);
  }
  out_.append(copied, static_cast<size_t>(facesEnd - copied));
  if (!close) return end;
  const char* closeEnd = lineEnd(close, end);
  out_.append(facesEnd, static_cast<size_t>(closeEnd + 1 - facesEnd));
  state_ = State::Outside;
  return closeEnd + 1;
}

const char* MqoUvStripper::findVertexLine(const char* begin, const char* end) {
  const char* text = findInLines(begin, end, kVertex);
  // A binary chunk's line counts only if it comes first; it is looked for
  // no further than the text one's line.
  const char* binary = findInLines(begin, text ? lineEnd(text, end) : end, kBinaryVertex);
  if (binary && (!text || binary < text)) return binary;
  return text;
}

const char* MqoUvStripper::copyRaw(const char* begin, const char* end) {
  const std::uint64_t n = std::min<std::uint64_t>(rawPending_, static_cast<std::uint64_t>(end - begin));
  out_.append(begin, static_cast<size_t>(n));
  rawPending_ -= n;
  return begin + n;
}

void MqoUvStripper::processRawBytes(const char* begin, const char* end) { copyRaw(begin, end); }

void MqoUvStripper::processLines(const char* begin, const char* end) {
  const char* p = begin;
  while (p < end) {
    if (rawPending_ > 0) {
      p = copyRaw(p, end);
      continue;
    }
    if (state_ == State::FaceLines) {
      p = processFaceLines(p, end);
      continue;
    }
    if (state_ == State::FaceScan && binaryVertices_) {
      // A binary chunk's few header lines go one by one: each can announce
      // raw data that must not be searched.
      const char* le = lineEnd(p, end);
      processLine(p, le, true);
      p = le + 1;
      continue;
    }
    const char* hit = state_ == State::Outside      ? findInLines(p, end, kObject)
                      : state_ == State::VertexScan ? findVertexLine(p, end)
                                                    : findInLines(p, end, kFace);
    if (!hit) {
      out_.append(p, static_cast<size_t>(end - p));
      return;
    }
    // Lines before the hit leave the state as it is and are copied whole.
    const char* ls = lineStart(p, hit);
    out_.append(p, static_cast<size_t>(ls - p));
    const char* le = lineEnd(hit, end);
    processLine(ls, le, true);
    p = le + 1;
  }
}

void MqoUvStripper::processLastLine(const char* begin, const char* end) {
  begin = copyRaw(begin, end);
  processLine(begin, end, false);
}
