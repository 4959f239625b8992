#include "platform/host/text/TextLayout.h"

namespace nvhost::text {

namespace {

constexpr size_t kNone = static_cast<size_t>(-1);

bool isLineBreak(char32_t c) { return c == U'\r' || c == U'\n'; }

// Characters of scripts written without spaces, where a line may break
// between any two of them.
bool isWide(char32_t c) { return c >= 0x1100; }

// Japanese line-breaking rules: these never start a line…
bool noBreakBefore(char32_t c) {
  static constexpr std::u32string_view kSet =
      U"、。，．・：；？！ー」』）］｝】〕〉》’”ぁぃぅぇぉっゃゅょァィゥェォッャュョ々ゝゞヽヾ…‥,.!?)]}"
      U"｡｣､･ｰﾞﾟｧｨｩｪｫｯｬｭｮ";
  return kSet.find(c) != std::u32string_view::npos;
}

// …and these never end one.
bool noBreakAfter(char32_t c) {
  static constexpr std::u32string_view kSet = U"「『（［｛【〔〈《‘“([{｢";
  return kSet.find(c) != std::u32string_view::npos;
}

bool canBreakBetween(char32_t before, char32_t after) {
  if (!isWide(before) && !isWide(after)) return false;
  return !noBreakBefore(after) && !noBreakAfter(before);
}

size_t skipSpaces(std::u32string_view text, size_t i) {
  while (i < text.size() && text[i] == U' ') ++i;
  return i;
}

int spanWidth(std::u32string_view text, const PenRules& pen, size_t begin, size_t end) {
  int x = 0;
  for (size_t i = begin; i < end; ++i) x = pen.next(x, text, i);
  return x;
}

}  // namespace

PrefixedText applyPrefixes(std::u32string_view text) {
  PrefixedText out;
  out.text.reserve(text.size());
  out.underlined.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != U'&') {
      out.text.push_back(text[i]);
      out.underlined.push_back(false);
      continue;
    }
    if (i + 1 >= text.size() || isLineBreak(text[i + 1])) continue;
    ++i;
    out.text.push_back(text[i]);
    out.underlined.push_back(text[i] != U'&');
  }
  return out;
}

int PenRules::next(int x, std::u32string_view text, size_t index) const {
  if (expandTabs && text[index] == U'\t') return tabWidth > 0 ? (x / tabWidth + 1) * tabWidth : x;
  return x + (*advances)[index];
}

std::vector<LineSpan> breakLines(std::u32string_view text, const PenRules& pen, const BreakRules& rules) {
  std::vector<LineSpan> lines;
  size_t i = 0;
  while (i < text.size()) {
    const size_t start = i;
    size_t lineEnd = kNone, resume = kNone;  // the last place the line may break
    int x = 0;
    size_t j = start;
    for (; j < text.size(); ++j) {
      const char32_t c = text[j];
      if (!rules.singleLine && isLineBreak(c)) break;
      const int nx = pen.next(x, text, j);
      if (rules.wordBreak && c != U' ' && nx > rules.maxWidth && j > start) {
        if (canBreakBetween(text[j - 1], c) || lineEnd == kNone) lineEnd = resume = j;
        break;
      }
      if (c == U' ')
        lineEnd = j, resume = j + 1;
      else if (j > start && canBreakBetween(text[j - 1], c))
        lineEnd = resume = j;
      x = nx;
    }
    if (j < text.size() && !rules.singleLine && isLineBreak(text[j])) {
      lines.push_back({start, j, x});
      i = j + ((text[j] == U'\r' && j + 1 < text.size() && text[j + 1] == U'\n') ? 2 : 1);
    } else if (j < text.size()) {
      while (lineEnd > start && text[lineEnd - 1] == U' ') --lineEnd;
      lines.push_back({start, lineEnd, spanWidth(text, pen, start, lineEnd)});
      i = skipSpaces(text, resume);
    } else {
      lines.push_back({start, j, x});
      i = j;
    }
  }
  return lines;
}

}  // namespace nvhost::text
