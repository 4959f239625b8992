// Reference faces drawn through the clamping setters: button faces, fills,
// scroll bar parts, the selector mark and the text box frames.
#include <cmath>

#include "tests/framework/widgets/PaintReference.h"

namespace paintref {

static int clamp255(int v) { return v < 0 ? 0 : v > 255 ? 255 : v; }

void Canvas::rgba(int x, int y, Rgb c, int a) {
  if (!inside(x, y)) return;
  px[static_cast<size_t>(y) * w + x] =
      (static_cast<std::uint32_t>(clamp255(a)) << 24) | (static_cast<std::uint32_t>(clamp255(c.r)) << 16) |
      (static_cast<std::uint32_t>(clamp255(c.g)) << 8) | static_cast<std::uint32_t>(clamp255(c.b));
}

void Canvas::rgb(int x, int y, Rgb c) {
  if (inside(x, y)) rgba(x, y, c, alpha(x, y));
}

Rgb Canvas::at(int x, int y) const {
  const std::uint32_t p = px[static_cast<size_t>(y) * w + x];
  return {static_cast<int>((p >> 16) & 255), static_cast<int>((p >> 8) & 255), static_cast<int>(p & 255)};
}

Canvas buttonFace(int w, int h, Rgb c0, Rgb c1, Rgb c2, Rgb bg, int ringAlpha) {
  Canvas out(w, h);
  const int half = h / 2 < 2 ? 2 : h / 2;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const bool ex = x == 0 || x == w - 1, r1x = x == 1 || x == w - 2, r2x = x == 2 || x == w - 3;
      const bool ey = y == 0 || y == h - 1, r1y = y == 1 || y == h - 2, r2y = y == 2 || y == h - 3;
      Rgb c;
      int a = 255;
      if (ex && ey) {
        c = bg;
        a = 0;
      } else if ((ex && r1y) || (r1x && ey)) {
        c = each([&](int i) { return (bg[i] + c0[i]) / 2; });
        a = ringAlpha;
      } else if ((ex && r2y) || (r2x && ey)) {
        c = each([&](int i) { return (bg[i] + 4 * c0[i]) / 5; });
        a = 220;
      } else if (r1x && r1y) {
        c = each([&](int i) { return (2 * c0[i] + c2[i]) / 3; });
      } else if ((r2x && r1y) || (r1x && r2y)) {
        c = each([&](int i) { return (c0[i] + 3 * c2[i]) / 4; });
      } else if (r2x && y == 2) {
        c = c2;
      } else if (r2x && y == h - 3) {
        c = each([&](int i) { return (c1[i] + 2 * c2[i]) / 3; });
      } else if (ex || ey) {
        c = c0;
      } else if (r1x || r1y) {
        c = c2;
      } else {
        const int k = (x == 2 || x == w - 3) ? 2 : (x == 3 || x == 4 || x == w - 5 || x == w - 4) ? 1 : 0;
        const int split = half + k;
        const int t = y < split ? y * 500 / split : 1000 + (k - y + half) * 700 / split;
        c = each([&](int i) { return (t * c1[i] + (1000 - t) * c2[i]) / 1024; });
      }
      const int glow = y < half ? (half - y) * 15 / half : 0;
      c = {c.r + glow - y * 20 / h, c.g + glow - y * 20 / h, c.b + glow - y * 10 / h};
      out.rgba(x, y, c, a);
    }
  }
  return out;
}

static Rgb twoThirds(Rgb c) {
  return each([&](int i) { return c[i] * 2 / 3; });
}

Canvas buttonFace(int w, int h) { return buttonFace(w, h, kBase0, kBase1, kBase2, kBackground, 160); }
Canvas buttonFaceHover(int w, int h) { return buttonFace(w, h, kMain0, kMain1, kMain2, kBackground, 164); }
Canvas buttonFacePressed(int w, int h) {
  return buttonFace(w, h, twoThirds(kMain0), twoThirds(kMain1), twoThirds(kMain2), kBackground, 160);
}

void dimToBackground(Canvas& c, int w, int h) {
  for (int y = 0; y < h && y < c.h; ++y)
    for (int x = 0; x < w && x < c.w; ++x)
      if (c.alpha(x, y) != 0) {
        const Rgb p = c.at(x, y);
        c.rgb(x, y, each([&](int i) { return (p[i] + 3 * kBackground[i]) * 25 / 100; }));
      }
}

Canvas fill(int w, int h, Rgb c) {
  Canvas out(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) out.rgba(x, y, c, 255);
  return out;
}

Canvas scrollTrack(int w, int h) {
  Canvas out(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const double theta = (x * 180 / w + 90) * 3.141592 / 180;
      const int m = 20 - static_cast<int>(std::trunc((std::cos(theta) + 1) * (-35)));
      out.rgba(x, y, each([&](int i) { return (m * kBase1[i] + (100 - m) * kBase2[i]) / 100; }), 255);
    }
  }
  const Rgb e = each([](int i) { return (kBase0[i] + kBase1[i]) / 2; });
  for (int x = 0; x < w; ++x) out.rgba(x, 0, e, 255);
  for (int x = 0; x < w; ++x) out.rgba(x, h - 1, {e.r + 25, e.g + 25, e.b + 25}, 255);
  for (int y = 0; y < h; ++y) {
    const int up = 25 * y / h;
    out.rgba(0, y, {e.r + up, e.g + up, e.b + up}, 255);
    out.rgba(w - 1, y, {e.r + up, e.g + up, e.b + up}, 255);
  }
  return out;
}

}  // namespace paintref
