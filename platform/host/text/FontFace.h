// One loaded FreeType face, shared by every font made from it. Its size and
// glyph slot are FreeType state: only the font library touches them, under
// its lock.
#pragma once

#include <cstdint>
#include <string>

#include <ft2build.h>
#include FT_FREETYPE_H

#include "platform/host/text/FontSizing.h"

namespace nvhost::text {

class FontFace {
 public:
  FontFace(FT_Face face, std::uint32_t id);
  ~FontFace();
  FontFace(const FontFace&) = delete;
  FontFace& operator=(const FontFace&) = delete;

  FT_Face face() const { return face_; }
  std::uint32_t id() const { return id_; }
  const FaceFacts& facts() const { return facts_; }
  // What the face's own design is, whatever fontconfig's rules claim about
  // the match: those mark regular faces bold or oblique when they would
  // synthesise the style themselves.
  bool isBold() const;
  bool isItalic() const;

  // Makes (ppemX, ppemY) the face's current size; false if FreeType refuses.
  bool selectSize(int ppemX, int ppemY);

 private:
  FT_Face face_;
  std::uint32_t id_;
  FaceFacts facts_;
  int ppemX_ = 0;
  int ppemY_ = 0;
};

}  // namespace nvhost::text
