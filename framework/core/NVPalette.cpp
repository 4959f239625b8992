#include "framework/core/NVPalette.h"

namespace {

struct PaletteEntry {
  const char* name;
  std::uint32_t r, g, b, a;
};

const PaletteEntry kPalette[] = {
    {"background", 247, 250, 255, 255}, {"base0", 110, 117, 118, 255},   {"base1", 215, 221, 225, 255},
    {"base2", 248, 255, 255, 255},      {"main0", 46, 130, 85, 255},     {"main1", 181, 224, 193, 255},
    {"main2", 255, 255, 236, 255},      {"accent0", 170, 140, 100, 255}, {"accent1", 255, 222, 115, 255},
    {"accent2", 255, 255, 231, 255},    {"text", 5, 10, 5, 255},         {"title", 40, 80, 58, 255},
};

}  // namespace

std::uint32_t getPaletteColor(const NVString& name) {
  for (const PaletteEntry& e : kPalette)
    if (name == e.name) return (e.a << 24) | (e.r << 16) | (e.g << 8) | e.b;
  return 0;
}
