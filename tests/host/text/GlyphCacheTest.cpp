#include <gtest/gtest.h>

#include <memory>

#include "platform/host/text/GlyphCache.h"

using namespace nvhost::text;

namespace {

GlyphRef glyphOf(size_t bytes) {
  auto glyph = std::make_shared<Glyph>();
  glyph->coverage.assign(bytes, 1);
  return glyph;
}

TEST(GlyphCache, KeysDifferInEveryPart) {
  GlyphCache cache;
  const GlyphKey keys[] = {{1, 2, 3, 0}, {9, 2, 3, 0}, {1, 9, 3, 0}, {1, 2, 9, 0}, {1, 2, 3, 1}};
  for (const GlyphKey& key : keys) cache.insert(key, glyphOf(1));
  EXPECT_EQ(cache.size(), 5u);
  for (const GlyphKey& key : keys) EXPECT_TRUE(cache.find(key));
  EXPECT_FALSE(cache.find({1, 2, 4, 0}));
}

TEST(GlyphCache, StartsOverWhenFullByCountOrBytes) {
  GlyphCache byCount(4, 1000);
  for (std::uint32_t g = 0; g < 5; ++g) byCount.insert({1, 1, g, 0}, glyphOf(1));
  EXPECT_EQ(byCount.size(), 1u);
  EXPECT_TRUE(byCount.find({1, 1, 4, 0}));

  GlyphCache byBytes(100, 1000);
  byBytes.insert({1, 1, 1, 0}, glyphOf(600));
  const GlyphRef held = byBytes.find({1, 1, 1, 0});
  byBytes.insert({1, 1, 2, 0}, glyphOf(600));
  EXPECT_FALSE(byBytes.find({1, 1, 1, 0}));
  EXPECT_TRUE(byBytes.find({1, 1, 2, 0}));
  EXPECT_EQ(held->coverage.size(), 600u);  // a dropped glyph stays usable by its holder
  byBytes.insert({1, 1, 2, 0}, glyphOf(300));
  byBytes.insert({1, 1, 3, 0}, glyphOf(600));  // replacing a glyph returned its bytes
  EXPECT_EQ(byBytes.size(), 2u);
}

}  // namespace
