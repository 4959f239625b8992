#include <gtest/gtest.h>

#include <random>

#include "platform/runtime/PathSplit.h"
#include "platform/runtime/TextCodec.h"

namespace {

using nvrt::cp932NameToUtf8;
using nvrt::cp932ToUtf8Display;
using nvrt::utf8ToCp932Name;

TEST(TextCodec, KnownCodePage932Bytes) {
  EXPECT_EQ(utf8ToCp932Name("正しく終了しました。"),
            "\x90\xb3\x82\xb5\x82\xad\x8f\x49\x97\xb9\x82\xb5\x82\xdc\x82\xb5\x82\xbd\x81\x42");
  // Microsoft's table, not plain Shift-JIS: the wave dash of Windows is U+FF5E.
  EXPECT_EQ(utf8ToCp932Name("～"), "\x81\x60");
  EXPECT_EQ(cp932ToUtf8Display("\x81\x60"), "～");
  EXPECT_EQ(utf8ToCp932Name("ｱ"), "\xb1");  // half-width katakana is one byte
  EXPECT_EQ(utf8ToCp932Name("表"), "\x95\x5c");
}

struct RoundTripCase {
  const char* label;
  std::string utf8;
  bool representable;  // converts to plain code page 932, without escapes
  friend void PrintTo(const RoundTripCase& c, std::ostream* os) { *os << c.label; }
};

const RoundTripCase kNames[] = {
    {"ascii", "/home/user/cube.mqo", true},
    {"japanese", "/データ/表示モデル.mqo", true},
    {"emoji", "/tmp/😀モデル.mqo", false},
    {"hangul", "/tmp/한국어.mqo", false},
    {"accented latin", "/tmp/café.mqo", false},
    {"user-defined area", "/tmp/\xee\x80\x80.mqo", false},  // U+E000 itself
    {"backslash in a name", "/tmp/a\\b.mqo", false},
    {"invalid utf-8", std::string("/tmp/\xff\xfe\x80x.mqo"), false},
    {"overlong utf-8", std::string("/tmp/\xc0\xaf.mqo"), false},
    {"encoded surrogate", std::string("/tmp/\xed\xa0\x80.mqo"), false},
    {"truncated sequence", std::string("/tmp/\xe3\x81"), false},
};

class NameRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(NameRoundTrip, RestoresTheExactName) {
  const RoundTripCase& c = GetParam();
  const std::string cp932 = utf8ToCp932Name(c.utf8);
  EXPECT_EQ(cp932NameToUtf8(cp932), c.utf8);
  // The escapes never hold a separator or a dot, so the path splits as the
  // original does: the directory and the extension come back unchanged.
  const nvrt::SplitPath parts = nvrt::splitPath(cp932);
  EXPECT_EQ(cp932NameToUtf8(parts.directory).back(), '/');
  if (c.utf8.size() > 4 && c.utf8.substr(c.utf8.size() - 4) == ".mqo") {
    EXPECT_EQ(parts.extension, ".mqo");
  }
  bool hasEscape = false;
  for (unsigned char b : cp932) hasEscape |= b >= 0xF0 && b <= 0xF9;
  EXPECT_EQ(hasEscape, !c.representable);
}

INSTANTIATE_TEST_SUITE_P(Table, NameRoundTrip, ::testing::ValuesIn(kNames), [](const auto& info) {
  std::string n = info.param.label;
  for (char& ch : n) {
    if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
  }
  return n;
});

TEST(TextCodec, RandomBytesRoundTrip) {
  std::mt19937 random(7);
  for (int i = 0; i < 2000; ++i) {
    std::string bytes(random() % 24, '\0');
    for (char& b : bytes) b = static_cast<char>(random() % 256);
    ASSERT_EQ(cp932NameToUtf8(utf8ToCp932Name(bytes)), bytes) << "iteration " << i;
  }
}

TEST(TextCodec, DisplayShowsEscapedCharactersAndMarksRawBytes) {
  EXPECT_EQ(cp932ToUtf8Display(utf8ToCp932Name("😀.mqo")), "😀.mqo");
  EXPECT_EQ(cp932ToUtf8Display(utf8ToCp932Name("\xff.mqo")), "\xef\xbf\xbd.mqo");
  // Bytes that code page 932 rejects are marked, never dropped.
  EXPECT_EQ(cp932ToUtf8Display("a\x80"
                               "b\xa0"
                               "c\xfd"),
            "a\xef\xbf\xbd"
            "b\xef\xbf\xbd"
            "c\xef\xbf\xbd");
  EXPECT_EQ(cp932ToUtf8Display("\x82"), "\xef\xbf\xbd");  // lead byte at the end
}

TEST(TextCodec, WideNamesRoundTrip) {
  const std::u16string names[] = {u"C:\\データ\\a.mqo", u"C:\\x\\😀.mqo", u"C:\\한\\b.mqo",
                                  std::u16string(u"C:\\") + char16_t(0xD800) + u".mqo"};
  for (const std::u16string& name : names) {
    const std::string cp932 = nvrt::wideToCp932Name(name);
    EXPECT_EQ(nvrt::cp932NameToWide(cp932), name);
    EXPECT_EQ(nvrt::splitPath(cp932).directory.back(), '\\');  // a separator on Windows
  }
}

}  // namespace
