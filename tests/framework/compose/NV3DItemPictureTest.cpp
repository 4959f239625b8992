#include <gtest/gtest.h>

#include <cstdint>
#include <random>

#include "framework/compose/NV3DItem.h"
#include "framework/compose/NVImage.h"
#include "framework/compose/NVStringStyle.h"
#include "framework/core/NVGUICoreObject.h"
#include "tests/support/EngineHarness.h"

namespace {

struct Rgba {
  int r, g, b, a;
  bool operator==(const Rgba&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Rgba& p) {
  return out << "(" << p.r << "," << p.g << "," << p.b << "," << p.a << ")";
}

Rgba texel(const dv_Image& image, int x, int y) {
  return {image.getRed(x, y), image.getGreen(x, y), image.getBlue(x, y), image.getAlpha(x, y)};
}

Rgba pixel(const NVImage& image, int x, int y) {
  const std::uint32_t p = image.getPixels()[y * image.getWidth() + x];
  return {static_cast<int>(p >> 16 & 255), static_cast<int>(p >> 8 & 255), static_cast<int>(p & 255),
          static_cast<int>(p >> 24)};
}

void fillRandom(dv_Image& image, unsigned seed) {
  std::mt19937 rng(seed);
  for (int y = 0; y < image.getHeight(); ++y)
    for (int x = 0; x < image.getWidth(); ++x)
      image.setRGBA(x, y, static_cast<int>(rng() & 255), static_cast<int>(rng() & 255), static_cast<int>(rng() & 255),
                    static_cast<int>(rng() & 255));
}

void fillRandom(NVImage& image, unsigned seed) {
  std::mt19937 rng(seed);
  for (int i = 0; i < image.getWidth() * image.getHeight(); ++i) image.getPixels()[i] = rng();
}

// Every texel of the item's picture against an expected image.
void expectPicture(const NV3DItem& item, const NVImage& expected) {
  ASSERT_EQ(item.textureImage.getWidth(), expected.getWidth());
  ASSERT_EQ(item.textureImage.getHeight(), expected.getHeight());
  for (int y = 0; y < expected.getHeight(); ++y)
    for (int x = 0; x < expected.getWidth(); ++x)
      ASSERT_EQ(texel(item.textureImage, x, y), pixel(expected, x, y)) << "at " << x << "," << y;
}

int opaqueCount(const dv_Image& image) {
  int n = 0;
  for (int y = 0; y < image.getHeight(); ++y)
    for (int x = 0; x < image.getWidth(); ++x) n += image.getAlpha(x, y) > 0;
  return n;
}

class ItemPictureTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { useNullDisplay(); }
  void TearDown() override { freeDeferred(); }
};

TEST_F(ItemPictureTest, WithoutTextTheShownPartOfTheSourceIsCopied) {
  struct Case {
    int sourceW, sourceH, sourceX, sourceY, itemW, itemH;
    int shownW, shownH;
  };
  const Case cases[] = {
      {20, 10, 0, 0, 20, 10, 20, 10},  {30, 20, 0, 0, 20, 10, 20, 10}, {30, 20, 5, 4, 20, 10, 20, 10},
      {30, 20, 15, 12, 20, 10, 15, 8}, {8, 6, 0, 0, 20, 10, 8, 6},
  };
  unsigned seed = 1;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "source " << c.sourceW << "x" << c.sourceH << " at " << c.sourceX << ","
                                    << c.sourceY);
    dv_Image toolkit(c.sourceW, c.sourceH);
    fillRandom(toolkit, seed++);
    NVImage framework(c.sourceW, c.sourceH);
    fillRandom(framework, seed++);
    NV3DItem fromToolkit(0, 0, c.itemW, c.itemH), fromFramework(0, 0, c.itemW, c.itemH);
    fromToolkit.sourceX = fromFramework.sourceX = c.sourceX;
    fromToolkit.sourceY = fromFramework.sourceY = c.sourceY;
    fromToolkit.setSourceToolkitImage(&toolkit);
    fromFramework.setSourceImage(&framework);
    for (const NV3DItem* item : {&fromToolkit, &fromFramework}) {
      ASSERT_EQ(item->textureImage.getWidth(), c.shownW);
      ASSERT_EQ(item->textureImage.getHeight(), c.shownH);
    }
    for (int y = 0; y < c.shownH; ++y)
      for (int x = 0; x < c.shownW; ++x) {
        ASSERT_EQ(texel(fromToolkit.textureImage, x, y), texel(toolkit, x + c.sourceX, y + c.sourceY));
        ASSERT_EQ(texel(fromFramework.textureImage, x, y), pixel(framework, x + c.sourceX, y + c.sourceY));
      }
  }
}

TEST_F(ItemPictureTest, TextOverNothingMakesOnlyTheGlyphsOpaque) {
  NV3DItem item(0, 0, 80, 20);
  item.setTextPosition(3, 2);
  item.setText(NVString("AB"));
  NVImage expected(80, 20);
  expected.fill(0, 0, 0, 0);
  NVStringStyle::sharedDefault()->drawText(&expected, 3, 2, 0, 0, 80, 20, true, NVString("AB"));
  expectPicture(item, expected);
  const int opaque = opaqueCount(item.textureImage);
  EXPECT_GT(opaque, 10);
  EXPECT_LT(opaque, 80 * 20 / 4);
  for (int y = 0; y < 20; ++y) EXPECT_EQ(item.textureImage.getAlpha(60, y), 0);
}

// Over a source the glyphs are blended into its colours; its alpha stays, so
// glyphs over transparent parts stay invisible.
TEST_F(ItemPictureTest, TextOverASourceKeepsTheSourceAlpha) {
  NVImage source(40, 20);
  source.fill(0, 0, 0, 0);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) source.setRGBA(x, y, 255, 255, 255, 255);
  NVStringStyle style;
  style.setColor(200, 0, 0);
  NV3DItem item(0, 0, 40, 20);
  item.setTextStyle(&style);
  item.setText(NVString("MMMM"));
  item.setSourceImage(&source);
  NVImage expected(1, 1);
  expected.copyFrom(source);
  style.drawText(&expected, 0, 0, 0, 0, 40, 20, false, NVString("MMMM"));
  expectPicture(item, expected);
  EXPECT_EQ(opaqueCount(item.textureImage), 20 * 20);
}

// With a text the picture is the whole source, whatever the item's size and
// source position, with the text clipped to the item's width and height.
TEST_F(ItemPictureTest, TextTakesTheWholeSource) {
  NVImage framework(40, 30);
  fillRandom(framework, 11);
  dv_Image toolkit(40, 30);
  fillRandom(toolkit, 12);
  NVStringStyle style;
  style.setColor(0, 90, 200);
  for (bool fromToolkit : {false, true}) {
    SCOPED_TRACE(fromToolkit ? "toolkit source" : "framework source");
    NV3DItem item(0, 0, 20, 10);
    item.sourceX = 5, item.sourceY = 4;
    item.setTextStyle(&style);
    item.setTextPosition(1, 0);
    if (fromToolkit)
      item.setSourceToolkitImage(&toolkit);
    else
      item.setSourceImage(&framework);
    item.setText(NVString("MWM"));
    NVImage expected(40, 30);
    if (fromToolkit) {
      for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
          const Rgba t = texel(toolkit, x, y);
          expected.setRGBA(x, y, t.r, t.g, t.b, t.a);
        }
    } else {
      expected.copyFrom(framework);
    }
    style.drawText(&expected, 1, 0, 0, 0, 20, 10, false, NVString("MWM"));
    expectPicture(item, expected);
  }
}

TEST_F(ItemPictureTest, DisabledItemsDrawTheirTextHalfwayToWhite) {
  NVStringStyle style, lighter;
  style.setColor(200, 0, 60);
  lighter.setColor(227, 127, 157);
  NV3DItem parent(0, 0, 60, 20), item(0, 0, 60, 20);
  NV3DItemBase::addChild(&parent, &item, true);
  item.setTextStyle(&style);
  item.setText(NVString("Hi"));
  parent.setEnabled(false);
  NVImage expected(60, 20);
  expected.fill(0, 0, 0, 0);
  lighter.drawText(&expected, 0, 0, 0, 0, 60, 20, true, NVString("Hi"));
  expectPicture(item, expected);
  parent.setEnabled(true);
  expected.fill(0, 0, 0, 0);
  style.drawText(&expected, 0, 0, 0, 0, 60, 20, true, NVString("Hi"));
  expectPicture(item, expected);
  item.detach();
}

TEST_F(ItemPictureTest, ResizingCopiesTheSourceAgainAtTheNewSize) {
  dv_Image source(40, 30);
  fillRandom(source, 7);
  NV3DItem item(5, 5, 10, 10);
  item.setSourceToolkitImage(&source);
  ASSERT_EQ(item.textureImage.getWidth(), 10);
  EXPECT_TRUE(item.setRect(6, 7, 20, 15));
  EXPECT_EQ(item.x, 6);
  ASSERT_EQ(item.textureImage.getWidth(), 20);
  ASSERT_EQ(item.textureImage.getHeight(), 15);
  EXPECT_EQ(item.textureImage.getBufferWidth(), 64);
  for (int y = 0; y < 15; ++y)
    for (int x = 0; x < 20; ++x) ASSERT_EQ(texel(item.textureImage, x, y), texel(source, x, y)) << x << "," << y;
  // Sizes below 1 become 1.
  item.setSize(0, -4);
  EXPECT_EQ(item.width, 1);
  EXPECT_EQ(item.height, 1);
  EXPECT_EQ(texel(item.textureImage, 0, 0), texel(source, 0, 0));
}

TEST_F(ItemPictureTest, ResizingKeepsTheText) {
  NV3DItem item(0, 0, 30, 20);
  item.setText(NVString("W"));
  item.setSize(60, 30);
  NVImage expected(60, 30);
  expected.fill(0, 0, 0, 0);
  NVStringStyle::sharedDefault()->drawText(&expected, 0, 0, 0, 0, 60, 30, true, NVString("W"));
  expectPicture(item, expected);
}

TEST_F(ItemPictureTest, AnEmptiedTextOrSourceLeavesNothingBehind) {
  NV3DItem item(0, 0, 30, 20);
  item.setText(NVString("AB"));
  ASSERT_GT(opaqueCount(item.textureImage), 0);
  item.setText(NVString(""));
  EXPECT_EQ(opaqueCount(item.textureImage), 0);
  NVImage source(30, 20);  // opaque white
  item.setSourceImage(&source);
  EXPECT_EQ(opaqueCount(item.textureImage), 30 * 20);
  item.setSourceImage(nullptr);
  EXPECT_EQ(item.textureImage.getWidth(), 30);
  EXPECT_EQ(opaqueCount(item.textureImage), 0);
}

}  // namespace
