// The desktop's settings kept as X resources (what xrdb loads and desktops
// set for their programs).
#pragma once

#include <string>

namespace nvhost::sdl {

// The value of the X resource Xft.dpi on the display that DISPLAY names;
// empty when there is no such display or no such resource.
std::string xftDpiResource();

}  // namespace nvhost::sdl
