#include "platform/host/text/FontLibrary.h"

#include <algorithm>

#include "platform/host/text/FontFace.h"
#include "platform/host/text/GlyphRasterizer.h"
#include "platform/runtime/TextCodec.h"

namespace nvhost::text {

namespace {

// CreateFontA keeps at most 31 bytes of a face name.
constexpr size_t kMaxFaceNameBytes = 31;
// Heights beyond this are taken as this: a glyph of a larger font would need
// megabytes of coverage, and no caller needs such text.
constexpr int kMaxHeight = 2048;
constexpr int kShiftJisCharset = 128;
constexpr int kBoldWeight = 600;

std::string faceNameUtf8(const std::string& cp932) {
  std::string name = cp932.substr(0, cp932.find('\0'));
  if (name.size() > kMaxFaceNameBytes) name.resize(kMaxFaceNameBytes);
  return nvrt::cp932ToUtf8Display(name);
}

std::string fontKey(const FontRequest& r) {
  return r.faceName + '\0' + std::to_string(r.height) + ',' + std::to_string(r.width) + ',' + std::to_string(r.weight) +
         ',' + std::to_string(r.charset) + ',' + static_cast<char>('0' + r.italic + 2 * r.underline + 4 * r.strikeOut);
}

}  // namespace

FontLibrary& FontLibrary::instance() {
  static FontLibrary* library = new FontLibrary;
  return *library;
}

FontLibrary::FontLibrary() { FT_Init_FreeType(&freetype_); }

std::shared_ptr<FontFace> FontLibrary::loadFace(const std::string& file, int index) {
  const std::string key = file + '#' + std::to_string(index);
  if (auto it = faces_.find(key); it != faces_.end()) return it->second;
  FT_Face face = nullptr;
  if (!freetype_ || FT_New_Face(freetype_, file.c_str(), index, &face) != 0) return nullptr;
  if (!FT_IS_SCALABLE(face)) {
    FT_Done_Face(face);
    return nullptr;
  }
  auto loaded = std::make_shared<FontFace>(face, nextFaceId_++);
  faces_.emplace(key, loaded);
  return loaded;
}

std::shared_ptr<FontFace> FontLibrary::resolveFace(const FontRequest& request, Font::Style& style,
                                                   std::string& family) {
  FaceQuery query;
  query.family = faceNameUtf8(request.faceName);
  query.weight = request.weight <= 0 ? 400 : std::min(request.weight, 1000);
  query.italic = request.italic;
  query.japanese = request.charset == kShiftJisCharset;
  ResolvedFace resolved;
  std::shared_ptr<FontFace> face;
  if (resolver_.resolve(query, resolved)) face = loadFace(resolved.file, resolved.index);
  if (!face) {
    // The best match could not be loaded: settle for the default face.
    query.family.clear();
    if (resolver_.resolve(query, resolved)) face = loadFace(resolved.file, resolved.index);
  }
  if (!face) return nullptr;
  // GDI thickens or slants a face that lacks the asked-for style itself.
  style.syntheticBold = query.weight >= kBoldWeight && !face->isBold();
  style.syntheticItalic = query.italic && !face->isItalic();
  family = resolved.family;
  return face;
}

FontRef FontLibrary::createFont(const FontRequest& request) {
  std::lock_guard guard(lock_);
  const std::string key = fontKey(request);
  if (auto it = fonts_.find(key); it != fonts_.end()) return it->second;
  Font::Style style;
  style.underline = request.underline;
  style.strikeOut = request.strikeOut;
  std::string family;
  std::shared_ptr<FontFace> face = resolveFace(request, style, family);
  if (!face) return nullptr;
  const int height = std::clamp(request.height, -kMaxHeight, kMaxHeight);
  const int width = std::clamp(request.width, 0, kMaxHeight);
  const FontScale scale = scaleFace(face->facts(), height, width, style.syntheticBold);
  auto font = std::make_shared<const Font>(face, scale, style, family);
  fonts_.emplace(key, font);
  return font;
}

GlyphRef FontLibrary::renderGlyph(const Font& font, const GlyphKey& key) {
  const FontScale& scale = font.scale();
  GlyphRef glyph;
  if (font.face().selectSize(scale.ppemX, scale.ppemY))
    glyph = std::make_shared<const Glyph>(rasterizeGlyph(font.face().face(), key.glyph, key.flags));
  else
    glyph = std::make_shared<const Glyph>(replacementBox(scale.ppemX, scale.ppemY));
  glyphs_.insert(key, glyph);
  return glyph;
}

void FontLibrary::glyphs(const Font& font, std::u32string_view text, std::vector<GlyphRef>& out) {
  std::lock_guard guard(lock_);
  out.clear();
  out.reserve(text.size());
  GlyphKey key{font.face().id(), font.sizeKey(), 0, font.glyphFlags()};
  const FT_Face face = font.face().face();
  for (const char32_t cp : text) {
    key.glyph = FT_Get_Char_Index(face, cp);
    GlyphRef glyph = glyphs_.find(key);
    out.push_back(glyph ? std::move(glyph) : renderGlyph(font, key));
  }
}

std::string FontLibrary::freetypeVersion() {
  std::lock_guard guard(lock_);
  FT_Int major = 0, minor = 0, patch = 0;
  if (freetype_) FT_Library_Version(freetype_, &major, &minor, &patch);
  return "FreeType " + std::to_string(major) + '.' + std::to_string(minor) + '.' + std::to_string(patch);
}

void FontLibrary::clearGlyphs() {
  std::lock_guard guard(lock_);
  glyphs_.clear();
}

std::size_t FontLibrary::cachedGlyphCount() {
  std::lock_guard guard(lock_);
  return glyphs_.size();
}

}  // namespace nvhost::text
