#include "tests/app/ReferenceConversion.h"

#include <cstdint>

#include "framework/core/NVString.h"

namespace {

// A line reader over a string with the end-of-file rule of the framework's
// file reader: the state turns on only when a read runs into the end. Raw
// bytes can be taken between lines.
class LineSource {
 public:
  explicit LineSource(const std::string& text) : text_(text) {}
  NVString read() {
    if (eof_) return NVString();
    const size_t nl = text_.find('\n', pos_);
    if (nl == std::string::npos) {
      eof_ = true;
      const std::string rest = text_.substr(pos_);
      pos_ = text_.size();
      return NVString(rest);
    }
    const std::string line = text_.substr(pos_, nl - pos_);
    pos_ = nl + 1;
    return NVString(line);
  }
  // Up to `n` bytes as they are, appended to `out`.
  void readRaw(std::uint64_t n, std::string& out) {
    const size_t take = n < text_.size() - pos_ ? static_cast<size_t>(n) : text_.size() - pos_;
    out.append(text_, pos_, take);
    pos_ += take;
  }
  bool eof() const { return eof_; }

 private:
  const std::string& text_;
  size_t pos_ = 0;
  bool eof_ = false;
};

bool has(const NVString& line, const char* token) { return line.find(NVString(token)) >= 0; }

// N when the line ends (before an optional CR) with "[N]", else 0; counts
// too large for any file saturate.
std::uint64_t rawCount(const NVString& line) {
  std::string bytes = line.bytes();
  if (!bytes.empty() && bytes.back() == '\r') bytes.pop_back();
  if (bytes.empty() || bytes.back() != ']') return 0;
  const size_t open = bytes.rfind('[');
  if (open == std::string::npos || open + 2 > bytes.size() - 1) return 0;
  std::uint64_t n = 0;
  for (size_t i = open + 1; i + 1 < bytes.size(); ++i) {
    if (bytes[i] < '0' || bytes[i] > '9') return 0;
    const unsigned digit = static_cast<unsigned>(bytes[i] - '0');
    n = n > (UINT64_MAX - digit) / 10 ? UINT64_MAX : n * 10 + digit;
  }
  return n;
}

}  // namespace

ReferenceResult referenceConversion(const std::string& input) {
  ReferenceResult result;
  LineSource in(input);
  auto out = [&result](const NVString& line) { result.output += line.bytes() + "\n"; };
  while (!in.eof()) {
    NVString line = in.read();
    if (has(line, "Object")) {
      // The scans end where the input ends.
      bool ended = false;
      auto next = [&] {
        if (in.eof())
          ended = true;
        else
          line = in.read();
      };
      while (!ended && !has(line, "vertex") && !has(line, "BVertex")) out(line), next();
      const bool binary = !ended && has(line, "BVertex");
      while (!ended && !has(line, "face")) {
        out(line);
        if (binary && has(line, "Vector")) in.readRaw(rawCount(line), result.output);
        next();
      }
      while (!ended && !has(line, "}")) {
        const int p = line.find(NVString("UV("));
        if (p >= 0) {
          result.hadUV = true;
          line = line.mid(0, p);
        }
        out(line);
        next();
      }
      if (ended) break;
    }
    out(line);
  }
  return result;
}
