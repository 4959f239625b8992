// The display's scale factor and the arithmetic between desktop and host
// pixels.
//  [x] BRISEL_SCALE, then GDK_SCALE, then Xft.dpi in multiples of 96, else 1
//  [x] invalid settings passed over with one line each for a person
//  [x] positions rounded toward minus infinity (screens left of or above the
//      first one), offsets kept for windows the desktop put at odd places
#include "platform/host/display/sdl/DisplayScale.h"

#include <algorithm>
#include <cmath>

namespace nvhost::sdl {

namespace {

std::string trimmed(const char* text) {
  std::string s(text != nullptr ? text : "");
  const size_t first = s.find_first_not_of(" \t");
  if (first == std::string::npos) return std::string();
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

bool allDigits(const std::string& s, size_t from, size_t to) {
  if (from >= to) return false;
  for (size_t i = from; i < to; ++i) {
    if (s[i] < '0' || s[i] > '9') return false;
  }
  return true;
}

// A whole number from 1 to the largest scale, in plain decimal digits.
bool parseFactor(const std::string& s, int& factor) {
  if (s.size() > 2 || !allDigits(s, 0, s.size())) return false;
  factor = std::stoi(s);
  return factor >= 1 && factor <= DisplayScale::kLargest;
}

// A positive decimal number (digits, optionally a point and more digits),
// read without the process locale.
bool parseDpi(const std::string& s, double& dpi) {
  const size_t point = s.find('.');
  const size_t whole = std::min(point, s.size());
  if (whole > 6 || !allDigits(s, 0, whole)) return false;
  if (point != std::string::npos && !allDigits(s, point + 1, s.size())) return false;
  dpi = 0;
  for (size_t i = 0; i < whole; ++i) dpi = dpi * 10 + (s[i] - '0');
  double unit = 0.1;
  for (size_t i = whole + 1; i < s.size(); ++i, unit /= 10) dpi += (s[i] - '0') * unit;
  return dpi > 0;
}

// A setting as it is quoted in a complaint: on one line.
std::string oneLine(std::string s) {
  for (char& c : s) {
    if (static_cast<unsigned char>(c) < 0x20) c = '?';
  }
  return s;
}

int floorDiv(int a, int b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0); }

}  // namespace

DisplayScale::DisplayScale(int factor) : factor_(std::clamp(factor, 1, kLargest)) {}

DisplayScale DisplayScale::choose(const char* briselScale, const char* gdkScale,
                                  const std::function<std::string()>& xftDpi, std::vector<std::string>& complaints) {
  const std::pair<const char*, const char*> settings[] = {{"BRISEL_SCALE", briselScale}, {"GDK_SCALE", gdkScale}};
  for (const auto& [name, value] : settings) {
    const std::string text = trimmed(value);
    if (text.empty()) continue;
    int factor = 0;
    if (parseFactor(text, factor)) return DisplayScale(factor);
    complaints.push_back(std::string(name) + "=\"" + oneLine(value) +
                         "\" is ignored: the scale is a whole number from 1 to " + std::to_string(kLargest) + ".");
  }
  const std::string dpiText = xftDpi ? trimmed(xftDpi().c_str()) : std::string();
  if (dpiText.empty()) return DisplayScale();
  double dpi = 0;
  if (!parseDpi(dpiText, dpi)) {
    complaints.push_back("The X resource Xft.dpi \"" + oneLine(dpiText) +
                         "\" is ignored: it is not a number of dots per inch.");
    return DisplayScale();
  }
  return DisplayScale(static_cast<int>(std::floor(dpi / 96.0 + 0.5)));
}

int DisplayScale::toHost(int desktop, int offset) const { return floorDiv(desktop - offset, factor_); }

int DisplayScale::offsetOf(int desktop) const { return desktop - floorDiv(desktop, factor_) * factor_; }

int DisplayScale::sizeToHost(int desktop) const { return std::max(1, desktop / factor_); }

RECT DisplayScale::areaToHost(int x, int y, int width, int height) const {
  // The left and top edges rounded up, the right and bottom ones down.
  return RECT{-floorDiv(-x, factor_), -floorDiv(-y, factor_), floorDiv(x + width, factor_),
              floorDiv(y + height, factor_)};
}

}  // namespace nvhost::sdl
