#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/host/text/TextLayout.h"

using namespace nvhost::text;

namespace {

struct PrefixCase {
  std::u32string input;
  std::u32string shown;
  std::vector<bool> underlined;
};

TEST(TextLayout, PrefixesMarkMnemonics) {
  const PrefixCase cases[] = {
      {U"D&D", U"DD", {false, true}},
      {U"D&&D", U"D&D", {false, false, false}},
      {U"&File", U"File", {true, false, false, false}},
      {U"end&", U"end", {false, false, false}},
      {U"a&\nb", U"a\nb", {false, false, false}},
      {U"&&&x", U"&x", {false, true}},
      {U"", U"", {}},
  };
  for (const PrefixCase& c : cases) {
    const PrefixedText out = applyPrefixes(c.input);
    EXPECT_EQ(out.text, c.shown);
    EXPECT_EQ(out.underlined, c.underlined);
  }
}

// Every character 10 pixels wide, tabs 40.
struct Fixed {
  std::vector<int> advances;
  PenRules pen;
  explicit Fixed(const std::u32string& text) : advances(text.size(), 10), pen{&advances, 40, true} {}
};

struct Line {
  size_t begin, end;
  int width;
  bool operator==(const LineSpan& s) const { return begin == s.begin && end == s.end && width == s.width; }
};

struct BreakCase {
  const char* name;
  std::u32string text;
  BreakRules rules;
  std::vector<Line> lines;
};

TEST(TextLayout, LinesBreakLikeDrawText) {
  const BreakCase cases[] = {
      {"line feed", U"ab\ncd", {}, {{0, 2, 20}, {3, 5, 20}}},
      {"CR LF is one break", U"ab\r\ncd", {}, {{0, 2, 20}, {4, 6, 20}}},
      {"lone CR", U"ab\rcd", {}, {{0, 2, 20}, {3, 5, 20}}},
      {"LF CR is two breaks", U"a\n\rb", {}, {{0, 1, 10}, {2, 2, 0}, {3, 4, 10}}},
      {"trailing break opens no line", U"ab\n", {}, {{0, 2, 20}}},
      {"empty lines count", U"\n\nx", {}, {{0, 0, 0}, {1, 1, 0}, {2, 3, 10}}},
      {"single line keeps breaks", U"ab\ncd", {true, false, 0}, {{0, 5, 50}}},
      {"no wrap without word break", U"aaaa bbbb", {false, false, 30}, {{0, 9, 90}}},
      {"break at the space", U"aaa bbb", {false, true, 50}, {{0, 3, 30}, {4, 7, 30}}},
      {"spaces at a break dropped", U"aa   bb", {false, true, 40}, {{0, 2, 20}, {5, 7, 20}}},
      {"space may hang past the edge", U"aaa bb", {false, true, 30}, {{0, 3, 30}, {4, 6, 20}}},
      {"long word breaks by character", U"abcdef", {false, true, 25}, {{0, 2, 20}, {2, 4, 20}, {4, 6, 20}}},
      {"one character per line at least", U"ab", {false, true, 5}, {{0, 1, 10}, {1, 2, 10}}},
      {"Japanese breaks anywhere", U"あいうえお", {false, true, 30}, {{0, 3, 30}, {3, 5, 20}}},
      {"no line starts with 。", U"あいう。", {false, true, 30}, {{0, 2, 20}, {2, 4, 20}}},
      {"no line ends with 「", U"あ「い」う", {false, true, 20}, {{0, 1, 10}, {1, 3, 20}, {3, 5, 20}}},
      {"voiced sound marks stay with their kana", U"ﾉﾉﾞ", {false, true, 20}, {{0, 1, 10}, {1, 3, 20}}},
      {"iteration marks stay with their kana", U"あいゞ", {false, true, 20}, {{0, 1, 10}, {1, 3, 20}}},
      {"tabs jump to stops", U"a\tb", {}, {{0, 3, 50}}},
      {"wrapped text keeps its line feeds", U"aa bb\ncc", {false, true, 30}, {{0, 2, 20}, {3, 5, 20}, {6, 8, 20}}},
  };
  for (const BreakCase& c : cases) {
    SCOPED_TRACE(c.name);
    Fixed fixed(c.text);
    const std::vector<LineSpan> lines = breakLines(c.text, fixed.pen, c.rules);
    ASSERT_EQ(lines.size(), c.lines.size());
    for (size_t i = 0; i < lines.size(); ++i)
      EXPECT_TRUE(c.lines[i] == lines[i])
          << "line " << i << ": " << lines[i].begin << ".." << lines[i].end << " width " << lines[i].width;
  }
}

}  // namespace
