// Reference window frame pieces: gradients by trunc of doubles, the five
// rings of the title bar, and the frame's lines, written colour only.
#include <algorithm>
#include <cmath>

#include "tests/framework/widgets/PaintReference.h"

namespace paintref {

namespace {

Rgb gradient(Rgb from, Rgb to, double t) {
  return each([&](int i) { return static_cast<int>(std::trunc(from[i] * (1 - t) + to[i] * t)); });
}

void line(Canvas& out, int y, int x0, int x1, Rgb c) {
  for (int x = x0; x <= x1; ++x) out.rgb(x, y, c);
}

void column(Canvas& out, int x, Rgb c) {
  for (int y = 0; y < out.h; ++y) out.rgb(x, y, c);
}

struct RingRow {
  double cx, cy, inner, peak, outer, s1, s2;
  Rgb colour;
  int weight;
  bool leftOnly;
};

void ring(Canvas& out, const RingRow& r) {
  const Rgb k = each([&](int i) { return (r.colour[i] - kMain0[i]) * r.weight / 20; });
  for (int y = 0; y < out.h; ++y)
    for (int x = 0; x < out.w; ++x) {
      if (r.leftOnly && x >= r.cx) continue;
      const double dx = x - r.cx, dy = y - r.cy;
      const double d = std::sqrt(dx * dx + dy * dy);
      double in = 0;
      if (r.inner < d && d < r.peak)
        in = (d - r.inner) * r.s1;
      else if (r.peak <= d && d < r.outer)
        in = (r.outer - d) * r.s2;
      const Rgb c = out.at(x, y);
      out.rgb(x, y, each([&](int i) { return std::min(255, c[i] + static_cast<int>(std::trunc(in * k[i]))); }));
    }
}

}  // namespace

Canvas frameTop(int w, int h) {
  Canvas out(w, h);
  for (int y = 0; y < h; ++y) line(out, y, 0, w - 1, gradient(kMain2, kMain0, 0.55 - 0.3 * y / h));
  const RingRow rings[] = {
      {190, -270, 322, 330, 332, 0.125, 0.5, kBase2, 7, true},
      {140, -225, 256, 260, 262, 0.25, 0.5, kBase2, 5, true},
      {162, -330, 358, 360, 362, 0.5, 0.5, kBase2, 3, true},
      {w - 20.0, 160, 192, 200, 202, 0.125, 0.5, kAccent2, 7, false},
      {w - 100.0, 240, 230, 235, 237, 1.0 / 5, 1.0 / 3, kAccent2, 5, false},
  };
  for (const RingRow& r : rings) ring(out, r);
  line(out, 1, 0, w - 1, kWhite);
  line(out, 0, 0, w - 1, kMain0);
  for (int y = 1; y < h; ++y) {
    out.rgb(1, y, kWhite);
    out.rgb(w - 2, y, kWhite);
    out.rgb(0, y, kMain0);
    out.rgb(w - 1, y, kMain0);
  }
  line(out, h - 2, 5, w - 6, kWhite);
  line(out, h - 1, 5, w - 6, each([](int i) { return (kMain0[i] + kMain1[i]) / 2; }));
  return out;
}

Canvas frameSide(int w, int h, bool left) {
  Canvas out(w, h);
  const int half = h / 2;
  for (int y = 0; y < h; ++y) {
    double t = 0.3;
    if (y < half)
      t = 0.25 - 0.25 * y / half;
    else if (half > 0)
      t = 0.3 + 0.2 * (y - half) / half;
    if (w > 3) {
      out.rgb(2, y, gradient(kMain2, kMain0, t));
      out.rgb(3, y, gradient(kMain2, kMain0, t));
    }
  }
  column(out, 1, kWhite);
  column(out, w - 2, kWhite);
  const Rgb mid = each([](int i) { return (kMain0[i] + kMain2[i]) / 2; });
  column(out, left ? 0 : w - 1, kMain0);
  column(out, left ? w - 1 : 0, mid);
  return out;
}

Canvas frameBottom(int w, int h) {
  Canvas out(w, h);
  for (int y = 0; y < h; ++y) line(out, y, 0, w - 1, gradient(kMain2, kMain0, 0.5 + 0.15 * y / h));
  column(out, 0, kMain0);
  column(out, w - 1, kMain0);
  column(out, 1, kWhite);
  column(out, w - 2, kWhite);
  line(out, h - 2, 1, w - 2, kWhite);
  line(out, h - 1, 0, w - 1, kMain0);
  line(out, 0, 5, w - 6, each([](int i) { return (kMain0[i] + kMain1[i]) / 2; }));
  line(out, 1, 5, w - 6, kWhite);
  return out;
}

Canvas menuBar(int w, int h, bool dropDown) {
  Canvas out(w, h);
  for (int y = 0; y < h; ++y) line(out, y, 0, w - 1, gradient(kBackground, kMain0, 0.05 + 0.23 * y / h));
  line(out, h - 1, 0, w - 1, each([](int i) { return (2 * kMain0[i] + kMain2[i]) / 3; }));
  if (!dropDown) return out;
  const Rgb border = each([](int i) { return (2 * kMain0[i] + kMain1[i]) / 3; });
  line(out, 0, 0, w - 1, border);
  line(out, h - 1, 0, w - 1, border);
  column(out, 0, border);
  column(out, w - 1, border);
  return out;
}

}  // namespace paintref
