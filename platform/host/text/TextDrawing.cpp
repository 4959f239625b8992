// [x] line feeds (LF, CR, CR LF), DT_SINGLELINE, DT_WORDBREAK with Japanese
//     line-breaking rules, DT_EXPANDTABS
// [x] DT_LEFT, DT_CENTER, DT_RIGHT; DT_VCENTER and DT_BOTTOM on single lines
// [x] clipping to the rectangle unless DT_NOCLIP; DT_CALCRECT
// [x] "&" mnemonics unless DT_NOPREFIX; underlined and struck-out fonts
// [x] transparent and opaque background
// [ ] DT_END_ELLIPSIS, DT_PATH_ELLIPSIS, DT_EDITCONTROL, DT_TABSTOP and tab
//     lengths from DRAWTEXTPARAMS
#include <algorithm>

#include "platform/host/text/Font.h"
#include "platform/host/text/FontLibrary.h"
#include "platform/host/text/GlyphBlending.h"
#include "platform/host/text/TextDecoding.h"
#include "platform/host/text/TextEngine.h"
#include "platform/host/text/TextLayout.h"

namespace nvhost::text {

namespace {

struct Laidout {
  PrefixedText text;
  std::vector<GlyphRef> glyphs;
  std::vector<int> advances;
  PenRules pen;
  std::vector<LineSpan> lines;
};

void layOut(const Font& font, std::string_view cp932, const Rect& rect, unsigned flags, Laidout& out) {
  std::u32string decoded = decodeCp932(cp932);
  if (flags & format::kNoPrefix)
    out.text = PrefixedText{std::move(decoded), {}};
  else
    out.text = applyPrefixes(decoded);
  FontLibrary::instance().glyphs(font, out.text.text, out.glyphs);
  out.advances.resize(out.glyphs.size());
  for (size_t i = 0; i < out.glyphs.size(); ++i) out.advances[i] = out.glyphs[i]->advance;
  out.pen = PenRules{&out.advances, 8 * font.metrics().averageCharWidth, (flags & format::kExpandTabs) != 0};
  const long long width = static_cast<long long>(rect.right) - rect.left;
  const BreakRules rules{(flags & format::kSingleLine) != 0, (flags & format::kWordBreak) != 0,
                         static_cast<int>(std::clamp<long long>(width, 0, 1 << 30))};
  out.lines = breakLines(out.text.text, out.pen, rules);
}

long long lineLeft(const Rect& rect, unsigned flags, int width) {
  const long long room = static_cast<long long>(rect.right) - rect.left - width;
  if (flags & format::kCenter) return rect.left + room / 2;
  if (flags & format::kRight) return rect.left + room;
  return rect.left;
}

// The top of the first line: single lines may sit in the middle or at the
// bottom of the rectangle; other text always starts at its top.
long long firstTop(const Rect& rect, unsigned flags, int lineHeight) {
  if (!(flags & format::kSingleLine)) return rect.top;
  if (flags & format::kVCenter) return rect.top + (static_cast<long long>(rect.bottom) - rect.top - lineHeight) / 2;
  if (flags & format::kBottom) return static_cast<long long>(rect.bottom) - lineHeight;
  return rect.top;
}

void drawLine(const Font& font, const Laidout& text, const LineSpan& line, long long x, long long top,
              const DrawOptions& options, const Surface& surface, const PixelBox& box) {
  const FontMetrics& m = font.metrics();
  const LineDecoration& under = font.scale().underline;
  const long long baseline = top + m.ascent;
  if (options.background) fillBox(surface, box, {x, top, x + line.width, top + m.height}, *options.background);
  int pen = 0;
  for (size_t i = line.begin; i < line.end; ++i) {
    const int next = text.pen.next(pen, text.text.text, i);
    if (!(text.pen.expandTabs && text.text.text[i] == U'\t'))
      blendGlyph(surface, box, *text.glyphs[i], x + pen, baseline, options.colour);
    if (!text.text.underlined.empty() && text.text.underlined[i])
      fillBox(surface, box, {x + pen, baseline + under.offset, x + next, baseline + under.offset + under.thickness},
              options.colour);
    pen = next;
  }
  const auto decorate = [&](const LineDecoration& d) {
    fillBox(surface, box, {x, baseline + d.offset, x + line.width, baseline + d.offset + d.thickness}, options.colour);
  };
  if (font.style().underline) decorate(under);
  if (font.style().strikeOut) decorate(font.scale().strikeout);
}

}  // namespace

int drawText(const Font& font, std::string_view cp932, Rect& rect, unsigned flags, const DrawOptions& options,
             const Surface* surface) {
  Laidout text;
  layOut(font, cp932, rect, flags, text);
  const int lineHeight = font.metrics().height;
  const long long top = firstTop(rect, flags, lineHeight);
  const long long total = static_cast<long long>(text.lines.size()) * lineHeight;
  const int result = static_cast<int>(std::clamp<long long>(top - rect.top + total, 0, 1 << 30));
  if (flags & format::kCalcRect) {
    int widest = 0;
    for (const LineSpan& line : text.lines) widest = std::max(widest, line.width);
    rect.right =
        static_cast<int>(std::clamp<long long>(static_cast<long long>(rect.left) + widest, INT32_MIN, INT32_MAX));
    rect.bottom =
        static_cast<int>(std::clamp<long long>(static_cast<long long>(rect.top) + total, INT32_MIN, INT32_MAX));
    return result;
  }
  if (!surface) return result;
  const PixelBox box = drawableBox(*surface, (flags & format::kNoClip) ? nullptr : &rect);
  if (box.empty()) return result;
  for (size_t k = 0; k < text.lines.size(); ++k)
    drawLine(font, text, text.lines[k], lineLeft(rect, flags, text.lines[k].width),
             top + static_cast<long long>(k) * lineHeight, options, *surface, box);
  return result;
}

}  // namespace nvhost::text
