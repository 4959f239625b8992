// The scroll bar's track and its up and down buttons.
#include <cmath>

#include "framework/widgets/NVPainters.h"
#include "framework/widgets/NVPaintColour.h"

namespace {

struct ButtonColours {
  NVPaintColour c0, c1, c2;
};

ButtonColours baseColours() { return {themeRgb("base0"), themeRgb("base1"), themeRgb("base2")}; }
ButtonColours mainColours() { return {themeRgb("main0"), themeRgb("main1"), themeRgb("main2")}; }
ButtonColours pressedColours() {
  const ButtonColours m = mainColours();
  return {(2 * m.c0) / 3, (2 * m.c1) / 3, (2 * m.c2) / 3};
}

// The outline shared by the buttons: a dark top row and side columns that
// lighten toward the bottom.
void paintButtonOutline(NVImage* image, int w, int h, NVPaintColour c0) {
  for (int x = 0; x < w; ++x) {
    putRGB(image, x, 0, c0);
    putRGB(image, x, h - 1, c0 + NVPaintColour{45, 45, 55});
  }
  for (int y = 0; y < h; ++y) {
    const NVPaintColour side = c0 + NVPaintColour{45 * y / h, 45 * y / h, 55 * y / h};
    putRGB(image, 0, y, side);
    putRGB(image, w - 1, y, side);
  }
}

void paintScrollButton(NVImage* image, int w, int h, const ButtonColours& c, bool up, bool pressed) {
  if (!preparePaint(image, w, h)) return;
  image->fill(c.c2.r, c.c2.g, c.c2.b, 255);
  paintButtonOutline(image, w, h, c.c0);
  for (int y = 2; y <= h - 3; ++y) {
    const int t = (140 + 70 * (y - 2)) / (h - 4) + 10;
    const NVPaintColour body = ((100 - t) * c.c2 + t * c.c1) / 100;
    for (int x = 2; x <= w - 3; ++x) putRGB(image, x, y, body);
  }
  // Soften the two corners on the arrow's side.
  const int outer = up ? 0 : h - 1;
  const int inner = up ? 1 : h - 2;
  putRGBA(image, 0, outer, (c.c0 + c.c2) / 2, 128);
  putRGBA(image, w - 1, outer, (c.c0 + c.c2) / 2, 128);
  putRGBA(image, 1, inner, (c.c0 + 2 * c.c1) / 3, 255);
  putRGBA(image, w - 2, inner, (c.c0 + 2 * c.c1) / 3, 255);
  // The arrow; pressed, it sits one pixel lower.
  const int top = h / 2 - (pressed ? 1 : 2);
  for (int k = 0; k < 4; ++k) {
    const int from = up ? w / 2 - 1 - k : w / 2 - 4 + k;
    const int to = up ? w / 2 + k : w / 2 + 3 - k;
    for (int x = from; x <= to; ++x) putRGB(image, x, top + k, c.c0);
  }
}

}  // namespace

void paintScrollTrack(NVImage* image, int width, int height, int) {
  if (!preparePaint(image, width, height)) return;
  const NVPaintColour c0 = themeRgb("base0"), c1 = themeRgb("base1"), c2 = themeRgb("base2");
  for (int x = 0; x < width; ++x) {
    // A cosine dip: darker toward both sides. The constant is the one the
    // faces were designed with, not the exact pi.
    const double theta = (x * 180 / width + 90) * 3.141592 / 180;
    const int k = static_cast<int>((std::cos(theta) + 1) * (-35));
    const int m = 20 - k;
    const NVPaintColour c = (m * c1 + (100 - m) * c2) / 100;
    for (int y = 0; y < height; ++y) putRGBA(image, x, y, c, 255);
  }
  const NVPaintColour e = (c0 + c1) / 2;
  for (int x = 0; x < width; ++x) {
    putRGBA(image, x, 0, e, 255);
    putRGBA(image, x, height - 1, addAll(e, 25), 255);
  }
  for (int y = 0; y < height; ++y) {
    putRGBA(image, 0, y, addAll(e, 25 * y / height), 255);
    putRGBA(image, width - 1, y, addAll(e, 25 * y / height), 255);
  }
}

void paintScrollUp(NVImage* image, int w, int h, int) { paintScrollButton(image, w, h, baseColours(), true, false); }
void paintScrollUpHover(NVImage* image, int w, int h, int) {
  paintScrollButton(image, w, h, mainColours(), true, false);
}
void paintScrollUpPressed(NVImage* image, int w, int h, int) {
  paintScrollButton(image, w, h, pressedColours(), true, true);
}
void paintScrollDown(NVImage* image, int w, int h, int) { paintScrollButton(image, w, h, baseColours(), false, false); }
void paintScrollDownHover(NVImage* image, int w, int h, int) {
  paintScrollButton(image, w, h, mainColours(), false, false);
}
void paintScrollDownPressed(NVImage* image, int w, int h, int) {
  paintScrollButton(image, w, h, pressedColours(), false, true);
}
