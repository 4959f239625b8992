// The twelve theme colours, exactly, and the transparent black for any other
// name.
#include <gtest/gtest.h>

#include "framework/widgets/NVTheme.h"

namespace {

struct ThemeRow {
  const char* name;
  unsigned r, g, b, a;
};

const ThemeRow kRows[] = {
    {"background", 247, 250, 255, 255}, {"base0", 110, 117, 118, 255},   {"base1", 215, 221, 225, 255},
    {"base2", 248, 255, 255, 255},      {"main0", 46, 130, 85, 255},     {"main1", 181, 224, 193, 255},
    {"main2", 255, 255, 236, 255},      {"accent0", 170, 140, 100, 255}, {"accent1", 255, 222, 115, 255},
    {"accent2", 255, 255, 231, 255},    {"text", 5, 10, 5, 255},         {"title", 40, 80, 58, 255},
};

TEST(Theme, EveryColourLaidOutLikeAPixel) {
  for (const ThemeRow& row : kRows) {
    const std::uint32_t c = getThemeColor(row.name);
    EXPECT_EQ(c & 0xFF, row.b) << row.name;
    EXPECT_EQ((c >> 8) & 0xFF, row.g) << row.name;
    EXPECT_EQ((c >> 16) & 0xFF, row.r) << row.name;
    EXPECT_EQ(c >> 24, row.a) << row.name;
  }
}

TEST(Theme, OtherNamesGiveTransparentBlack) {
  for (const char* name : {"", "Base0", "main", "main3", "background ", "texts", "TITLE"})
    EXPECT_EQ(getThemeColor(name), 0u) << '"' << name << '"';
  EXPECT_EQ(getThemeColor(NVString("base0\0x", 7)), 0u);
}

}  // namespace
