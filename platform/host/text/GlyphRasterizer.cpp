#include "platform/host/text/GlyphRasterizer.h"

#include FT_OUTLINE_H

#include <algorithm>

namespace nvhost::text {

namespace {

// GDI thickens simulated bold by one pixel and advances one pixel further.
constexpr FT_Pos kBoldStrength = 64;
// Simulated italic leans by about 12 degrees, as FreeType's own oblique does.
constexpr FT_Fixed kItalicShear = 0x0366A;

void applySynthesis(FT_GlyphSlot slot, std::uint32_t flags) {
  if (slot->format != FT_GLYPH_FORMAT_OUTLINE) return;
  if (flags & glyphflag::kItalic) {
    FT_Matrix shear = {0x10000, kItalicShear, 0, 0x10000};
    FT_Outline_Transform(&slot->outline, &shear);
  }
  if (flags & glyphflag::kBold) FT_Outline_EmboldenXY(&slot->outline, kBoldStrength, 0);
}

Glyph copyBitmap(FT_GlyphSlot slot, int advance) {
  Glyph glyph;
  glyph.advance = advance;
  const FT_Bitmap& bitmap = slot->bitmap;
  if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY || bitmap.width == 0 || bitmap.rows == 0) return glyph;
  glyph.left = slot->bitmap_left;
  glyph.top = slot->bitmap_top;
  glyph.width = static_cast<int>(bitmap.width);
  glyph.height = static_cast<int>(bitmap.rows);
  glyph.coverage.resize(static_cast<size_t>(glyph.width) * glyph.height);
  for (int row = 0; row < glyph.height; ++row) {
    const unsigned char* src = bitmap.buffer + static_cast<ptrdiff_t>(row) * bitmap.pitch;
    std::copy(src, src + glyph.width, glyph.coverage.begin() + static_cast<ptrdiff_t>(row) * glyph.width);
  }
  return glyph;
}

}  // namespace

Glyph replacementBox(int ppemX, int ppemY) {
  Glyph glyph;
  glyph.advance = std::max(3, ppemX / 2);
  glyph.width = std::max(3, glyph.advance - 2);
  glyph.height = std::max(3, ppemY * 3 / 4);
  glyph.left = 1;
  glyph.top = glyph.height;
  glyph.coverage.assign(static_cast<size_t>(glyph.width) * glyph.height, 0);
  for (int y = 0; y < glyph.height; ++y)
    for (int x = 0; x < glyph.width; ++x)
      if (x == 0 || y == 0 || x == glyph.width - 1 || y == glyph.height - 1)
        glyph.coverage[static_cast<size_t>(y) * glyph.width + x] = 255;
  return glyph;
}

Glyph rasterizeGlyph(FT_Face face, std::uint32_t index, std::uint32_t flags) {
  const int ppemX = face->size ? face->size->metrics.x_ppem : 0;
  const int ppemY = face->size ? face->size->metrics.y_ppem : 0;
  if (FT_Load_Glyph(face, index, kGlyphLoadFlags) != 0) return replacementBox(ppemX, ppemY);
  FT_GlyphSlot slot = face->glyph;
  applySynthesis(slot, flags);
  int advance = static_cast<int>((slot->advance.x + 32) >> 6);
  if (flags & glyphflag::kBold) advance += 1;
  if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return replacementBox(ppemX, ppemY);
  Glyph glyph = copyBitmap(slot, advance);
  if (index == 0 && glyph.coverage.empty()) return replacementBox(ppemX, ppemY);
  return glyph;
}

}  // namespace nvhost::text
