#include <gtest/gtest.h>

#include "toolkit/dv_Color.h"
#include "toolkit/dv_Image.h"

namespace {

TEST(ImageTest, BufferSizes) {
  struct Case {
    int w, h, bw, bh;
  };
  for (const Case c : {Case{100, 30, 128, 64}, Case{10, 10, 64, 64}, Case{64, 65, 64, 128}, Case{1, 513, 64, 1024},
                       Case{0, 5, 0, 0}, Case{5, -1, 0, 0}}) {
    dv_Image image(c.w, c.h);
    EXPECT_EQ(image.getBufferWidth(), c.bw) << c.w << "x" << c.h;
    EXPECT_EQ(image.getBufferHeight(), c.bh) << c.w << "x" << c.h;
    EXPECT_EQ(image.getWidth(), c.bw ? c.w : 0);
    EXPECT_EQ(image.getBuffer() == nullptr, c.bw == 0);
  }
  EXPECT_EQ(dv_Image::bufferSizeFor(65536), 65536);
  dv_Image tooWide;
  EXPECT_FALSE(tooWide.reset(dv_Image::MaxSide + 1, 1, true));
  EXPECT_TRUE(tooWide.isEmpty());
  EXPECT_EQ(dv_Image().getType(), 23);
}

TEST(ImageTest, ChannelsAreClampedAndBounded) {
  dv_Image image(2, 2);
  EXPECT_EQ(image.getAlpha(1, 1), 0);
  ASSERT_TRUE(image.setRGB(1, 1, 300, -5, 7));
  EXPECT_EQ(image.getRed(1, 1), 255);
  EXPECT_EQ(image.getGreen(1, 1), 0);
  EXPECT_EQ(image.getBlue(1, 1), 7);
  EXPECT_EQ(image.getAlpha(1, 1), 255);
  EXPECT_EQ(image.getRed(2, 0), -1);
  EXPECT_EQ(image.getRed(0, -1), -1);
  EXPECT_FALSE(image.setAlpha(-1, 0, 3));
  EXPECT_EQ(dv_Image().getRed(0, 0), -1);
}

TEST(ImageTest, RowsAreStoredBottomUp) {
  dv_Image image(2, 2);
  image.setRGBA(0, 0, 1, 2, 3, 4);
  image.setRGBA(0, 1, 5, 6, 7, 8);
  const uint8_t* buffer = image.getBuffer();
  const size_t row = static_cast<size_t>(image.getBufferWidth()) * 4;
  EXPECT_EQ(buffer[row + 0], 1);  // (0, 0) in buffer row 1
  EXPECT_EQ(buffer[row + 3], 4);
  EXPECT_EQ(buffer[0], 5);  // (0, 1) in buffer row 0
  EXPECT_EQ(image.pixelOffset(1, 0), row + 4);
}

TEST(ImageTest, ColoursConvertByTheirScale) {
  dv_Image image(1, 1);
  ASSERT_TRUE(image.setColor(0, 0, dv_Color(1.0, 0.5, 0.2, 0.0)));
  EXPECT_EQ(image.getRed(0, 0), 255);
  EXPECT_EQ(image.getGreen(0, 0), 127);
  EXPECT_EQ(image.getBlue(0, 0), 51);
  EXPECT_EQ(image.getAlpha(0, 0), 0);
  EXPECT_TRUE(image.getColor(0, 0) == dv_Color(1.0, 127 / 255.0, 0.2, 0.0));
  EXPECT_TRUE(image.getColor(5, 5) == dv_Color(0, 0, 0, 1));
}

TEST(ImageTest, FillCoversTheWholeBuffer) {
  dv_Image image(3, 3);
  EXPECT_FALSE(image.fill(256, 0, 0, 0));
  EXPECT_FALSE(image.fill(0, -1, 0, 0));
  ASSERT_TRUE(image.fill(9, 8, 7, 6));
  const uint8_t* last = image.getBuffer() + image.bufferBytes() - 4;
  EXPECT_EQ(last[0], 9);
  EXPECT_EQ(last[3], 6);
  EXPECT_EQ(image.getGreen(2, 2), 8);
}

TEST(ImageTest, ExtractAtTheEdge) {
  dv_Image src(4, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) src.setRGBA(x, y, x, y, x * y, 255);
  dv_Image part(1, 1);
  part.setRed(0, 0, 99);
  struct Case {
    int x, y, w, h;
    bool ok;
  };
  for (const Case c : {Case{2, 1, 2, 2, true}, Case{2, 1, 3, 2, false}, Case{2, 1, 2, 3, false},
                       Case{-1, 0, 1, 1, false}, Case{0, 0, 0, 1, false}}) {
    dv_Image target(1, 1);
    target.setRed(0, 0, 99);
    EXPECT_EQ(target.extract(&src, c.x, c.y, c.w, c.h), c.ok);
    if (!c.ok) {
      EXPECT_EQ(target.getRed(0, 0), 99);  // unchanged
      continue;
    }
    for (int y = 0; y < c.h; ++y)
      for (int x = 0; x < c.w; ++x) {
        EXPECT_EQ(target.getRed(x, y), c.x + x);
        EXPECT_EQ(target.getGreen(x, y), c.y + y);
      }
  }
  EXPECT_FALSE(part.extract(nullptr, 0, 0, 1, 1));
  EXPECT_FALSE(part.extract(&part, 0, 0, 1, 1));
}

void expectArea(const dv_Image& image, int x, int y, int w, int h, const char* what) {
  const dv_ImageArea area = image.getUpdateArea();
  EXPECT_EQ(area.x, x) << what;
  EXPECT_EQ(area.y, y) << what;
  EXPECT_EQ(area.w, w) << what;
  EXPECT_EQ(area.h, h) << what;
}

// Every change of the pixels marks the whole image updated (an area of all
// -1); a write that changes nothing leaves the update state as it was.
TEST(ImageTest, UpdateState) {
  const dv_Image source(4, 4);
  struct Case {
    const char* what;
    bool (*write)(dv_Image&, const dv_Image&);
    bool changes;
  };
  const Case cases[] = {
      {"red", [](dv_Image& i, const dv_Image&) { return i.setRed(1, 1, 9); }, true},
      {"green", [](dv_Image& i, const dv_Image&) { return i.setGreen(3, 0, 9); }, true},
      {"blue", [](dv_Image& i, const dv_Image&) { return i.setBlue(0, 3, 9); }, true},
      {"alpha", [](dv_Image& i, const dv_Image&) { return i.setAlpha(2, 2, 9); }, true},
      {"rgba", [](dv_Image& i, const dv_Image&) { return i.setRGBA(0, 0, 1, 2, 3, 4); }, true},
      {"colour", [](dv_Image& i, const dv_Image&) { return i.setColor(1, 2, dv_Color(0.5, 0.5, 0.5, 1.0)); }, true},
      {"fill", [](dv_Image& i, const dv_Image&) { return i.fill(1, 2, 3, 4); }, true},
      {"reset", [](dv_Image& i, const dv_Image&) { return i.reset(2, 2); }, true},
      {"clear", [](dv_Image& i, const dv_Image&) { return (i.clear(), true); }, true},
      {"extract", [](dv_Image& i, const dv_Image& src) { return i.extract(&src, 1, 1, 2, 2); }, true},
      {"outside", [](dv_Image& i, const dv_Image&) { return i.setBlue(4, 0, 9); }, false},
      {"bad fill", [](dv_Image& i, const dv_Image&) { return i.fill(1, 2, 3, 256); }, false},
  };
  for (const Case& c : cases) {
    dv_Image image(4, 4);
    image.setUpdateArea(1, 2, 3, 4);
    EXPECT_TRUE(image.isUpdated()) << c.what;
    expectArea(image, 1, 2, 3, 4, c.what);
    image.clearUpdate();
    EXPECT_FALSE(image.isUpdated()) << c.what;
    expectArea(image, 0, 0, 0, 0, c.what);
    EXPECT_EQ(c.write(image, source), c.changes) << c.what;
    EXPECT_EQ(image.isUpdated(), c.changes) << c.what;
    if (c.changes)
      expectArea(image, -1, -1, -1, -1, c.what);
    else
      expectArea(image, 0, 0, 0, 0, c.what);
  }
}

TEST(ImageTest, CopiesAreDeepAndKeepTheTextureName) {
  dv_Image a(3, 2);
  a.setRGB(2, 1, 10, 20, 30);
  dv_Image b(a);
  EXPECT_EQ(b.getBlue(2, 1), 30);
  a.setBlue(2, 1, 0);
  EXPECT_EQ(b.getBlue(2, 1), 30);
  dv_Image c;
  c.setTextureId(7);
  c = b;
  EXPECT_EQ(c.getTextureId(), 7);
  EXPECT_EQ(c.getWidth(), 3);
  c.copyFrom(c);
  EXPECT_EQ(c.getBlue(2, 1), 30);
}

}  // namespace
