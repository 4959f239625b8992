// Rendered glyphs by (face, size, glyph, flags). Uncached hinted
// rasterisation costs tens of times more than a lookup, and the label redraws
// the same few hundred glyphs over and over. Not locked itself: the font
// library holds its lock around every use. Glyphs are shared pointers, so a
// caller may keep drawing with glyphs that a later trim drops.
#pragma once

#include <cstddef>
#include <unordered_map>

#include "platform/host/text/Glyph.h"

namespace nvhost::text {

class GlyphCache {
 public:
  // At most `maxGlyphs` glyphs holding at most `maxBytes` of coverage.
  explicit GlyphCache(std::size_t maxGlyphs = 8192, std::size_t maxBytes = 16u << 20)
      : maxGlyphs_(maxGlyphs), maxBytes_(maxBytes) {}

  GlyphRef find(const GlyphKey& key) const;
  void insert(const GlyphKey& key, GlyphRef glyph);
  std::size_t size() const { return glyphs_.size(); }
  void clear();

 private:
  std::size_t maxGlyphs_;
  std::size_t maxBytes_;
  std::size_t bytes_ = 0;
  std::unordered_map<GlyphKey, GlyphRef, GlyphKeyHash> glyphs_;
};

}  // namespace nvhost::text
