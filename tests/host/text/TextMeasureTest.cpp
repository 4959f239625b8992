#include <gtest/gtest.h>

#include <string>

#include "tests/host/text/TextTestFonts.h"

using namespace nvhost::text;

namespace {

int width(const Font& font, const std::string& cp932) { return measureText(font, cp932).cx; }

TEST(TextMeasure, PromptWidthMatchesWindowsLayout) {
  const FontRef font = hosttext::defaultFont();
  ASSERT_TRUE(font);
  const Size size = measureTabbedText(*font, sjis("MQOファイルをここにD&Dしてください。"));
  EXPECT_EQ(size.cx, 186);
  EXPECT_EQ(size.cy, 12);
}

TEST(TextMeasure, JapaneseFaceNamesResolveToIpaFonts) {
  const struct {
    const char* face;
    const char* family;
  } cases[] = {{"ＭＳ Ｐゴシック", "IPAPGothic"}, {"ＭＳ ゴシック", "IPAGothic"}, {"メイリオ", "IPAexGothic"}};
  for (const auto& c : cases) {
    const FontRef font = hosttext::frameworkFont(c.face, 12);
    ASSERT_TRUE(font) << c.face;
    EXPECT_EQ(resolvedFamily(*font), c.family);
  }
}

TEST(TextMeasure, EmptyOrOverlongFaceNamesStillGiveAFont) {
  const std::string longName(300, 'x');
  for (const std::string& name : {std::string(), longName, std::string("\x80\xFD\x82")}) {
    FontRequest request;
    request.height = 12;
    request.charset = 128;
    request.faceName = name;
    const FontRef font = createFont(request);
    ASSERT_TRUE(font);
    EXPECT_FALSE(resolvedFamily(*font).empty());
    EXPECT_GT(measureText(*font, sjis("あ")).cx, 0);
  }
}

TEST(TextMeasure, CellHeightIsTheRequestedHeight) {
  for (const char* face : {"ＭＳ Ｐゴシック", "ＭＳ ゴシック", "メイリオ"})
    for (int height = 8; height <= 40; ++height) {
      const FontRef font = hosttext::frameworkFont(face, height);
      ASSERT_TRUE(font);
      EXPECT_EQ(measureTabbedText(*font, "x").cy, height) << face;
      EXPECT_EQ(lineHeight(*font), height);
      EXPECT_EQ(fontMetrics(*font).ascent + fontMetrics(*font).descent, height);
    }
}

TEST(TextMeasure, ExtentIsTheSumOfEachCharactersAdvance) {
  const FontRef font = hosttext::defaultFont();
  const std::string strings[] = {sjis("「cube.mqo」を処理中です。"), "ab\ncd", "AVAWAY To.", sjis("ｱｲｳ ABC ～－")};
  for (const std::string& s : strings) {
    int sum = 0;
    for (size_t i = 0; i < s.size();) {
      const unsigned char lead = static_cast<unsigned char>(s[i]);
      const size_t n = (lead >= 0x81 && lead <= 0x9F) || lead >= 0xE0 ? 2 : 1;
      sum += width(*font, s.substr(i, n));
      i += n;
    }
    EXPECT_EQ(width(*font, s), sum) << s;
  }
}

TEST(TextMeasure, LineFeedsMeasureAsCharactersOnOneLine) {
  const FontRef font = hosttext::defaultFont();
  const Size two = measureTabbedText(*font, "ab\ncd");
  EXPECT_EQ(two.cx, width(*font, "ab") + width(*font, "\n") + width(*font, "cd"));
  EXPECT_GT(two.cx, width(*font, "abcd"));
  EXPECT_EQ(two.cy, lineHeight(*font));
}

TEST(TextMeasure, TabsAdvanceToEightAverageWidths) {
  const FontRef font = hosttext::defaultFont();
  const int stop = 8 * fontMetrics(*font).averageCharWidth;
  ASSERT_GT(stop, 0);
  EXPECT_EQ(measureTabbedText(*font, "a\tb").cx, stop + width(*font, "b"));
  EXPECT_EQ(measureTabbedText(*font, "\t\t").cx, 2 * stop);
  EXPECT_EQ(measureText(*font, "a\tb").cx, width(*font, "a") + width(*font, "\t") + width(*font, "b"));
}

TEST(TextMeasure, SyntheticBoldAddsAPixelPerCharacter) {
  const std::string text = sjis("Brisel ファイル");
  const FontRef regular = hosttext::frameworkFont("ＭＳ Ｐゴシック", 14);
  const FontRef bold = hosttext::frameworkFont("ＭＳ Ｐゴシック", 14, true);
  EXPECT_EQ(width(*bold, text), width(*regular, text) + 11);
}

TEST(TextMeasure, EveryRejectedByteMeasuresAsOneMark) {
  const FontRef font = hosttext::defaultFont();
  const int mark = width(*font, "\x80");
  EXPECT_GT(mark, 0);
  EXPECT_EQ(width(*font, "\xA0"), mark);
  EXPECT_EQ(width(*font, "\x80\xA0\xFD"), 3 * mark);
  EXPECT_EQ(width(*font, "a\x82"), width(*font, "a") + mark);
}

TEST(TextMeasure, EmptyTextIsOneLineHigh) {
  const FontRef font = hosttext::defaultFont();
  EXPECT_EQ(measureTabbedText(*font, "").cx, 0);
  EXPECT_EQ(measureTabbedText(*font, "").cy, lineHeight(*font));
}

}  // namespace
