#include <gtest/gtest.h>

#include "tests/hosttext/TextTestFonts.h"

using namespace nvhost::text;
using hosttext::sjis;

namespace {

TEST(TextMeasure, PromptWidthMatchesWindowsLayout) {
  const FontRef font = hosttext::defaultFont();
  ASSERT_TRUE(font);
  const Size size = measureTabbedText(*font, sjis("MQOファイルをここにD&Dしてください。"));
  EXPECT_EQ(size.cx, 186);
  EXPECT_EQ(size.cy, 12);
}

}  // namespace
