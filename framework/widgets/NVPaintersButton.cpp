// The glassy button face and its variants, and the disabled-state wash.
#include "framework/widgets/NVPainters.h"
#include "framework/widgets/NVPaintColour.h"

namespace {

struct FaceColours {
  NVPaintColour c0, c1, c2, bg;
  int ringAlpha;  // alpha of the first softened corner step
};

struct FaceGeometry {
  int w, h, half;
  bool edgeX(int x) const { return x == 0 || x == w - 1; }
  bool ring1X(int x) const { return x == 1 || x == w - 2; }
  bool ring2X(int x) const { return x == 2 || x == w - 3; }
  bool edgeY(int y) const { return y == 0 || y == h - 1; }
  bool ring1Y(int y) const { return y == 1 || y == h - 2; }
  bool ring2Y(int y) const { return y == 2 || y == h - 3; }
};

// The glass body: a light upper half fading down to the split line, where it
// jumps to the darker lower colour; the split bends down near the ends.
NVPaintColour interiorColour(const FaceGeometry& g, const FaceColours& f, int x, int y) {
  int k = 0;
  if (x == 2 || x == g.w - 3)
    k = 2;
  else if (x == 3 || x == 4 || x == g.w - 5 || x == g.w - 4)
    k = 1;
  const int split = g.half + k;
  const int t = y < split ? y * 500 / split : 1000 + (k - y + g.half) * 700 / split;
  const NVPaintColour c = t * f.c1 + (1000 - t) * f.c2;
  return {c.r >> 10, c.g >> 10, c.b >> 10};
}

// The colour and alpha of one pixel before the glow: the first rule that
// applies, from the transparent corners inward.
NVPaintColour faceColour(const FaceGeometry& g, const FaceColours& f, int x, int y, int& alpha) {
  alpha = 255;
  if (g.edgeX(x) && g.edgeY(y)) {
    alpha = 0;
    return f.bg;
  }
  if ((g.edgeX(x) && g.ring1Y(y)) || (g.ring1X(x) && g.edgeY(y))) {
    alpha = f.ringAlpha;
    return (f.bg + f.c0) / 2;
  }
  if ((g.edgeX(x) && g.ring2Y(y)) || (g.ring2X(x) && g.edgeY(y))) {
    alpha = 220;
    return (f.bg + 4 * f.c0) / 5;
  }
  if (g.ring1X(x) && g.ring1Y(y)) return (2 * f.c0 + f.c2) / 3;
  if ((g.ring2X(x) && g.ring1Y(y)) || (g.ring1X(x) && g.ring2Y(y))) return (f.c0 + 3 * f.c2) / 4;
  if (g.ring2X(x) && y == 2) return f.c2;
  if (g.ring2X(x) && y == g.h - 3) return (f.c1 + 2 * f.c2) / 3;
  if (g.edgeX(x) || g.edgeY(y)) return f.c0;
  if (g.ring1X(x) || g.ring1Y(y)) return f.c2;
  return interiorColour(g, f, x, y);
}

void paintFace(NVImage* image, int width, int height, const FaceColours& f) {
  if (!preparePaint(image, width, height)) return;
  const FaceGeometry g{width, height, height / 2 < 2 ? 2 : height / 2};
  for (int y = 0; y < height; ++y) {
    // A glow over the upper half and a slight cool darkening downward.
    const int glow = y < g.half ? (g.half - y) * 15 / g.half : 0;
    const NVPaintColour shade{glow - y * 20 / height, glow - y * 20 / height, glow - y * 10 / height};
    for (int x = 0; x < width; ++x) {
      int alpha = 255;
      const NVPaintColour c = faceColour(g, f, x, y, alpha);
      putRGBA(image, x, y, c + shade, alpha);
    }
  }
}

NVPaintColour twoThirds(NVPaintColour c) { return (2 * c) / 3; }

}  // namespace

void paintButtonFace(NVImage* image, int width, int height, int) {
  paintFace(image, width, height,
            {themeRgb("base0"), themeRgb("base1"), themeRgb("base2"), themeRgb("background"), 160});
}

void paintButtonFaceHover(NVImage* image, int width, int height, int) {
  paintFace(image, width, height,
            {themeRgb("main0"), themeRgb("main1"), themeRgb("main2"), themeRgb("background"), 164});
}

void paintButtonFacePressed(NVImage* image, int width, int height, int) {
  paintFace(image, width, height,
            {twoThirds(themeRgb("main0")), twoThirds(themeRgb("main1")), twoThirds(themeRgb("main2")),
             themeRgb("background"), 160});
}

void dimToBackground(NVImage* image, int width, int height) {
  if (image == nullptr || image->getPixels() == nullptr) return;
  const NVPaintColour bg = themeRgb("background");
  const int w = width < image->getWidth() ? width : image->getWidth();
  const int h = height < image->getHeight() ? height : image->getHeight();
  auto* bytes = reinterpret_cast<unsigned char*>(image->getPixels());
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      unsigned char* p = bytes + (static_cast<size_t>(y) * image->getWidth() + x) * 4;
      if (p[3] == 0) continue;
      p[0] = static_cast<unsigned char>(clampChannel((p[0] + 3 * bg.b) * 25 / 100));
      p[1] = static_cast<unsigned char>(clampChannel((p[1] + 3 * bg.g) * 25 / 100));
      p[2] = static_cast<unsigned char>(clampChannel((p[2] + 3 * bg.r) * 25 / 100));
    }
  }
}
