// Pixels that the face rules fix by themselves, asserted exactly: corners,
// outlines, highlights, arrows, the title bar's gradient and ring.
#include <gtest/gtest.h>

#include "framework/widgets/NVPainters.h"
#include "tests/framework/widgets/PaintReference.h"
#include "tests/framework/widgets/PaintTestSupport.h"

namespace {

using painttest::pixel;
using painttest::Rgba;
using namespace paintref;

// The expected pixel, each channel clamped as the setters clamp it.
int clamp255(int v) { return v < 0 ? 0 : v > 255 ? 255 : v; }
Rgba rgba(Rgb c, int a) { return {clamp255(c.r), clamp255(c.g), clamp255(c.b), a}; }
Rgb plus(Rgb c, int dr, int dg, int db) { return {c.r + dr, c.g + dg, c.b + db}; }

TEST(ButtonFace, SoftenedCornersAndOutlineAt12x8) {
  NVImage image;
  paintButtonFace(&image, 12, 8, 0);
  // Row 0 lies in the top glow: half is 4, so (4 - 0) * 15 / 4 = 15.
  const Rgb half = each([](int i) { return (kBackground[i] + kBase0[i]) / 2; });
  const Rgb fifth = each([](int i) { return (kBackground[i] + 4 * kBase0[i]) / 5; });
  EXPECT_EQ(pixel(image, 0, 0), rgba(plus(kBackground, 15, 15, 15), 0));
  EXPECT_EQ(pixel(image, 1, 0), rgba(plus(half, 15, 15, 15), 160));
  EXPECT_EQ(pixel(image, 0, 1).a, 160);
  EXPECT_EQ(pixel(image, 2, 0), rgba(plus(fifth, 15, 15, 15), 220));
  EXPECT_EQ(pixel(image, 0, 2).a, 220);
  EXPECT_EQ(pixel(image, 3, 0), rgba(plus(kBase0, 15, 15, 15), 255));
  EXPECT_EQ(pixel(image, 11, 7).a, 0);
  EXPECT_EQ(pixel(image, 10, 7).a, 160);
  // The inner highlight line in row 1: base2 lifted by the glow of
  // (4 - 1) * 15 / 4 = 11 and darkened by 1 * 20 / 8 = 2 (blue 1 * 10 / 8 = 1).
  EXPECT_EQ(pixel(image, 5, 1), rgba(plus(kBase2, 9, 9, 10), 255));
}

TEST(ButtonFace, HoverSoftensItsFirstCornerStepLess) {
  NVImage image;
  paintButtonFaceHover(&image, 12, 8, 0);
  EXPECT_EQ(pixel(image, 1, 0).a, 164);
  EXPECT_EQ(pixel(image, 0, 1).a, 164);
  EXPECT_EQ(pixel(image, 2, 0).a, 220);
}

TEST(ButtonFace, ThreeByThreeCentreTakesTheRingRule) {
  NVImage image;
  paintButtonFace(&image, 3, 3, 0);
  // Centre: (2 * base0 + base2) / 3, glow (2 - 1) * 15 / 2 = 7, darkening 6, 6, 3.
  const Rgb ring = each([](int i) { return (2 * kBase0[i] + kBase2[i]) / 3; });
  EXPECT_EQ(pixel(image, 1, 1), rgba(plus(ring, 1, 1, 4), 255));
  for (const auto& corner : {std::pair{0, 0}, {2, 0}, {0, 2}, {2, 2}})
    EXPECT_EQ(pixel(image, corner.first, corner.second).a, 0);
  for (const auto& side : {std::pair{1, 0}, {0, 1}, {2, 1}, {1, 2}})
    EXPECT_EQ(pixel(image, side.first, side.second).a, 160);
}

TEST(ButtonFace, LowFacesStillGlowWithHalfTwo) {
  for (int h : {1, 2}) {
    NVImage image;
    paintButtonFace(&image, 9, h, 0);
    // Column 4 of row 0 is outline: base0 lifted by (2 - 0) * 15 / 2.
    EXPECT_EQ(pixel(image, 4, 0), rgba(plus(kBase0, 15, 15, 15), 255)) << "height " << h;
  }
}

TEST(DimToBackground, TransparentPixelsStayAsTheyAre) {
  NVImage image;
  paintButtonFace(&image, 12, 8, 0);
  const Rgba corner = pixel(image, 0, 0), outline = pixel(image, 3, 0);
  dimToBackground(&image, 12, 8);
  EXPECT_EQ(pixel(image, 0, 0), corner);
  const Rgb washed = each([&](int i) {
    return ((i == 0 ? outline.r : i == 1 ? outline.g : outline.b) + 3 * kBackground[i]) * 25 / 100;
  });
  EXPECT_EQ(pixel(image, 3, 0), rgba(washed, 255));
}

TEST(ScrollTrack, CosineDipAcrossSixteenColumns) {
  NVImage image;
  paintScrollTrack(&image, 16, 32, 0);
  const auto body = [](int m) { return each([m](int i) { return (m * kBase1[i] + (100 - m) * kBase2[i]) / 100; }); };
  EXPECT_EQ(pixel(image, 1, 5), rgba(body(48), 255));
  EXPECT_EQ(pixel(image, 8, 5), rgba(body(20), 255));
  const Rgb e = each([](int i) { return (kBase0[i] + kBase1[i]) / 2; });
  EXPECT_EQ(pixel(image, 5, 0), rgba(e, 255));
  EXPECT_EQ(pixel(image, 5, 31), rgba(plus(e, 25, 25, 25), 255));
  EXPECT_EQ(pixel(image, 0, 16), rgba(plus(e, 12, 12, 12), 255));
}

// Which columns of a row hold the arrow colour, as a string of '#' and '.'.
std::string arrowRow(const NVImage& image, int y, Rgb c0) {
  std::string row;
  for (int x = 2; x <= 13; ++x) row += pixel(image, x, y) == rgba(c0, 255) ? '#' : '.';
  return row;
}

TEST(ScrollButtons, ArrowRowsAt16x16) {
  const Rgb pressed0 = each([](int i) { return kMain0[i] * 2 / 3; });
  NVImage up, upPressed, down;
  paintScrollUp(&up, 16, 16, 0);
  paintScrollUpPressed(&upPressed, 16, 16, 0);
  paintScrollDown(&down, 16, 16, 0);
  EXPECT_EQ(arrowRow(up, 5, kBase0), "............");
  EXPECT_EQ(arrowRow(up, 6, kBase0), ".....##.....");
  EXPECT_EQ(arrowRow(up, 9, kBase0), "..########..");
  EXPECT_EQ(arrowRow(up, 10, kBase0), "............");
  EXPECT_EQ(arrowRow(upPressed, 6, pressed0), "............");
  EXPECT_EQ(arrowRow(upPressed, 7, pressed0), ".....##.....");
  EXPECT_EQ(arrowRow(upPressed, 10, pressed0), "..########..");
  EXPECT_EQ(arrowRow(down, 6, kBase0), "..########..");
  EXPECT_EQ(arrowRow(down, 9, kBase0), ".....##.....");
}

TEST(ScrollButtons, SoftCornersOnTheArrowSide) {
  NVImage up, down;
  paintScrollUp(&up, 16, 16, 0);
  paintScrollDown(&down, 16, 16, 0);
  const Rgb soft = each([](int i) { return (kBase0[i] + kBase2[i]) / 2; });
  const Rgb diag = each([](int i) { return (kBase0[i] + 2 * kBase1[i]) / 3; });
  EXPECT_EQ(pixel(up, 0, 0), rgba(soft, 128));
  EXPECT_EQ(pixel(up, 14, 1), rgba(diag, 255));
  EXPECT_EQ(pixel(up, 0, 15), rgba(plus(kBase0, 42, 42, 51), 255));
  EXPECT_EQ(pixel(down, 15, 15), rgba(soft, 128));
  EXPECT_EQ(pixel(down, 1, 14), rgba(diag, 255));
  EXPECT_EQ(pixel(down, 0, 0), rgba(kBase0, 255));
}

TEST(TextBoxFrame, BottomWeightsOverwriteTheTopRowsAtHeightFive) {
  NVImage image;
  paintTextBoxFrame(&image, 10, 5, 0);
  const auto shade = [](int w) { return each([w](int i) { return ((100 - w) * kBase1[i] + w * kBase2[i]) / 100; }); };
  EXPECT_EQ(pixel(image, 3, 1), rgba(shade(92), 255));
  EXPECT_EQ(pixel(image, 3, 2), rgba(shade(88), 255));
  EXPECT_EQ(pixel(image, 3, 3), rgba(shade(84), 255));
  EXPECT_EQ(pixel(image, 3, 0), rgba(kBase0, 255));
  EXPECT_EQ(pixel(image, 9, 4).a, 128);
}

TEST(SelectorMark, TranslucentBorderAndGradient) {
  NVImage image;
  paintSelectorMark(&image, 8, 10, 0);
  EXPECT_EQ(pixel(image, 0, 4), rgba(each([](int i) { return (kMain0[i] + kMain1[i]) / 2; }), 174));
  EXPECT_EQ(pixel(image, 3, 4), rgba(each([](int i) { return (4 * kMain1[i] + 6 * kMain2[i]) / 10; }), 174));
}

TEST(FrameTop, GradientAndRingAtTheWindowWidth) {
  NVImage image;
  paintFrameTop(&image, 312, 28, 0);
  EXPECT_EQ(pixel(image, 250, 2), (Rgba{144, 188, 156, 255}));
  EXPECT_EQ(pixel(image, 170, 2), (Rgba{213, 228, 204, 255}));
  EXPECT_EQ(pixel(image, 100, 0), rgba(kMain0, 255));
  EXPECT_EQ(pixel(image, 100, 1), rgba(kWhite, 255));
  EXPECT_EQ(pixel(image, 0, 10), rgba(kMain0, 255));
  EXPECT_EQ(pixel(image, 310, 10), rgba(kWhite, 255));
  EXPECT_EQ(pixel(image, 5, 26), rgba(kWhite, 255));
  EXPECT_EQ(pixel(image, 306, 27), rgba(each([](int i) { return (kMain0[i] + kMain1[i]) / 2; }), 255));
}

using Painter = void (*)(NVImage*, int, int, int);

TEST(FramePainters, WriteColourOnlyAndKeepEveryAlpha) {
  const Painter painters[] = {paintFrameTop,    paintFrameLeft, paintFrameRight,
                              paintFrameBottom, paintMenuBar,   paintDropDown};
  for (Painter p : painters) {
    NVImage image(40, 30);
    image.fill(0, 0, 0, 7);
    p(&image, 40, 30, 0);
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 40; ++x) ASSERT_EQ(image.getAlpha(x, y), 7) << x << "," << y;
  }
}

TEST(FrameEdges, OneRowEdgeTakesTheLowerHalfStart) {
  // A single row has no half to divide by: its shade is the start of the
  // lower half, 0.3 of the way to main0.
  NVImage image;
  paintFrameLeft(&image, 6, 1, 0);
  const Rgb g = each([](int i) { return static_cast<int>(kMain2[i] * (1 - 0.3) + kMain0[i] * 0.3); });
  EXPECT_EQ(pixel(image, 2, 0), rgba(g, 255));
  EXPECT_EQ(pixel(image, 0, 0), rgba(kMain0, 255));
}

}  // namespace
