#include "platform/host/text/GlyphCache.h"

#include <utility>

namespace nvhost::text {

GlyphRef GlyphCache::find(const GlyphKey& key) const {
  const auto it = glyphs_.find(key);
  return it == glyphs_.end() ? nullptr : it->second;
}

void GlyphCache::insert(const GlyphKey& key, GlyphRef glyph) {
  // Text in many characters or at huge sizes could otherwise grow the cache
  // without end; starting over is rare and costs only re-rasterisation.
  const std::size_t size = glyph->coverage.size();
  if (glyphs_.size() >= maxGlyphs_ || bytes_ + size > maxBytes_) clear();
  if (const auto it = glyphs_.find(key); it != glyphs_.end()) bytes_ -= it->second->coverage.size();
  glyphs_.insert_or_assign(key, std::move(glyph));
  bytes_ += size;
}

void GlyphCache::clear() {
  glyphs_.clear();
  bytes_ = 0;
}

}  // namespace nvhost::text
