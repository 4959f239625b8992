#include "platform/host/text/GlyphCache.h"

#include <utility>

namespace nvhost::text {

GlyphRef GlyphCache::find(const GlyphKey& key) const {
  const auto it = glyphs_.find(key);
  return it == glyphs_.end() ? nullptr : it->second;
}

void GlyphCache::insert(const GlyphKey& key, GlyphRef glyph) {
  // Text of fuzzed or hostile input could otherwise grow the cache without
  // end; starting over is rare and costs only a re-rasterisation.
  if (glyphs_.size() >= capacity_) glyphs_.clear();
  glyphs_.insert_or_assign(key, std::move(glyph));
}

}  // namespace nvhost::text
