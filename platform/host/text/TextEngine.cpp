// [x] CreateFontA: face names through fontconfig, GDI sizing, bold, italic
// [x] GetTextExtentPoint32A, GetTabbedTextExtentA without tab stops
// [x] DrawTextExA: see TextDrawing.cpp
// [ ] escapement and orientation (rotated text)
#include "platform/host/text/TextEngine.h"

#include "platform/host/text/Font.h"
#include "platform/host/text/FontLibrary.h"
#include "platform/host/text/TextDecoding.h"
#include "platform/host/text/TextLayout.h"

namespace nvhost::text {

namespace {

// GetTabbedTextExtentA and DrawText without tab stops: eight average widths.
int defaultTabWidth(const Font& font) { return 8 * font.metrics().averageCharWidth; }

Size measure(const Font& font, std::string_view cp932, bool expandTabs) {
  const std::u32string text = decodeCp932(cp932);
  std::vector<GlyphRef> glyphs;
  FontLibrary::instance().glyphs(font, text, glyphs);
  std::vector<int> advances(glyphs.size());
  for (size_t i = 0; i < glyphs.size(); ++i) advances[i] = glyphs[i]->advance;
  const PenRules pen{&advances, defaultTabWidth(font), expandTabs};
  int x = 0;
  for (size_t i = 0; i < text.size(); ++i) x = pen.next(x, text, i);
  return Size{x, font.metrics().height};
}

}  // namespace

FontRef createFont(const FontRequest& request) { return FontLibrary::instance().createFont(request); }

FontMetrics fontMetrics(const Font& font) { return font.metrics(); }

int lineHeight(const Font& font) { return font.metrics().height; }

std::string resolvedFamily(const Font& font) { return font.family(); }

std::string rasterizerVersion() { return FontLibrary::instance().freetypeVersion(); }

std::size_t cachedGlyphCount() { return FontLibrary::instance().cachedGlyphCount(); }

void clearGlyphCache() { FontLibrary::instance().clearGlyphs(); }

Size measureText(const Font& font, std::string_view cp932) { return measure(font, cp932, false); }

Size measureTabbedText(const Font& font, std::string_view cp932) { return measure(font, cp932, true); }

}  // namespace nvhost::text
