#include <gtest/gtest.h>

#include <cmath>

#include "platform/host/text/FontSizing.h"

using namespace nvhost::text;

namespace {

FaceFacts facts(int upem, int winAscent, int winDescent) {
  FaceFacts f;
  f.unitsPerEm = upem;
  f.winAscent = winAscent;
  f.winDescent = winDescent;
  f.averageCharWidth = upem / 2;
  f.maxAdvance = upem;
  f.underlinePosition = -upem / 10;
  f.underlineThickness = upem / 20;
  f.strikeoutPosition = upem / 4;
  f.strikeoutThickness = upem / 20;
  return f;
}

// IPA gothic's vertical values, a Latin face's, and a face whose cell is
// smaller than its em.
FaceFacts lowUnderline() {
  FaceFacts f = facts(2048, 1802, 401);
  f.underlinePosition = -298;  // what FreeType reports for IPA gothic
  return f;
}

const FaceFacts kFaces[] = {facts(2048, 1802, 401), facts(2048, 1901, 483), facts(1000, 700, 200), lowUnderline()};

TEST(FontSizing, PositiveHeightIsTheCellHeight) {
  for (const FaceFacts& f : kFaces)
    for (int height = 1; height <= 80; ++height) {
      const FontScale s = scaleFace(f, height, 0, false);
      EXPECT_EQ(s.metrics.height, height);
      EXPECT_EQ(s.metrics.ascent + s.metrics.descent, height);
      const long expected = std::lround(static_cast<double>(f.unitsPerEm) * height / (f.winAscent + f.winDescent));
      EXPECT_EQ(s.ppemY, std::max(1L, expected)) << "height " << height;
      EXPECT_EQ(s.ppemX, s.ppemY);
    }
}

TEST(FontSizing, NegativeHeightIsTheEm) {
  for (const FaceFacts& f : kFaces)
    for (int em = 1; em <= 60; ++em) {
      const FontScale s = scaleFace(f, -em, 0, false);
      EXPECT_EQ(s.ppemY, em);
      EXPECT_GE(s.metrics.height, em * (f.winAscent + f.winDescent) / f.unitsPerEm);
    }
}

TEST(FontSizing, ZeroHeightIsTheDefaultCell) {
  EXPECT_EQ(scaleFace(kFaces[0], 0, 0, false).metrics.height, kDefaultCellHeight);
}

TEST(FontSizing, WidthScalesTheEmHorizontally) {
  const FontScale normal = scaleFace(kFaces[0], 20, 0, false);
  const FontScale wide = scaleFace(kFaces[0], 20, normal.metrics.averageCharWidth * 2, false);
  EXPECT_EQ(wide.ppemY, normal.ppemY);
  EXPECT_NEAR(wide.ppemX, normal.ppemX * 2, 1);
  EXPECT_EQ(wide.metrics.averageCharWidth, normal.metrics.averageCharWidth * 2);
}

TEST(FontSizing, DecorationsStayInsideTheCell) {
  for (const FaceFacts& f : kFaces)
    for (int height = 6; height <= 60; ++height) {
      const FontScale s = scaleFace(f, height, 0, false);
      EXPECT_GE(s.underline.offset, 0);
      EXPECT_LE(s.underline.offset + s.underline.thickness, s.metrics.descent) << "height " << height;
      EXPECT_LT(s.strikeout.offset, 0);
      EXPECT_GE(s.underline.thickness, 1);
    }
}

TEST(FontSizing, SyntheticBoldWidensTheWidestAdvance) {
  EXPECT_EQ(scaleFace(kFaces[0], 12, 0, true).metrics.maxCharWidth,
            scaleFace(kFaces[0], 12, 0, false).metrics.maxCharWidth + 1);
}

}  // namespace
