// The GDI text calls on the host's text engine: extents, getTextSize,
// DrawTextExA into bitmaps and windows, prefixes and rejected bytes.
#include <gtest/gtest.h>

#include "framework/core/NVPathOps.h"
#include "tests/host/gdi/WindowFixture.h"

namespace hostgdi {
namespace {

// The framework's text font: cell height, weight 500, Shift-JIS, proof
// quality, fixed pitch modern family.
HFONT frameworkFont(int height, const char* faceUtf8 = "ＭＳ Ｐゴシック") {
  return CreateFontA(height, 0, 0, 0, 500, 0, 0, 0, SHIFTJIS_CHARSET, OUT_OUTLINE_PRECIS, 0, PROOF_QUALITY, 49,
                     sjis(faceUtf8).c_str());
}

class TextCalls : public ::testing::Test {
 protected:
  void SetUp() override {
    font_ = frameworkFont(12);
    ASSERT_NE(font_, nullptr);
    dc_ = CreateCompatibleDC(nullptr);
    previous_ = SelectObject(dc_, font_);
  }
  void TearDown() override {
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
    DeleteObject(font_);
  }
  SIZE extent(const std::string& text) {
    SIZE size{};
    EXPECT_TRUE(GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size));
    return size;
  }
  HFONT font_ = nullptr;
  HDC dc_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

TEST_F(TextCalls, PromptMeasuresAsOnWindows) {
  const std::string prompt = sjis("MQOファイルをここにD&Dしてください。");
  const SIZE size = extent(prompt);
  EXPECT_EQ(size.cx, 186);
  EXPECT_EQ(size.cy, 12);
  const DWORD tabbed = GetTabbedTextExtentA(dc_, prompt.data(), static_cast<int>(prompt.size()), 0, nullptr);
  EXPECT_EQ(LOWORD(tabbed), 186);
  EXPECT_EQ(HIWORD(tabbed), 12);
  TEXTMETRICA metrics{};
  ASSERT_TRUE(GetTextMetricsA(dc_, &metrics));
  EXPECT_EQ(metrics.tmHeight, 12);
  EXPECT_EQ(metrics.tmAscent + metrics.tmDescent, 12);
}

TEST_F(TextCalls, ExtentsRejectBadArguments) {
  SIZE size{};
  EXPECT_FALSE(GetTextExtentPoint32A(dc_, "ab", -1, &size));
  EXPECT_FALSE(GetTextExtentPoint32A(dc_, "ab", 2, nullptr));
  EXPECT_FALSE(GetTextExtentPoint32A(reinterpret_cast<HDC>(0x7772), "ab", 2, &size));
  EXPECT_EQ(GetTabbedTextExtentA(reinterpret_cast<HDC>(0x7772), "ab", 2, 0, nullptr), 0u);
  EXPECT_TRUE(GetTextExtentPoint32A(dc_, nullptr, 0, &size));
  EXPECT_EQ(size.cx, 0);
}

TEST_F(TextCalls, GetTextSizeIsOneLineWideAndALineHighPerLineFeed) {
  struct Case {
    const char* text;
    int lines;
  };
  for (const Case c : {Case{"ab\ncd", 2}, Case{"abcd", 1}, Case{"\n\n", 3}, Case{"", 1}}) {
    const SIZE size = getTextSize(NVString(c.text), font_);
    EXPECT_EQ(size.cx, extent(c.text).cx) << c.text;
    EXPECT_EQ(size.cy, 12 * c.lines) << c.text;
  }
  EXPECT_GT(getTextSize(NVString("ab\ncd"), font_).cx, extent("abcd").cx) << "the line feed is measured as a glyph";
}

TEST_F(TextCalls, NoPrefixKeepsTheAmpersand) {
  struct Case {
    UINT flags;
    const char* measuredAs;
  };
  for (const Case c : {Case{DT_NOPREFIX, "D&D"}, Case{0, "DD"}}) {
    RECT rect{0, 0, 200, 40};
    char text[] = "D&D";
    EXPECT_EQ(DrawTextExA(dc_, text, -1, &rect, c.flags | DT_CALCRECT, nullptr), 12);
    EXPECT_EQ(rect.right, extent(c.measuredAs).cx) << c.flags;
  }
}

// Draws black text the way the framework's text styles do: a white scratch
// bitmap, transparent background.
void drawScratch(MemoryBitmap& scratch, HFONT font, const std::string& text, RECT rect, UINT format) {
  HGDIOBJ previousFont = SelectObject(scratch.dc(), font);
  SetBkMode(scratch.dc(), TRANSPARENT);
  SetTextColor(scratch.dc(), RGB(0, 0, 0));
  std::string bytes = text;
  DrawTextExA(scratch.dc(), bytes.data(), -1, &rect, format | DT_NOPREFIX, nullptr);
  SelectObject(scratch.dc(), previousFont);
}

int inkedPixels(const MemoryBitmap& b, std::uint32_t background) {
  int count = 0;
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x) count += (b.at(x, y) & 0xFFFFFF) != (background & 0xFFFFFF);
  return count;
}

TEST_F(TextCalls, RejectedBytesDrawTheReplacementMark) {
  MemoryBitmap reference(40, 20, 0xFFFFFFFFu);
  drawScratch(reference, font_, "\x80", {2, 2, 40, 20}, 0);
  ASSERT_GT(inkedPixels(reference, 0xFFFFFFFFu), 0);
  for (const char* bytes : {"\xA0", "\xFD", "\xFE", "\xFF", "\x82"}) {
    MemoryBitmap drawn(40, 20, 0xFFFFFFFFu);
    drawScratch(drawn, font_, bytes, {2, 2, 40, 20}, 0);
    EXPECT_EQ(drawn.copy(), reference.copy()) << "byte " << int(static_cast<unsigned char>(bytes[0]));
  }
}

TEST_F(TextCalls, DrawingKeepsAlphaAndUsesTheTextColour) {
  MemoryBitmap scratch(60, 20, 0x00FFFFFFu);
  HGDIOBJ previousFont = SelectObject(scratch.dc(), font_);
  SetBkMode(scratch.dc(), TRANSPARENT);
  SetTextColor(scratch.dc(), RGB(255, 0, 0));
  RECT rect{0, 0, 60, 20};
  char text[] = "MQO";
  EXPECT_EQ(DrawTextExA(scratch.dc(), text, -1, &rect, DT_NOPREFIX, nullptr), 12);
  SelectObject(scratch.dc(), previousFont);
  int red = 0;
  int opaque = 0;
  for (int i = 0; i < scratch.width() * scratch.height(); ++i) {
    const std::uint32_t word = scratch.pixels()[i];
    opaque += (word >> 24) != 0;
    red += (word & 0xFFFFFF) == 0xFF0000;
  }
  EXPECT_EQ(opaque, 0);
  EXPECT_GT(red, 0);
}

TEST_F(TextCalls, OpaqueModeFillsTheTextBackgroundWithTheBackgroundColour) {
  MemoryBitmap scratch(60, 20, 0xFFFFFFFFu);
  HGDIOBJ previousFont = SelectObject(scratch.dc(), font_);
  SetBkMode(scratch.dc(), OPAQUE);
  SetBkColor(scratch.dc(), RGB(0, 0, 255));
  RECT rect{0, 0, 60, 20};
  char text[] = "ab";
  DrawTextExA(scratch.dc(), text, -1, &rect, DT_NOPREFIX, nullptr);
  SelectObject(scratch.dc(), previousFont);
  EXPECT_EQ(scratch.at(0, 0) & 0xFFFFFF, 0x0000FFu);
  EXPECT_EQ(scratch.at(59, 19) & 0xFFFFFF, 0xFFFFFFu) << "only the text's own cells";
}

TEST_F(TextCalls, FontDeletedWhileSelectedStillMeasuresUntilDeselected) {
  HFONT doomed = frameworkFont(24);
  HGDIOBJ previous = SelectObject(dc_, doomed);
  EXPECT_TRUE(DeleteObject(doomed));
  EXPECT_EQ(extent("ab").cy, 24);
  SelectObject(dc_, previous);
  EXPECT_EQ(extent("ab").cy, 12);
}

// Reference pictures of the framework's text recipe. Glyph pixels depend on
// the FreeType version; with the version the references were made with they
// must match exactly, otherwise within a hinting difference.
struct Scene {
  const char* picture;
  int height;
  const char* textUtf8;
  RECT rect;
  UINT format;
};

const Scene kScenes[] = {
    {"text_prompt", 12, "MQOファイルをここにD&Dしてください。", {4, 4, 236, 28}, 0},
    {"text_lines", 12, "「cube.mqo」を処理中です。\nUVを削除しました。\n", {2, 2, 238, 58}, 0},
    {"text_centre_single", 16, "Brisel ばんざい", {0, 0, 240, 30}, DT_CENTER | DT_SINGLELINE | DT_VCENTER},
    {"text_right", 12, "何は無くとも地球は廻る。", {0, 2, 238, 30}, DT_RIGHT},
    {"text_wordbreak",
     12,
     "Nolva ばんざい 我唯一唯我。何は無くとも地球は廻る。",
     {10, 2, 110, 58},
     DT_WORDBREAK | DT_CENTER},
};

TEST(TextPictures, DrawTextExAMatchesTheReferences) {
  const bool pinned = nvhost::text::rasterizerVersion() == "FreeType 2.13.2";
  for (const Scene& s : kScenes) {
    HFONT font = frameworkFont(s.height);
    MemoryBitmap scratch(240, 60, 0xFFFFFFFFu);
    drawScratch(scratch, font, sjis(s.textUtf8), s.rect, s.format);
    expectPicture(s.picture, scratch.image(), pinned ? 0 : 96);
    DeleteObject(font);
  }
}

class WindowText : public WindowFixture {};

TEST_F(WindowText, TextInAWindowStaysOutOfAHigherSibling) {
  HWND top = make(colourClass("gdi.white", RGB(255, 255, 255)), nullptr, {0, 0, 200, 60});
  HWND cover = make(colourClass("gdi.grey", RGB(128, 128, 128)), top, {60, 0, 100, 60}, WS_CLIPSIBLINGS);
  HWND label = make(colourClass("gdi.white", RGB(255, 255, 255)), top, {0, 0, 200, 60}, WS_CLIPSIBLINGS);
  pump();
  HFONT font = frameworkFont(16);
  HDC dc = GetDC(label);
  HGDIOBJ previous = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  RECT rect{0, 0, 200, 60};
  char text[] = "MMMMMMMMMMMMMMMMMMMM";
  EXPECT_GT(DrawTextExA(dc, text, -1, &rect, DT_NOPREFIX, nullptr), 0);
  SelectObject(dc, previous);
  ReleaseDC(label, dc);
  DeleteObject(font);
  const auto image = windowImage(top);
  int inkLeft = 0;
  for (int y = 0; y < 60; ++y) {
    for (int x = 0; x < 60; ++x) inkLeft += pixel(image, x, y) != shown(RGB(255, 255, 255));
    for (int x = 60; x < 100; ++x) ASSERT_EQ(pixel(image, x, y), shown(RGB(128, 128, 128))) << x << "," << y;
  }
  EXPECT_GT(inkLeft, 0);
  (void)cover;
}

}  // namespace
}  // namespace hostgdi
