// Flat fills, the selector highlight and the text box frames.
#include "framework/widgets/NVPainters.h"
#include "framework/widgets/NVPaintColour.h"
#include "framework/widgets/NVTheme.h"

namespace {

void fillTheme(NVImage* image, int width, int height, const char* name) {
  if (!preparePaint(image, width, height)) return;
  const NVPaintColour c = themeRgb(name);
  image->fill(c.r, c.g, c.b, static_cast<int>(getThemeColor(NVString(name)) >> 24));
}

void paintBoxFrame(NVImage* image, int w, int h, NVPaintColour c0, NVPaintColour c1, NVPaintColour c2) {
  if (!preparePaint(image, w, h)) return;
  image->fill(c2.r, c2.g, c2.b, 255);
  // A soft inner shade under the top edge and over the bottom edge; on small
  // heights the bottom rows overwrite the top ones.
  static const int kBottomWeights[] = {100, 96, 92, 88, 84};
  for (int x = 1; x <= w - 2; ++x) {
    for (int r = 1; r <= 4; ++r) putRGB(image, x, r, ((100 - (70 + 6 * r)) * c1 + (70 + 6 * r) * c2) / 100);
    for (int i = 0; i < 5; ++i)
      putRGB(image, x, h - 6 + i, ((100 - kBottomWeights[i]) * c1 + kBottomWeights[i] * c2) / 100);
  }
  for (int x = 0; x < w; ++x) {
    putRGB(image, x, 0, c0);
    putRGB(image, x, h - 1, c0 + NVPaintColour{45, 45, 55});
  }
  for (int y = 0; y < h; ++y) {
    const NVPaintColour side = c0 + NVPaintColour{45 * y / h, 45 * y / h, 55 * y / h};
    putRGB(image, 0, y, side);
    putRGB(image, w - 1, y, side);
  }
  const NVPaintColour corner = (c0 + c2) / 2, inside = (c0 + 2 * c1) / 3;
  putRGBA(image, 0, 0, corner, 128);
  putRGBA(image, w - 1, 0, corner, 128);
  putRGBA(image, 0, h - 1, corner, 128);
  putRGBA(image, w - 1, h - 1, corner, 128);
  putRGBA(image, 1, 1, inside, 255);
  putRGBA(image, w - 2, 1, inside, 255);
  putRGBA(image, 1, h - 2, inside, 255);
  putRGBA(image, w - 2, h - 2, inside, 255);
}

}  // namespace

void fillBackground(NVImage* image, int width, int height, int) { fillTheme(image, width, height, "background"); }

void fillMain2(NVImage* image, int width, int height, int) {
  if (!preparePaint(image, width, height)) return;
  const NVPaintColour c = themeRgb("main2");
  image->fill(c.r, c.g, c.b, 255);
}

void paintSelectorMark(NVImage* image, int width, int height, int) {
  if (!preparePaint(image, width, height)) return;
  const NVPaintColour m0 = themeRgb("main0"), m1 = themeRgb("main1"), m2 = themeRgb("main2");
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const bool border = x == 0 || x == width - 1 || y == 0 || y == height - 1;
      putRGBA(image, x, y, border ? (m0 + m1) / 2 : (y * m1 + (height - y) * m2) / height, 174);
    }
  }
}

void paintTextBoxFrame(NVImage* image, int width, int height, int) {
  paintBoxFrame(image, width, height, themeRgb("base0"), themeRgb("base1"), themeRgb("base2"));
}

void paintTextBoxFrameFocused(NVImage* image, int width, int height, int) {
  paintBoxFrame(image, width, height, themeRgb("main0"), themeRgb("main1"), themeRgb("main2"));
}
