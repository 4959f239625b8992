// DrawText's layout rules on decoded text, independent of fonts: mnemonic
// prefixes, line feeds, tab stops and word breaking. Advances come from the
// caller, one per code point.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace nvhost::text {

struct PrefixedText {
  std::u32string text;
  std::vector<bool> underlined;  // one per code point of text
};

// Without DT_NOPREFIX, "&" marks the next character as the underlined
// mnemonic and is not drawn; "&&" draws one "&". A "&" before a line break or
// at the end has nothing to mark and is dropped.
PrefixedText applyPrefixes(std::u32string_view text);

// How the pen moves: a tab jumps to the next multiple of tabWidth when tabs
// are expanded, every other code point by its advance.
struct PenRules {
  const std::vector<int>* advances = nullptr;
  int tabWidth = 0;
  bool expandTabs = false;

  int next(int x, std::u32string_view text, size_t index) const;
};

struct LineSpan {
  size_t begin = 0;
  size_t end = 0;  // exclusive; line breaks and break spaces are outside
  int width = 0;
};

struct BreakRules {
  bool singleLine = false;  // line feeds and returns are ordinary characters
  bool wordBreak = false;
  int maxWidth = 0;  // for wordBreak: the rectangle's width
};

// Splits text into lines: "\r\n", "\n" and "\r" end a line (a break at the
// very end opens no further line); with wordBreak a line that would pass
// maxWidth is broken after its last space or between characters where
// Japanese text may break, or, failing both, before the overflowing
// character (a line keeps at least one character). Spaces at a break are
// dropped.
std::vector<LineSpan> breakLines(std::u32string_view text, const PenRules& pen, const BreakRules& rules);

}  // namespace nvhost::text
