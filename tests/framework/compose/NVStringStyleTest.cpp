#include <gtest/gtest.h>

#include <string>

#include "framework/compose/NVStringStyle.h"
#include "tests/support/EngineHarness.h"

namespace {

class StringStyleTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { useNullDisplay(); }
};

std::uint32_t px(const NVImage& image, int x, int y) { return image.getPixels()[y * image.getWidth() + x]; }

struct BlendCase {
  int scratchGrey;  // the scratch pixel, grey level
  bool raiseAlpha;
  std::uint32_t before;
  std::uint32_t after;
};

TEST_F(StringStyleTest, BlendFollowsDarknessAndLuminanceCoverage) {
  // White text over black: a black scratch pixel gives k = 255, D = 765.
  const BlendCase cases[] = {
      {0, true, 0x00000000u, 0xFFFEFEFEu},
      {0, false, 0x10000000u, 0x10FEFEFEu},
      {128, true, 0x00000000u, 0x7F7E7E7Eu},  // D = 381, k = 127
      {255, true, 0x12345678u, 0x12345678u},  // white: no darkness, no change
  };
  for (const BlendCase& c : cases) {
    NVImage scratch(1, 1), target(1, 1);
    scratch.fill(c.scratchGrey, c.scratchGrey, c.scratchGrey, 255);
    target.getPixels()[0] = c.before;
    blendTextScratch(scratch, &target, 0, 0, 0, 0, 0, 0, c.raiseAlpha, 255, 255, 255);
    EXPECT_EQ(px(target, 0, 0), c.after) << c.scratchGrey;
  }
}

TEST_F(StringStyleTest, BlendTouchesOnlyTheClippedColumns) {
  NVImage scratch(30, 4), target(40, 10);
  scratch.fill(0, 0, 0, 255);
  target.fill(255, 255, 255, 0);
  blendTextScratch(scratch, &target, 10, 5, 0, 0, 11, 99, true, 0, 0, 0);
  for (int x = 0; x < 40; ++x) {
    const bool changed = px(target, x, 6) != 0x00FFFFFFu;
    EXPECT_EQ(changed, x == 10 || x == 11) << x;
  }
}

TEST_F(StringStyleTest, TheDefaultStyleOnThisHostIsPGothicTwelve) {
  NVStringStyle style;
  EXPECT_EQ(getSystemVersionCode(), 0);  // the host reports a version after Vista
  EXPECT_EQ(style.height, 12);
  EXPECT_EQ(style.getFaceName(), "\x82\x6c\x82\x72\x20\x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e");
  EXPECT_EQ((style.red << 16) | (style.green << 8) | style.blue, 0x050A05);
}

// What the font a style holds says about itself.
LOGFONTA fontOf(const NVStringStyle& style) {
  LOGFONTA font{};
  EXPECT_EQ(GetObjectA(style.getFont(), sizeof font, &font), static_cast<int>(sizeof font));
  return font;
}

TEST_F(StringStyleTest, ChangesRecreateTheFontAndCopiesKeepTheirOwn) {
  NVStringStyle style, copy;
  EXPECT_EQ(fontOf(style).lfWeight, 500);
  EXPECT_EQ(fontOf(style).lfHeight, 12);
  style.setBold(true);
  style.setHeight(20);
  EXPECT_EQ(fontOf(style).lfWeight, 900);
  EXPECT_EQ(fontOf(style).lfHeight, 20);
  style.setItalic(true);
  EXPECT_TRUE(fontOf(style).lfItalic);
  copy.copyFrom(style);
  EXPECT_TRUE(copy.bold);
  EXPECT_NE(copy.getFont(), style.getFont());
  EXPECT_EQ(fontOf(copy).lfWeight, 900);
  EXPECT_EQ(fontOf(copy).lfHeight, 20);
  EXPECT_EQ(std::string(fontOf(copy).lfFaceName), std::string(fontOf(style).lfFaceName));
  // The copy's changes stay its own.
  copy.setBold(false);
  copy.setHeight(14);
  EXPECT_EQ(fontOf(copy).lfWeight, 500);
  EXPECT_EQ(fontOf(style).lfWeight, 900);
  EXPECT_EQ(fontOf(style).lfHeight, 20);
}

TEST_F(StringStyleTest, DrawnTextRaisesAlphaOnlyWhereGlyphsAre) {
  NVStringStyle style;
  NVImage target(120, 30);
  target.fill(5, 10, 5, 0);
  style.drawText(&target, 2, 2, -1, -1, -1, -1, true, NVString("MQO D&D"));
  int covered = 0, opaque = 0;
  for (int i = 0; i < 120 * 30; ++i) {
    const std::uint32_t a = target.getPixels()[i] >> 24;
    covered += a > 0;
    opaque += a == 255;
  }
  EXPECT_GT(covered, 30);
  EXPECT_GT(opaque, 5);
  EXPECT_LT(covered, 120 * 30 / 2);
  EXPECT_EQ(target.getPixels()[0] >> 24, 0u);
  const SIZE two = style.measure(NVString("ab\ncd"));
  const SIZE one = style.measure(NVString("ab"));
  EXPECT_EQ(two.cy, 2 * one.cy);
}

}  // namespace
