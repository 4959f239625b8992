// The framework's twelve named colours, each a 32-bit value laid out like an
// image pixel (blue in the low byte, alpha in the high byte). The widgets'
// theme is built on them, and the layers below the widgets take their
// defaults from here (window class brushes, a display's background, the
// default text colour) so that they need not reach up into the theme.
#pragma once

#include <cstdint>

#include "framework/core/NVString.h"

// The named colour, or 0 (transparent black) for a name outside the palette.
std::uint32_t getPaletteColor(const NVString& name);
