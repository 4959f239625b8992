// Reference scroll buttons, selector mark and text box frames.
#include "tests/framework/widgets/PaintReference.h"

namespace paintref {

namespace {

// The dark top row, the light bottom row and the side columns that lighten
// downward, shared by the scroll buttons and the text box frames.
void outline(Canvas& out, Rgb c0) {
  const int w = out.w, h = out.h;
  for (int x = 0; x < w; ++x) out.rgb(x, 0, c0);
  for (int x = 0; x < w; ++x) out.rgb(x, h - 1, {c0.r + 45, c0.g + 45, c0.b + 55});
  for (int y = 0; y < h; ++y) {
    const Rgb side{c0.r + 45 * y / h, c0.g + 45 * y / h, c0.b + 55 * y / h};
    out.rgb(0, y, side);
    out.rgb(w - 1, y, side);
  }
}

void fillAll(Canvas& out, Rgb c) {
  for (int y = 0; y < out.h; ++y)
    for (int x = 0; x < out.w; ++x) out.rgba(x, y, c, 255);
}

}  // namespace

Canvas scrollButton(int w, int h, bool up, int kind) {
  Rgb c0 = kind == 0 ? kBase0 : kMain0, c1 = kind == 0 ? kBase1 : kMain1, c2 = kind == 0 ? kBase2 : kMain2;
  if (kind == 2) {
    c0 = each([&](int i) { return kMain0[i] * 2 / 3; });
    c1 = each([&](int i) { return kMain1[i] * 2 / 3; });
    c2 = each([&](int i) { return kMain2[i] * 2 / 3; });
  }
  Canvas out(w, h);
  fillAll(out, c2);
  outline(out, c0);
  for (int y = 2; y <= h - 3; ++y) {
    const int t = (140 + 70 * (y - 2)) / (h - 4) + 10;
    for (int x = 2; x <= w - 3; ++x) out.rgb(x, y, each([&](int i) { return ((100 - t) * c2[i] + t * c1[i]) / 100; }));
  }
  const int yo = up ? 0 : h - 1, yi = up ? 1 : h - 2;
  const Rgb soft = each([&](int i) { return (c0[i] + c2[i]) / 2; });
  const Rgb diag = each([&](int i) { return (c0[i] + 2 * c1[i]) / 3; });
  out.rgba(0, yo, soft, 128);
  out.rgba(w - 1, yo, soft, 128);
  out.rgba(1, yi, diag, 255);
  out.rgba(w - 2, yi, diag, 255);
  const int row = h / 2 - (kind == 2 ? 1 : 2);
  for (int k = 0; k < 4; ++k) {
    const int from = up ? w / 2 - 1 - k : w / 2 - 4 + k, to = up ? w / 2 + k : w / 2 + 3 - k;
    for (int x = from; x <= to; ++x) out.rgb(x, row + k, c0);
  }
  return out;
}

Canvas selectorMark(int w, int h) {
  Canvas out(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const bool border = x == 0 || x == w - 1 || y == 0 || y == h - 1;
      const Rgb c = border ? each([](int i) { return (kMain0[i] + kMain1[i]) / 2; })
                           : each([&](int i) { return (y * kMain1[i] + (h - y) * kMain2[i]) / h; });
      out.rgba(x, y, c, 174);
    }
  return out;
}

Canvas textBoxFrame(int w, int h, bool focused) {
  const Rgb c0 = focused ? kMain0 : kBase0, c1 = focused ? kMain1 : kBase1, c2 = focused ? kMain2 : kBase2;
  Canvas out(w, h);
  fillAll(out, c2);
  const auto shade = [&](int weight) {
    return each([&](int i) { return ((100 - weight) * c1[i] + weight * c2[i]) / 100; });
  };
  for (int x = 1; x <= w - 2; ++x) {
    for (int r = 1; r <= 4; ++r) out.rgb(x, r, shade(70 + 6 * r));
    const int weights[] = {100, 96, 92, 88, 84};
    for (int j = 0; j < 5; ++j) out.rgb(x, h - 6 + j, shade(weights[j]));
  }
  outline(out, c0);
  const Rgb soft = each([&](int i) { return (c0[i] + c2[i]) / 2; });
  const Rgb diag = each([&](int i) { return (c0[i] + 2 * c1[i]) / 3; });
  const int corners[4][2] = {{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}};
  const int inside[4][2] = {{1, 1}, {w - 2, 1}, {1, h - 2}, {w - 2, h - 2}};
  for (const auto& p : corners) out.rgba(p[0], p[1], soft, 128);
  for (const auto& p : inside) out.rgba(p[0], p[1], diag, 255);
  return out;
}

}  // namespace paintref
