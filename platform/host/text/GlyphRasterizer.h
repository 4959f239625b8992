// FreeType glyph loading and rendering for the cache.
#pragma once

#include <cstdint>

#include <ft2build.h>
#include FT_FREETYPE_H

#include "platform/host/text/Glyph.h"

namespace nvhost::text {

// The load flags every glyph is rendered with: hinted outlines (the face's
// own bytecode or FreeType's auto-hinter), never embedded bitmaps, so that
// every size is greyscale anti-aliased alike. Pictures in the tests depend on
// these and on the FreeType version.
constexpr FT_Int32 kGlyphLoadFlags = FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP;

// Renders glyph `index` of `face` at its current size with `flags`
// (glyphflag::). The face's missing-glyph shape stands for characters the
// face lacks; when that shape is empty, or loading fails, an outlined box is
// drawn instead so that such characters never vanish.
Glyph rasterizeGlyph(FT_Face face, std::uint32_t index, std::uint32_t flags);

// The outlined box: em/2 wide, as high as the ascent.
Glyph replacementBox(int ppemX, int ppemY);

}  // namespace nvhost::text
