#include "framework/widgets/NVTheme.h"

#include "framework/core/NVPalette.h"

std::uint32_t getThemeColor(NVString name) { return getPaletteColor(name); }
