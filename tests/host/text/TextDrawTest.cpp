#include <gtest/gtest.h>

#include <algorithm>

#include "tests/host/text/Canvas.h"
#include "tests/host/text/TextTestFonts.h"

using namespace nvhost::text;
using hosttext::Canvas;
using hosttext::drawBlack;

namespace {

constexpr int kW = 160;
constexpr int kH = 60;

// The picture of `text` drawn with `flags` into `rect` of a fresh canvas.
std::vector<std::uint8_t> picture(const Font& font, const std::string& text, Rect rect, unsigned flags) {
  Canvas canvas(kW, kH);
  drawBlack(font, canvas, text, rect, flags);
  return canvas.pixels();
}

class TextDraw : public ::testing::Test {
 protected:
  FontRef font = hosttext::defaultFont();
  int lh = lineHeight(*font);
  int width(const std::string& text) { return measureText(*font, text).cx; }
};

TEST_F(TextDraw, NoPrefixKeepsTheAmpersand) {
  const Rect r{0, 0, kW, kH};
  EXPECT_EQ(picture(*font, "D&D", r, format::kNoPrefix), picture(*font, "D&&D", r, 0));
  EXPECT_NE(picture(*font, "D&D", r, format::kNoPrefix), picture(*font, "DD", r, format::kNoPrefix));
}

TEST_F(TextDraw, PrefixUnderlinesTheNextCharacterOnly) {
  Canvas plain(kW, kH), marked(kW, kH);
  drawBlack(*font, plain, "DD", {0, 0, kW, kH}, format::kNoPrefix);
  drawBlack(*font, marked, "D&D", {0, 0, kW, kH}, 0);
  ASSERT_NE(plain.pixels(), marked.pixels());
  const int firstD = width("D");
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x)
      if (plain.coverage(x, y) != marked.coverage(x, y)) {
        EXPECT_GE(x, firstD);
        EXPECT_LT(x, 2 * firstD);
        EXPECT_GE(y, fontMetrics(*font).ascent);
      }
}

TEST_F(TextDraw, RejectedBytesDrawAMark) {
  const Rect r{0, 0, kW, kH};
  const auto mark = picture(*font, "\x80", r, 0);
  EXPECT_NE(mark, Canvas(kW, kH).pixels());
  EXPECT_EQ(picture(*font, "\xA0", r, 0), mark);
  EXPECT_EQ(picture(*font, "\xFD", r, 0), mark);
  EXPECT_EQ(picture(*font, "\x82", r, 0), mark);  // a lone lead byte at the end
  EXPECT_EQ(picture(*font, "a\x82", r, 0), picture(*font, "a\x80", r, 0));
}

TEST_F(TextDraw, KanaOfAnUnknownFaceAreNotMarks) {
  const FontRef fallback = hosttext::frameworkFont("No Such Face 1234", 12);
  ASSERT_TRUE(fallback);
  const Rect r{0, 0, kW, kH};
  EXPECT_NE(picture(*fallback, sjis("あ"), r, 0), picture(*fallback, "\x80", r, 0));
}

TEST_F(TextDraw, AlignmentShiftsTheLine) {
  const std::string text = sjis("「cube.mqo」");
  const Rect box{10, 5, 150, 55};
  const int room = box.right - box.left - width(text);
  const int vroom = box.bottom - box.top - lh;
  const struct {
    unsigned flags;
    int dx, dy;
  } cases[] = {
      {format::kCenter, room / 2, 0},
      {format::kRight, room, 0},
      {format::kSingleLine | format::kVCenter, 0, vroom / 2},
      {format::kSingleLine | format::kBottom, 0, vroom},
      {format::kSingleLine | format::kBottom | format::kRight, room, vroom},
      {format::kVCenter, 0, 0},  // vertical placement needs a single line
      {format::kBottom, 0, 0},
  };
  for (const auto& c : cases) {
    const Rect shifted{box.left + c.dx, box.top + c.dy, box.right + c.dx, box.bottom + c.dy};
    EXPECT_EQ(picture(*font, text, box, c.flags), picture(*font, text, shifted, format::kNoClip)) << c.flags;
  }
}

TEST_F(TextDraw, LinesAreStackedByTheCellHeight) {
  Canvas stacked(kW, kH);
  drawBlack(*font, stacked, "ab", {3, 2, kW, kH}, 0);
  drawBlack(*font, stacked, "cd", {3, 2 + lh, kW, kH}, 0);
  for (const char* text : {"ab\ncd", "ab\r\ncd", "ab\rcd"})
    EXPECT_EQ(picture(*font, text, {3, 2, kW, kH}, 0), stacked.pixels()) << text;
}

TEST_F(TextDraw, ExpandedTabsMoveToTheNextStop) {
  const int stop = 8 * fontMetrics(*font).averageCharWidth;
  Canvas apart(kW, kH);
  drawBlack(*font, apart, "a", {3, 2, kW, kH}, 0);
  drawBlack(*font, apart, "b", {3 + stop, 2, kW, kH}, 0);
  EXPECT_EQ(picture(*font, "a\tb", {3, 2, kW, kH}, format::kExpandTabs), apart.pixels());
  EXPECT_NE(picture(*font, "a\tb", {3, 2, kW, kH}, 0), apart.pixels());
}

TEST_F(TextDraw, WordBreakWrapsAtSpaces) {
  const Rect narrow{0, 0, width("aaa bbb") + 2, kH};
  EXPECT_EQ(picture(*font, "aaa bbb ccc", narrow, format::kWordBreak), picture(*font, "aaa bbb\nccc", narrow, 0));
  EXPECT_NE(picture(*font, "aaa bbb ccc", narrow, 0), picture(*font, "aaa bbb\nccc", narrow, 0));
}

TEST_F(TextDraw, ReturnsTheHeightAndCalcRectMeasures) {
  const int wrapWidth = width("aaa bbb") + 2;
  const struct {
    std::string text;
    unsigned flags;
    int widest, lines;
  } cases[] = {
      {"ab\ncd", 0, std::max(width("ab"), width("cd")), 2}, {"ab\ncd\n", 0, std::max(width("ab"), width("cd")), 2},
      {"ab\ncd", format::kSingleLine, width("ab\ncd"), 1},  {"aaa bbb ccc", format::kWordBreak, width("aaa bbb"), 2},
      {"aaa bbb ccc", 0, width("aaa bbb ccc"), 1},          {"", 0, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    Canvas canvas(kW, kH);
    Surface surface = canvas.surface();
    Rect rect{7, 4, 7 + wrapWidth, 100};
    EXPECT_EQ(drawText(*font, c.text, rect, c.flags | format::kCalcRect, DrawOptions{}, &surface), c.lines * lh);
    EXPECT_TRUE(canvas.blank());
    EXPECT_EQ(rect.right, 7 + c.widest);
    EXPECT_EQ(rect.bottom, 4 + c.lines * lh);
    Rect drawn{7, 4, 7 + wrapWidth, 100};
    EXPECT_EQ(drawText(*font, c.text, drawn, c.flags, DrawOptions{}, &surface), c.lines * lh);
    EXPECT_EQ(drawn.right, 7 + wrapWidth);
  }
  Canvas canvas(kW, kH);
  EXPECT_EQ(drawBlack(*font, canvas, "x", {0, 0, 100, 40}, format::kSingleLine | format::kVCenter), (40 - lh) / 2 + lh);
  EXPECT_EQ(drawBlack(*font, canvas, "x", {0, 0, 100, 40}, format::kSingleLine | format::kBottom), 40);
}

TEST_F(TextDraw, ClipsToTheRectangleUnlessNoClip) {
  const std::string text = sjis("ＭＱＯファイル");
  Canvas clipped(kW, kH), free(kW, kH);
  drawBlack(*font, clipped, text, {10, 5, 22, 12}, 0);
  drawBlack(*font, free, text, {10, 5, 22, 12}, format::kNoClip);
  const Rect ink = clipped.ink();
  EXPECT_GE(ink.left, 10);
  EXPECT_LE(ink.right, 22);
  EXPECT_GE(ink.top, 5);
  EXPECT_LE(ink.bottom, 12);
  EXPECT_GT(free.ink().right, 22);
  EXPECT_GT(free.ink().bottom, 12);
}

TEST_F(TextDraw, StaysInsideTheSurfaceClipAndOrigin) {
  const std::string text = sjis("処理中です");
  Canvas shifted(kW, kH), offset(kW, kH);
  drawBlack(*font, shifted, text, {15, 13, kW, kH}, 0);
  Surface s = offset.surface();
  s.originX = 5;
  s.originY = 3;
  Rect rect{10, 10, kW - 5, kH - 3};
  drawText(*font, text, rect, 0, DrawOptions{}, &s);
  EXPECT_EQ(offset.pixels(), shifted.pixels());

  Canvas cut(kW, kH);
  s = cut.surface();
  s.clip = {20, 0, 30, kH};
  Rect whole{15, 13, kW, kH};
  drawText(*font, text, whole, 0, DrawOptions{}, &s);
  EXPECT_GE(cut.ink().left, 20);
  EXPECT_LE(cut.ink().right, 30);
  EXPECT_FALSE(cut.blank());
}

TEST_F(TextDraw, ColourFollowsTheCoverageAndAlphaIsKept) {
  const std::string text = sjis("「cube.mqo」を処理中です。");
  Canvas black(kW, kH, 77), coloured(kW, kH, 77);
  drawBlack(*font, black, text, {2, 2, kW, kH}, 0);
  Surface s = coloured.surface();
  Rect rect{2, 2, kW, kH};
  const Rgb colour{200, 100, 50};
  drawText(*font, text, rect, 0, DrawOptions{colour, std::nullopt}, &s);
  int inked = 0;
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      const std::uint8_t* b = black.at(x, y);
      const std::uint8_t* c = coloured.at(x, y);
      // Black text on white: every channel holds 255 - coverage, so the
      // framework's luminance reading gives the coverage back exactly.
      ASSERT_TRUE(b[0] == b[1] && b[1] == b[2]);
      const int k = black.coverage(x, y);
      ASSERT_EQ(k, 255 - b[2]);
      EXPECT_EQ(c[2], (255 * (255 - k) + colour.red * k + 127) / 255);
      EXPECT_EQ(c[1], (255 * (255 - k) + colour.green * k + 127) / 255);
      EXPECT_EQ(c[0], (255 * (255 - k) + colour.blue * k + 127) / 255);
      EXPECT_EQ(b[3], 77);
      EXPECT_EQ(c[3], 77);
      inked += k > 0;
    }
  EXPECT_GT(inked, 100);
}

TEST_F(TextDraw, OpaqueBackgroundFillsTheTextCell) {
  Canvas canvas(kW, kH);
  Surface s = canvas.surface();
  Rect rect{4, 6, kW, kH};
  const Rgb grey{128, 128, 128};
  drawText(*font, "ab", rect, 0, DrawOptions{Rgb{}, grey}, &s);
  const Rect ink = canvas.ink();
  EXPECT_EQ(ink.left, 4);
  EXPECT_EQ(ink.top, 6);
  EXPECT_EQ(ink.right, 4 + width("ab"));
  EXPECT_EQ(ink.bottom, 6 + lh);
}

TEST_F(TextDraw, UnderlinedFontDrawsALineUnderTheText) {
  FontRequest request;
  request.height = 12;
  request.weight = 500;
  request.underline = true;
  request.charset = 128;
  request.faceName = sjis("ＭＳ Ｐゴシック");
  const FontRef underlined = createFont(request);
  Canvas canvas(kW, kH);
  drawBlack(*underlined, canvas, "a b", {0, 0, kW, kH}, 0);
  // Some row below the baseline is solid across the whole text, space included.
  int solidRows = 0;
  for (int y = fontMetrics(*underlined).ascent; y < lh; ++y) {
    bool solid = true;
    for (int x = 0; x < width("a b"); ++x) solid = solid && canvas.coverage(x, y) == 255;
    solidRows += solid;
  }
  EXPECT_GE(solidRows, 1);
  EXPECT_EQ(canvas.ink().right, width("a b"));
}

}  // namespace
