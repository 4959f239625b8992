#include "platform/host/text/FontFace.h"

#include FT_TRUETYPE_TABLES_H

namespace nvhost::text {

namespace {

// A face without an OS/2 table (a Type 1 or bitmap font) falls back on the
// hhea values, which every scalable face has.
FaceFacts readFacts(FT_Face face) {
  FaceFacts facts;
  facts.unitsPerEm = face->units_per_EM ? face->units_per_EM : 2048;
  facts.winAscent = face->ascender;
  facts.winDescent = -face->descender;
  facts.maxAdvance = face->max_advance_width;
  facts.averageCharWidth = facts.unitsPerEm / 2;
  facts.underlinePosition = face->underline_position;
  facts.underlineThickness = face->underline_thickness;
  facts.strikeoutPosition = facts.unitsPerEm / 4;
  facts.strikeoutThickness = face->underline_thickness;
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  if (os2 && os2->version != 0xFFFF) {
    if (os2->usWinAscent + os2->usWinDescent > 0) {
      facts.winAscent = os2->usWinAscent;
      facts.winDescent = os2->usWinDescent;
    }
    if (os2->xAvgCharWidth > 0) facts.averageCharWidth = os2->xAvgCharWidth;
    if (os2->yStrikeoutSize > 0) {
      facts.strikeoutPosition = os2->yStrikeoutPosition;
      facts.strikeoutThickness = os2->yStrikeoutSize;
    }
  }
  return facts;
}

}  // namespace

FontFace::FontFace(FT_Face face, std::uint32_t id) : face_(face), id_(id), facts_(readFacts(face)) {}

FontFace::~FontFace() { FT_Done_Face(face_); }

bool FontFace::isBold() const {
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
  if (os2 && os2->version != 0xFFFF) return os2->usWeightClass >= 600;
  return (face_->style_flags & FT_STYLE_FLAG_BOLD) != 0;
}

bool FontFace::isItalic() const { return (face_->style_flags & FT_STYLE_FLAG_ITALIC) != 0; }

bool FontFace::selectSize(int ppemX, int ppemY) {
  if (ppemX == ppemX_ && ppemY == ppemY_) return true;
  if (FT_Set_Pixel_Sizes(face_, static_cast<FT_UInt>(ppemX), static_cast<FT_UInt>(ppemY)) != 0) return false;
  ppemX_ = ppemX;
  ppemY_ = ppemY;
  return true;
}

}  // namespace nvhost::text
