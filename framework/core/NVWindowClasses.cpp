#include "framework/core/NVWindowClasses.h"

#include "framework/core/NVPalette.h"

namespace {

struct ClassSpec {
  const char* name;
  UINT style;
  int red, green, blue;  // -1 for no background brush
};

HBRUSH backgroundBrush(int red, int green, int blue) {
  if (red < 0) return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  return CreateSolidBrush(RGB(red, green, blue));
}

}  // namespace

void registerWindowClasses() {
  const std::uint32_t bg = getPaletteColor(NVString("background"));
  const int bgR = (bg >> 16) & 0xFF, bgG = (bg >> 8) & 0xFF, bgB = bg & 0xFF;
  const ClassSpec classes[] = {
      {"NV_OWNER", CS_OWNDC | CS_HREDRAW | CS_VREDRAW, -1, -1, -1},
      {"NV_TOUMEI", CS_CLASSDC | CS_HREDRAW | CS_VREDRAW, -1, -1, -1},
      {"NV_BLACK", CS_CLASSDC | CS_HREDRAW | CS_VREDRAW, 0, 0, 0},
      {"NV_WHITE", CS_CLASSDC | CS_HREDRAW | CS_VREDRAW, 255, 255, 255},
      {"NV_WINDOW", CS_CLASSDC | CS_HREDRAW | CS_VREDRAW, bgR, bgG, bgB},
      {"NV_GLWINDOW", CS_OWNDC | CS_HREDRAW | CS_VREDRAW, bgR, bgG, bgB},
  };
  HINSTANCE instance = GetModuleHandleA(nullptr);
  for (const ClassSpec& spec : classes) {
    WNDCLASSA wc = {};
    wc.style = spec.style;
    wc.lpfnWndProc = nvWindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(32767));
    wc.hbrBackground = backgroundBrush(spec.red, spec.green, spec.blue);
    wc.lpszClassName = spec.name;
    if (!RegisterClassA(&wc) && spec.red >= 0) DeleteObject(wc.hbrBackground);
  }
}
