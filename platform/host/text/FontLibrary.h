// The process's fonts: FreeType, the fontconfig resolver, the loaded faces,
// the fonts made from them and the glyph cache, all behind one lock. The
// framework's main thread and its window thread both measure and draw, and
// FreeType faces must not be used by two threads at once.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <mutex>

#include "platform/runtime/RankedMutex.h"
#include <string>
#include <string_view>
#include <vector>

#include <ft2build.h>
#include FT_FREETYPE_H

#include "platform/host/text/Font.h"
#include "platform/host/text/FontResolver.h"
#include "platform/host/text/Glyph.h"
#include "platform/host/text/GlyphCache.h"

namespace nvhost::text {

class FontLibrary {
 public:
  // The one library; created on first use and kept to the end of the process,
  // so that fonts held in static objects stay valid while those are destroyed.
  static FontLibrary& instance();

  FontRef createFont(const FontRequest& request);

  // The glyph of each code point, rendered on first use. Code points the face
  // lacks get its missing-glyph shape.
  void glyphs(const Font& font, std::u32string_view text, std::vector<GlyphRef>& out);

  std::size_t cachedGlyphCount();
  void clearGlyphs();
  std::string freetypeVersion();

 private:
  FontLibrary();
  std::shared_ptr<FontFace> loadFace(const std::string& file, int index);
  std::shared_ptr<FontFace> resolveFace(const FontRequest& request, Font::Style& style, std::string& family);
  GlyphRef renderGlyph(const Font& font, const GlyphKey& key);

  nvrt::RankedMutex lock_{nvrt::LockRank::fonts, "fontLibraryLock"};
  FT_Library freetype_ = nullptr;
  FontResolver resolver_;
  std::map<std::string, std::shared_ptr<FontFace>> faces_;
  std::map<std::string, FontRef> fonts_;
  GlyphCache glyphs_;
  std::uint32_t nextFaceId_ = 1;
};

}  // namespace nvhost::text
