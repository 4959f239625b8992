#include "tests/app/ReferenceConversion.h"

#include <vector>

#include "framework/core/NVString.h"

namespace {

// A line reader over a string with the end-of-file rule of the framework's
// file reader: the state turns on only when a read runs into the end.
class LineSource {
 public:
  explicit LineSource(const std::string& text) {
    size_t start = 0;
    for (size_t nl; (nl = text.find('\n', start)) != std::string::npos; start = nl + 1)
      lines_.push_back(text.substr(start, nl - start));
    lines_.push_back(text.substr(start));
  }
  NVString read() {
    if (next_ >= lines_.size()) return NVString();
    return NVString(lines_[next_++]);
  }
  bool eof() const { return next_ >= lines_.size(); }

 private:
  std::vector<std::string> lines_;
  size_t next_ = 0;
};

bool has(const NVString& line, const char* token) { return line.find(NVString(token)) >= 0; }

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
      while (!ended && !has(line, "vertex")) out(line), next();
      while (!ended && !has(line, "face")) out(line), next();
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
