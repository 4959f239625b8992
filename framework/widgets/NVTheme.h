// The colour theme: twelve named colours, each a 32-bit value laid out like
// an image pixel (blue in the low byte, alpha in the high byte).
#pragma once

#include <cstdint>

#include "framework/core/NVString.h"

// The named colour, or 0 (transparent black) for a name outside the theme.
std::uint32_t getThemeColor(NVString name);
