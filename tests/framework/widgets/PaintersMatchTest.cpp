// Every painter against its plain reference, pixel by pixel, over a table of
// sizes from one pixel to a large window; and the pictures for a person.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "framework/widgets/NVPainters.h"
#include "tests/framework/widgets/PaintReference.h"
#include "tests/framework/widgets/PaintTestSupport.h"
#include "tests/support/ReferencePicture.h"

namespace {

using Painter = void (*)(NVImage*, int, int, int);
using Reference = paintref::Canvas (*)(int, int);

struct PainterCase {
  const char* name;
  Painter painter;
  Reference reference;
  int pictureW, pictureH;  // the size of its reference picture
};

namespace r = paintref;

const PainterCase kPainters[] = {
    {"buttonFace", paintButtonFace, r::buttonFace, 80, 24},
    {"buttonFaceHover", paintButtonFaceHover, r::buttonFaceHover, 80, 24},
    {"buttonFacePressed", paintButtonFacePressed, r::buttonFacePressed, 80, 24},
    {"fillBackground", fillBackground, [](int w, int h) { return r::fill(w, h, r::kBackground); }, 8, 8},
    {"fillMain2", fillMain2, [](int w, int h) { return r::fill(w, h, r::kMain2); }, 8, 8},
    {"scrollTrack", paintScrollTrack, r::scrollTrack, 16, 64},
    {"scrollUp", paintScrollUp, [](int w, int h) { return r::scrollButton(w, h, true, 0); }, 16, 16},
    {"scrollUpHover", paintScrollUpHover, [](int w, int h) { return r::scrollButton(w, h, true, 1); }, 16, 16},
    {"scrollUpPressed", paintScrollUpPressed, [](int w, int h) { return r::scrollButton(w, h, true, 2); }, 16, 16},
    {"scrollDown", paintScrollDown, [](int w, int h) { return r::scrollButton(w, h, false, 0); }, 16, 16},
    {"scrollDownHover", paintScrollDownHover, [](int w, int h) { return r::scrollButton(w, h, false, 1); }, 16, 16},
    {"scrollDownPressed", paintScrollDownPressed, [](int w, int h) { return r::scrollButton(w, h, false, 2); }, 16, 16},
    {"selectorMark", paintSelectorMark, r::selectorMark, 60, 18},
    {"textBoxFrame", paintTextBoxFrame, [](int w, int h) { return r::textBoxFrame(w, h, false); }, 120, 22},
    {"textBoxFrameFocused", paintTextBoxFrameFocused, [](int w, int h) { return r::textBoxFrame(w, h, true); }, 120,
     22},
    {"frameTop", paintFrameTop, r::frameTop, 312, 28},
    {"frameLeft", paintFrameLeft, [](int w, int h) { return r::frameSide(w, h, true); }, 6, 300},
    {"frameRight", paintFrameRight, [](int w, int h) { return r::frameSide(w, h, false); }, 6, 300},
    {"frameBottom", paintFrameBottom, r::frameBottom, 312, 10},
    {"menuBar", paintMenuBar, [](int w, int h) { return r::menuBar(w, h, false); }, 312, 18},
    {"dropDown", paintDropDown, [](int w, int h) { return r::menuBar(w, h, true); }, 100, 60},
};

struct Size {
  int w, h;
};

// Degenerate faces where the edge, ring and interior rules overlap, the sizes
// the widgets use, and large ones.
const Size kSizes[] = {{1, 1},   {2, 2},    {3, 3},    {1, 5},     {5, 1},     {2, 7},     {4, 4},    {5, 5},
                       {6, 6},   {7, 3},    {3, 9},    {9, 11},    {12, 8},    {13, 7},    {16, 16},  {17, 33},
                       {6, 300}, {312, 28}, {312, 10}, {300, 300}, {640, 480}, {1000, 31}, {31, 1000}};

class PainterMatch : public testing::TestWithParam<PainterCase> {};

TEST_P(PainterMatch, EveryPixelAsTheFormulasGiveAtEverySize) {
  const PainterCase& c = GetParam();
  for (const Size& s : kSizes) {
    SCOPED_TRACE(std::to_string(s.w) + "x" + std::to_string(s.h));
    NVImage image;
    c.painter(&image, s.w, s.h, 0);
    const r::Canvas ref = c.reference(s.w, s.h);
    EXPECT_EQ(painttest::firstDifference(image, ref), "");
    // Painting again at the same size keeps the image as it is: nothing
    // builds on what the previous run left.
    c.painter(&image, s.w, s.h, 0);
    EXPECT_EQ(painttest::firstDifference(image, ref), "") << "after a second run";
  }
}

TEST_P(PainterMatch, ResizesAnImageOfAnotherSize) {
  const PainterCase& c = GetParam();
  NVImage image(40, 3);
  image.fill(1, 2, 3, 4);
  c.painter(&image, 9, 11, 0);
  EXPECT_EQ(painttest::firstDifference(image, c.reference(9, 11)), "");
}

TEST_P(PainterMatch, SizesBelowOneLeaveTheImageAlone) {
  const PainterCase& c = GetParam();
  const Size bad[] = {{0, 5}, {5, 0}, {-3, 4}, {4, -3}, {0, 0}};
  for (const Size& s : bad) {
    NVImage image(3, 2);
    image.fill(10, 20, 30, 40);
    c.painter(&image, s.w, s.h, 0);
    ASSERT_EQ(image.getWidth(), 3);
    ASSERT_EQ(image.getHeight(), 2);
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 3; ++x) EXPECT_EQ(painttest::pixel(image, x, y), (painttest::Rgba{10, 20, 30, 40}));
  }
  c.painter(nullptr, 4, 4, 0);  // no image: nothing to paint, no crash
}

TEST_P(PainterMatch, PictureMatchesItsReference) {
  const PainterCase& c = GetParam();
  NVImage image;
  c.painter(&image, c.pictureW, c.pictureH, 0);
  const std::string name = std::string(c.name) + "_" + std::to_string(c.pictureW) + "x" + std::to_string(c.pictureH);
  EXPECT_TRUE(refpic::matchesReference("framework/widgets/" + name,
                                       {image.getWidth(), image.getHeight(), painttest::words(image)}));
}

TEST_P(PainterMatch, SeededRandomSizes) {
  // Iteration n draws its size from a generator seeded with n, so a failing
  // size can be replayed from the trace alone.
  const PainterCase& c = GetParam();
  NVImage image;
  for (unsigned n = 0; n < 60; ++n) {
    std::mt19937 random(n);
    const int limit = n % 4 == 3 ? 400 : 40;
    const int w = 1 + static_cast<int>(random() % limit), h = 1 + static_cast<int>(random() % limit);
    SCOPED_TRACE("iteration " + std::to_string(n) + ": " + std::to_string(w) + "x" + std::to_string(h));
    c.painter(&image, w, h, 0);
    ASSERT_EQ(painttest::firstDifference(image, c.reference(w, h)), "");
  }
}

INSTANTIATE_TEST_SUITE_P(Painters, PainterMatch, testing::ValuesIn(kPainters),
                         [](const testing::TestParamInfo<PainterCase>& info) { return std::string(info.param.name); });

TEST(DimToBackground, MatchesItsReferenceOverTheSizes) {
  for (const Size& s : kSizes) {
    SCOPED_TRACE(std::to_string(s.w) + "x" + std::to_string(s.h));
    NVImage image;
    paintButtonFace(&image, s.w, s.h, 0);
    dimToBackground(&image, s.w, s.h);
    r::Canvas ref = r::buttonFace(s.w, s.h);
    r::dimToBackground(ref, s.w, s.h);
    EXPECT_EQ(painttest::firstDifference(image, ref), "");
  }
}

TEST(DimToBackground, StopsAtTheGivenAreaAndAtTheImage) {
  NVImage image;
  paintScrollTrack(&image, 20, 10, 0);
  dimToBackground(&image, 7, 400);  // taller than the image: rows past it are not touched
  r::Canvas ref = r::scrollTrack(20, 10);
  r::dimToBackground(ref, 7, 400);
  EXPECT_EQ(painttest::firstDifference(image, ref), "");
  dimToBackground(nullptr, 4, 4);  // no image, no crash
}

TEST(DimToBackground, DisabledButtonPicture) {
  NVImage image;
  paintButtonFace(&image, 80, 24, 0);
  dimToBackground(&image, 80, 24);
  EXPECT_TRUE(refpic::matchesReference("framework/widgets/buttonFaceDimmed_80x24", {80, 24, painttest::words(image)}));
}

}  // namespace
