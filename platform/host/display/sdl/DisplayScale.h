// How many desktop pixels show one pixel of the host on a high-density
// screen. The host and everything above it compose in their own pixels; the
// sdl driver shows each as an N x N block and divides by N what comes back.
// This header does not include SDL.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/host/include/nvhost_win32.h"

namespace nvhost::sdl {

class DisplayScale {
 public:
  static constexpr int kLargest = 4;

  DisplayScale() = default;
  // A factor outside 1..kLargest is brought to the nearest end.
  explicit DisplayScale(int factor);

  // The factor from the first of its sources that holds a valid value: the
  // program's own setting (BRISEL_SCALE), the desktop's whole-number scale
  // for programs (GDK_SCALE), then the X resource Xft.dpi rounded to a whole
  // multiple of 96 (asked only when the others give nothing); else 1. A
  // source that is unset or empty is passed over; one that holds something
  // else than a whole number from 1 to kLargest (a dpi: a positive number)
  // adds a line for a person to `complaints` and is passed over too. A valid
  // dpi beyond the largest scale gives the largest, one below 48 gives 1.
  static DisplayScale choose(const char* briselScale, const char* gdkScale, const std::function<std::string()>& xftDpi,
                             std::vector<std::string>& complaints);

  int factor() const { return factor_; }

  // Desktop pixels to the host's, rounding toward minus infinity, for a
  // window whose desktop position lies `offset` pixels past its host
  // position times the factor (0 to factor - 1; see offsetOf).
  int toHost(int desktop, int offset = 0) const;
  // The host's pixels to the desktop's.
  int toDesktop(int host, int offset = 0) const { return host * factor_ + offset; }
  // The part of a desktop position that the host's pixels cannot hold: a
  // window the desktop put at an odd place keeps it, so that its host
  // position times the factor plus this offset is where it really is.
  int offsetOf(int desktop) const;
  // A desktop size in the host's pixels, at least 1.
  int sizeToHost(int desktop) const;
  // A desktop area (origin and size) as the host's rectangle of the pixels
  // wholly inside it.
  RECT areaToHost(int x, int y, int width, int height) const;

 private:
  int factor_ = 1;
};

}  // namespace nvhost::sdl
