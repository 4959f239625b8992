// The window frame's edges, the menu bar and the drop-down.
#include "framework/widgets/NVPaintersFrame.h"

#include "framework/widgets/NVPainters.h"

NVPaintColour mixFrame(NVPaintColour a, NVPaintColour b, double t) {
  return {static_cast<int>(a.r * (1 - t) + b.r * t), static_cast<int>(a.g * (1 - t) + b.g * t),
          static_cast<int>(a.b * (1 - t) + b.b * t)};
}

void frameRow(NVImage* image, int y, int from, int to, NVPaintColour c) {
  for (int x = from; x <= to; ++x) putFrameRGB(image, x, y, c);
}

void frameColumn(NVImage* image, int x, NVPaintColour c) {
  for (int y = 0; y < image->getHeight(); ++y) putFrameRGB(image, x, y, c);
}

namespace {

// The side edges: a vertical gradient in columns 2 and 3 between white and
// outline lines; `left` puts the dark outline on the outer (left) side.
void paintSideEdge(NVImage* image, int w, int h, bool left) {
  if (!preparePaint(image, w, h)) return;
  const NVPaintColour m0 = themeRgb("main0"), m2 = themeRgb("main2");
  const int half = h / 2;
  for (int y = 0; y < h; ++y) {
    // A one-row edge has no lower half to spread over: its ratio is taken as
    // 0 instead of dividing by zero.
    const double t = y < half ? 0.25 - 0.25 * y / half : 0.3 + (half > 0 ? 0.2 * (y - half) / half : 0.0);
    const NVPaintColour g = mixFrame(m2, m0, t);
    if (w > 3) {
      putFrameRGB(image, 2, y, g);
      putFrameRGB(image, 3, y, g);
    }
  }
  frameColumn(image, 1, kFrameWhite);
  frameColumn(image, w - 2, kFrameWhite);
  frameColumn(image, left ? 0 : w - 1, m0);
  frameColumn(image, left ? w - 1 : 0, (m0 + m2) / 2);
}

void paintMenuGradient(NVImage* image, int w, int h) {
  const NVPaintColour bg = themeRgb("background"), m0 = themeRgb("main0"), m2 = themeRgb("main2");
  for (int y = 0; y < h; ++y) frameRow(image, y, 0, w - 1, mixFrame(bg, m0, 0.05 + 0.23 * y / h));
  frameRow(image, h - 1, 0, w - 1, (2 * m0 + m2) / 3);
}

}  // namespace

void paintFrameLeft(NVImage* image, int width, int height, int) { paintSideEdge(image, width, height, true); }

void paintFrameRight(NVImage* image, int width, int height, int) { paintSideEdge(image, width, height, false); }

void paintFrameBottom(NVImage* image, int w, int h, int) {
  if (!preparePaint(image, w, h)) return;
  const NVPaintColour m0 = themeRgb("main0"), m1 = themeRgb("main1"), m2 = themeRgb("main2");
  for (int y = 0; y < h; ++y) frameRow(image, y, 0, w - 1, mixFrame(m2, m0, 0.5 + 0.15 * y / h));
  frameColumn(image, 0, m0);
  frameColumn(image, w - 1, m0);
  frameColumn(image, 1, kFrameWhite);
  frameColumn(image, w - 2, kFrameWhite);
  frameRow(image, h - 2, 1, w - 2, kFrameWhite);
  frameRow(image, h - 1, 0, w - 1, m0);
  // Continue the title bar's bottom lines across the join.
  frameRow(image, 0, 5, w - 6, (m0 + m1) / 2);
  frameRow(image, 1, 5, w - 6, kFrameWhite);
}

void paintMenuBar(NVImage* image, int w, int h, int) {
  if (!preparePaint(image, w, h)) return;
  paintMenuGradient(image, w, h);
}

void paintDropDown(NVImage* image, int w, int h, int) {
  if (!preparePaint(image, w, h)) return;
  paintMenuGradient(image, w, h);
  const NVPaintColour border = (2 * themeRgb("main0") + themeRgb("main1")) / 3;
  frameRow(image, 0, 0, w - 1, border);
  frameRow(image, h - 1, 0, w - 1, border);
  frameColumn(image, 0, border);
  frameColumn(image, w - 1, border);
}
