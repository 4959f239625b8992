// A rasterised glyph and the key it is cached under.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace nvhost::text {

// Rendering variations that change a glyph's pixels or advance.
namespace glyphflag {
constexpr std::uint32_t kBold = 1;    // synthetic emboldening
constexpr std::uint32_t kItalic = 2;  // synthetic slant
}  // namespace glyphflag

struct GlyphKey {
  std::uint32_t face = 0;
  std::uint32_t size = 0;   // ppemX << 16 | ppemY
  std::uint32_t glyph = 0;  // glyph index in the face
  std::uint32_t flags = 0;
  bool operator==(const GlyphKey&) const = default;
};

struct GlyphKeyHash {
  std::size_t operator()(const GlyphKey& k) const noexcept {
    std::uint64_t h = (static_cast<std::uint64_t>(k.face) << 32 | k.size) * 0x9E3779B97F4A7C15ull;
    h ^= (static_cast<std::uint64_t>(k.glyph) << 8 | k.flags) + 0x632BE59BD9B4E019ull + (h << 6) + (h >> 2);
    return static_cast<std::size_t>(h);
  }
};

// Coverage 0…255, `width` bytes a row, top-down; (left, top) place the
// bitmap's top-left corner relative to the pen on the baseline (top counts
// upward, as FreeType's bitmap_top does).
struct Glyph {
  int advance = 0;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> coverage;
};

using GlyphRef = std::shared_ptr<const Glyph>;

}  // namespace nvhost::text
