// Plain references for the painters, written straight from the face rules:
// one pixel at a time on a plain word buffer, with the theme spelt out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace paintref {

struct Rgb {
  int r, g, b;
  int operator[](int i) const { return i == 0 ? r : i == 1 ? g : b; }
};

// The theme as its table gives it.
inline constexpr Rgb kBackground{247, 250, 255}, kBase0{110, 117, 118}, kBase1{215, 221, 225}, kBase2{248, 255, 255},
    kMain0{46, 130, 85}, kMain1{181, 224, 193}, kMain2{255, 255, 236}, kAccent2{255, 255, 231}, kWhite{255, 255, 255};

// A picture as 0xAARRGGBB words, top row first; fresh ones are opaque white.
struct Canvas {
  Canvas(int width, int height) : w(width), h(height), px(static_cast<std::size_t>(width) * height, 0xFFFFFFFFu) {}
  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
  // Writes with every channel clamped to 0..255; outside pixels are skipped.
  void rgba(int x, int y, Rgb c, int a);
  void rgb(int x, int y, Rgb c);
  Rgb at(int x, int y) const;
  int alpha(int x, int y) const { return static_cast<int>(px[static_cast<std::size_t>(y) * w + x] >> 24); }

  int w, h;
  std::vector<std::uint32_t> px;
};

// A colour built channel by channel: f(0) red, f(1) green, f(2) blue.
template <class F>
Rgb each(F f) {
  return {f(0), f(1), f(2)};
}

Canvas buttonFace(int w, int h, Rgb c0, Rgb c1, Rgb c2, Rgb bg, int ringAlpha);
Canvas buttonFace(int w, int h);
Canvas buttonFaceHover(int w, int h);
Canvas buttonFacePressed(int w, int h);
void dimToBackground(Canvas& c, int w, int h);
Canvas fill(int w, int h, Rgb c);
Canvas scrollTrack(int w, int h);
// kind 0 normal, 1 pointer over, 2 pressed.
Canvas scrollButton(int w, int h, bool up, int kind);
Canvas selectorMark(int w, int h);
Canvas textBoxFrame(int w, int h, bool focused);
Canvas frameTop(int w, int h);
Canvas frameSide(int w, int h, bool left);
Canvas frameBottom(int w, int h);
Canvas menuBar(int w, int h, bool dropDown);

}  // namespace paintref
