// A face at one size with its GDI metrics: what a font handle stands for.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/host/text/FontSizing.h"

namespace nvhost::text {

class FontFace;

class Font {
 public:
  struct Style {
    bool syntheticBold = false;
    bool syntheticItalic = false;
    bool underline = false;
    bool strikeOut = false;
  };

  Font(std::shared_ptr<FontFace> face, const FontScale& scale, const Style& style, std::string family);

  FontFace& face() const { return *face_; }
  const FontScale& scale() const { return scale_; }
  const FontMetrics& metrics() const { return scale_.metrics; }
  const Style& style() const { return style_; }
  const std::string& family() const { return family_; }

  // The parts of a glyph cache key that this font fixes.
  std::uint32_t sizeKey() const;
  std::uint32_t glyphFlags() const;

 private:
  std::shared_ptr<FontFace> face_;
  FontScale scale_;
  Style style_;
  std::string family_;
};

}  // namespace nvhost::text
