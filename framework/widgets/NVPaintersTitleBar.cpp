// The title bar: a green gradient crossed by five thin light rings, framed by
// white and outline lines.
#include <cmath>

#include "framework/widgets/NVPainters.h"
#include "framework/widgets/NVPaintersFrame.h"

namespace {

struct Ring {
  double cx, cy, inner, peak, outer, s1, s2;
  NVPaintColour strength;  // (ring colour - main0) * w / 20 per channel
  bool leftOnly;           // applies only left of its centre column
};

double ringIntensity(const Ring& ring, int x, int y) {
  const double dx = x - ring.cx, dy = y - ring.cy;
  const double d = std::sqrt(dx * dx + dy * dy);
  if (ring.inner < d && d < ring.peak) return (d - ring.inner) * ring.s1;
  if (ring.peak <= d && d < ring.outer) return (ring.outer - d) * ring.s2;
  return 0.0;
}

void applyRing(NVImage* image, const Ring& ring) {
  for (int y = 0; y < image->getHeight(); ++y) {
    for (int x = 0; x < image->getWidth(); ++x) {
      if (ring.leftOnly && !(x < ring.cx)) continue;
      const double i = ringIntensity(ring, x, y);
      if (i == 0.0) continue;
      const NVPaintColour c = readFrameRGB(image, x, y);
      putFrameRGB(image, x, y,
                  {c.r + static_cast<int>(i * ring.strength.r), c.g + static_cast<int>(i * ring.strength.g),
                   c.b + static_cast<int>(i * ring.strength.b)});
    }
  }
}

NVPaintColour ringStrength(NVPaintColour ringColour, NVPaintColour main0, int w) {
  return (w * (ringColour + (-1) * main0)) / 20;
}

void applyRings(NVImage* image, int width) {
  const NVPaintColour m0 = themeRgb("main0"), b2 = themeRgb("base2"), a2 = themeRgb("accent2");
  const Ring rings[] = {
      {190, -270, 322, 330, 332, 0.125, 0.5, ringStrength(b2, m0, 7), true},
      {140, -225, 256, 260, 262, 0.25, 0.5, ringStrength(b2, m0, 5), true},
      {162, -330, 358, 360, 362, 0.5, 0.5, ringStrength(b2, m0, 3), true},
      {width - 20.0, 160, 192, 200, 202, 0.125, 0.5, ringStrength(a2, m0, 7), false},
      {width - 100.0, 240, 230, 235, 237, 1.0 / 5, 1.0 / 3, ringStrength(a2, m0, 5), false},
  };
  for (const Ring& ring : rings) applyRing(image, ring);
}

}  // namespace

void paintFrameTop(NVImage* image, int w, int h, int) {
  if (!preparePaint(image, w, h)) return;
  const NVPaintColour m0 = themeRgb("main0"), m1 = themeRgb("main1"), m2 = themeRgb("main2");
  for (int y = 0; y < h; ++y) frameRow(image, y, 0, w - 1, mixFrame(m2, m0, 0.55 - 0.3 * y / h));
  applyRings(image, w);
  frameRow(image, 1, 0, w - 1, kFrameWhite);
  frameRow(image, 0, 0, w - 1, m0);
  for (int y = 1; y < h; ++y) {
    putFrameRGB(image, 1, y, kFrameWhite);
    putFrameRGB(image, w - 2, y, kFrameWhite);
    putFrameRGB(image, 0, y, m0);
    putFrameRGB(image, w - 1, y, m0);
  }
  frameRow(image, h - 2, 5, w - 6, kFrameWhite);
  frameRow(image, h - 1, 5, w - 6, (m0 + m1) / 2);
}
