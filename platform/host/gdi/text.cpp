// Text calls of the portable host, on the host's text engine.
//  [x] GetTextExtentPoint32A, GetTabbedTextExtentA without tab stops
//  [x] DrawTextExA and DrawTextA with the selected font, text colour and
//      background mode, into a memory context's bitmap or a window surface
//      (clipped to the window's visible area); DT_CALCRECT
//  [ ] explicit tab stops of GetTabbedTextExtentA and the margins and tab
//      length of DRAWTEXTPARAMS are ignored; DT_MODIFYSTRING, DT_END_ELLIPSIS
#include <cstring>
#include <string_view>

#include "platform/host/gdi/DrawTarget.h"
#include "platform/host/user/WindowRegistry.h"
#include "platform/win32.h"

using namespace nvhost::gdi;
namespace text = nvhost::text;

namespace {

text::Rgb rgbOf(COLORREF c) {
  return text::Rgb{static_cast<std::uint8_t>(c & 0xFF), static_cast<std::uint8_t>((c >> 8) & 0xFF),
                   static_cast<std::uint8_t>((c >> 16) & 0xFF)};
}

text::FontRef fontOfDC(HDC dc) {
  DCState state;
  return dcState(dc, state) ? selectedFont(state) : nullptr;
}

std::string_view bytesOf(LPCSTR text, int length) {
  if (text == nullptr) return {};
  return length < 0 ? std::string_view(text) : std::string_view(text, static_cast<std::size_t>(length));
}

// Draws once per visible rectangle of the target; the text engine clips.
int drawClipped(DrawTarget& target, const text::Font& font, std::string_view bytes, const RECT& rect, UINT format,
                const text::DrawOptions& options) {
  TargetAccess access(target);
  text::Rect layout{rect.left, rect.top, rect.right, rect.bottom};
  if (target.words == nullptr || target.clips.empty()) {
    // Nothing visible: the height is still the laid-out text's.
    return text::drawText(font, bytes, layout, format | text::format::kCalcRect, options, nullptr);
  }
  int height = 0;
  const RECT shifted{rect.left + target.originX, rect.top + target.originY, rect.right + target.originX,
                     rect.bottom + target.originY};
  for (const RECT& clip : target.clips) {
    text::Surface surface{reinterpret_cast<std::uint8_t*>(target.words),
                          target.width,
                          target.height,
                          static_cast<std::ptrdiff_t>(target.width) * 4,
                          {clip.left, clip.top, clip.right, clip.bottom},
                          target.originX,
                          target.originY};
    layout = text::Rect{rect.left, rect.top, rect.right, rect.bottom};
    height = text::drawText(font, bytes, layout, format, options, &surface);
    target.markChanged((format & DT_NOCLIP) ? clip : nvhost::intersectRects(clip, shifted));
  }
  return height;
}

}  // namespace

BOOL GetTextExtentPoint32A(HDC dc, LPCSTR text, int length, LPSIZE size) {
  text::FontRef font = fontOfDC(dc);
  if (size == nullptr || length < 0 || (text == nullptr && length > 0) || !font) return FALSE;
  const text::Size s = text::measureText(*font, bytesOf(text, length));
  size->cx = s.cx;
  size->cy = s.cy;
  return TRUE;
}

DWORD GetTabbedTextExtentA(HDC dc, LPCSTR text, int length, int /*tabPositions*/, const INT* /*tabStops*/) {
  // FIXME: explicit tab stops are ignored; tabs go to multiples of eight
  // average character widths, as with no stops.
  text::FontRef font = fontOfDC(dc);
  if (!font || length < 0 || (text == nullptr && length > 0)) return 0;
  const text::Size s = text::measureTabbedText(*font, bytesOf(text, length));
  return static_cast<DWORD>(MAKELONG(s.cx, s.cy));
}

int DrawTextExA(HDC dc, LPSTR text, int length, LPRECT rect, UINT format, LPDRAWTEXTPARAMS /*params*/) {
  DrawTarget target;
  if (rect == nullptr || (text == nullptr && length != 0) || !resolveTarget(dc, target)) return 0;
  text::FontRef font = selectedFont(target.state);
  if (!font) return 0;
  const std::string_view bytes = bytesOf(text, length);
  text::DrawOptions options;
  options.colour = rgbOf(target.state.textColor);
  if (target.state.bkMode == OPAQUE) options.background = rgbOf(target.state.bkColor);
  if (format & DT_CALCRECT) {
    text::Rect layout{rect->left, rect->top, rect->right, rect->bottom};
    const int height = text::drawText(*font, bytes, layout, format, options, nullptr);
    *rect = RECT{layout.left, layout.top, layout.right, layout.bottom};
    return height;
  }
  return drawClipped(target, *font, bytes, *rect, format, options);
}

int DrawTextA(HDC dc, LPCSTR text, int length, LPRECT rect, UINT format) {
  // DrawTextA never writes to the string unless asked to, which this host
  // never does, so dropping const is safe.
  return DrawTextExA(dc, const_cast<LPSTR>(text), length, rect, format, nullptr);
}
