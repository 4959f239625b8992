// The portable host's text engine: fonts resolved through fontconfig, glyphs
// rasterised by FreeType, code page 932 strings measured and drawn the way
// the GDI text calls measure and draw them. The GDI layer (device contexts,
// font handles, selected bitmaps) sits on top of this interface; nothing here
// knows a Win32 type, and only this folder includes FreeType or fontconfig.
//
// Every function may be called from any thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace nvhost::text {

// The arguments of CreateFontA that the engine understands. The face name is
// in code page 932, as the framework passes it.
struct FontRequest {
  int height = 0;      // > 0 cell height, < 0 character height (em), 0 default
  int width = 0;       // average character width; 0 keeps the face's aspect
  int escapement = 0;  // FIXME: rotated text is not drawn rotated.
  int weight = 0;      // 0 (don't care) or 100…1000; 600 and above is bold
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  int charset = 1;  // 128 (Shift-JIS) prefers faces that cover Japanese
  std::string faceName;
};

class Font;  // a resolved face at one size; immutable once created
using FontRef = std::shared_ptr<const Font>;

// Resolves a request to a face at the size GDI would pick. Never null while
// any font at all is installed; null only when fontconfig finds nothing.
FontRef createFont(const FontRequest& request);

// The TEXTMETRIC values the framework relies on.
struct FontMetrics {
  int height = 0;  // cell height, ascent + descent
  int ascent = 0;
  int descent = 0;
  int internalLeading = 0;   // cell height minus the em size
  int averageCharWidth = 0;  // from the OS/2 table, scaled
  int maxCharWidth = 0;
};
FontMetrics fontMetrics(const Font& font);

// The line height DrawText steps by: the cell height.
int lineHeight(const Font& font);

// The face the request resolved to, in UTF-8 (for diagnostics and tests).
std::string resolvedFamily(const Font& font);

// "FreeType 2.13.2": glyph pixels depend on the rasteriser's version.
std::string rasterizerVersion();

// The glyph cache, for tests and benchmarks: how many glyphs it holds, and
// dropping them all so that the next drawing rasterises afresh.
std::size_t cachedGlyphCount();
void clearGlyphCache();

struct Size {
  int cx = 0;
  int cy = 0;
};

// GetTextExtentPoint32A: the whole string as one line, every byte a glyph
// (line feeds and tabs measure as the glyphs they map to).
Size measureText(const Font& font, std::string_view cp932);

// GetTabbedTextExtentA with no tab stops: as above, but a tab advances to the
// next multiple of eight average character widths.
Size measureTabbedText(const Font& font, std::string_view cp932);

// The DrawText format flags the engine understands, with their Win32 values.
namespace format {
constexpr unsigned kLeft = 0x0000;
constexpr unsigned kCenter = 0x0001;
constexpr unsigned kRight = 0x0002;
constexpr unsigned kVCenter = 0x0004;
constexpr unsigned kBottom = 0x0008;
constexpr unsigned kWordBreak = 0x0010;
constexpr unsigned kSingleLine = 0x0020;
constexpr unsigned kExpandTabs = 0x0040;
constexpr unsigned kNoClip = 0x0100;
constexpr unsigned kCalcRect = 0x0400;
constexpr unsigned kNoPrefix = 0x0800;
}  // namespace format

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
};

// A caller's 32-bit top-down pixel buffer, bytes B, G, R, A. Logical point
// (0, 0) is the pixel (originX, originY); nothing outside `clip` (in pixels
// of the buffer, cut to the buffer) is written. The alpha byte of a pixel is
// never changed.
struct Surface {
  std::uint8_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  std::ptrdiff_t stride = 0;  // bytes from one row to the next
  Rect clip;
  int originX = 0;
  int originY = 0;
};

struct DrawOptions {
  Rgb colour;                     // the text colour
  std::optional<Rgb> background;  // set: opaque background mode
};

// DrawTextExA without tab-length parameters. Lays the text out in `rect`
// (logical coordinates) with `flags` and draws it greyscale-antialiased into
// `surface`; with format::kCalcRect (or a null surface) nothing is drawn.
// Returns the text height as DrawTextExA does, and with format::kCalcRect
// sets rect's right and bottom to the extent of the laid-out text.
int drawText(const Font& font, std::string_view cp932, Rect& rect, unsigned flags, const DrawOptions& options,
             const Surface* surface);

}  // namespace nvhost::text
