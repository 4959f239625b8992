#include "platform/host/text/Font.h"

#include <utility>

#include "platform/host/text/Glyph.h"

namespace nvhost::text {

Font::Font(std::shared_ptr<FontFace> face, const FontScale& scale, const Style& style, std::string family)
    : face_(std::move(face)), scale_(scale), style_(style), family_(std::move(family)) {}

std::uint32_t Font::sizeKey() const {
  return static_cast<std::uint32_t>(scale_.ppemX & 0xFFFF) << 16 | static_cast<std::uint32_t>(scale_.ppemY & 0xFFFF);
}

std::uint32_t Font::glyphFlags() const {
  return (style_.syntheticBold ? glyphflag::kBold : 0) | (style_.syntheticItalic ? glyphflag::kItalic : 0);
}

}  // namespace nvhost::text
