// Fonts of the portable host, resolved by the host's text engine.
//  [x] CreateFontA, CreateFontIndirectA: height (positive: cell height,
//      negative: character height), width, weight, italic, underline,
//      strike-out, character set and code page 932 face name
//  [x] the stock system and GUI fonts, which every context starts with
//  [x] GetTextMetricsA of the selected font
//  [ ] escapement and orientation (text is never rotated), output and clip
//      precision, quality and pitch are accepted and ignored
#include <cstring>
#include <mutex>
#include <string>

#include "platform/host/gdi/DeviceContexts.h"
#include "platform/host/gdi/GdiObjects.h"
#include "platform/win32.h"

namespace nvhost::gdi {

namespace {

text::FontRequest requestOf(const LOGFONTA& l) {
  text::FontRequest request;
  request.height = l.lfHeight;
  request.width = l.lfWidth < 0 ? -l.lfWidth : l.lfWidth;
  request.escapement = l.lfEscapement;
  request.weight = l.lfWeight;
  request.italic = l.lfItalic != 0;
  request.underline = l.lfUnderline != 0;
  request.strikeOut = l.lfStrikeOut != 0;
  request.charset = l.lfCharSet;
  // The face name need not be terminated inside its array.
  request.faceName.assign(l.lfFaceName, strnlen(l.lfFaceName, LF_FACESIZE));
  return request;
}

HFONT addFont(const LOGFONTA& logFont, bool stock) {
  text::FontRef font = text::createFont(requestOf(logFont));
  if (!font) return nullptr;
  auto object = std::make_unique<FontObject>(std::move(font), logFont);
  object->stock = stock;
  return static_cast<HFONT>(addObject(std::move(object)));
}

}  // namespace

HFONT defaultFont() {
  static HFONT handle = nullptr;
  static std::once_flag once;
  std::call_once(once, [] {
    LOGFONTA l{};
    l.lfCharSet = SHIFTJIS_CHARSET;
    handle = addFont(l, true);
  });
  return handle;
}

text::FontRef selectedFont(const DCState& state) { return state.fontRef ? state.fontRef : fontOf(defaultFont()); }

}  // namespace nvhost::gdi

using namespace nvhost::gdi;
namespace text = nvhost::text;

HFONT CreateFontIndirectA(const LOGFONTA* font) { return font ? addFont(*font, false) : nullptr; }

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic, DWORD underline,
                  DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision, DWORD quality,
                  DWORD pitchAndFamily, LPCSTR faceName) {
  LOGFONTA l{};
  l.lfHeight = height;
  l.lfWidth = width;
  l.lfEscapement = escapement;
  l.lfOrientation = orientation;
  l.lfWeight = weight;
  l.lfItalic = static_cast<BYTE>(italic);
  l.lfUnderline = static_cast<BYTE>(underline);
  l.lfStrikeOut = static_cast<BYTE>(strikeOut);
  l.lfCharSet = static_cast<BYTE>(charSet);
  l.lfOutPrecision = static_cast<BYTE>(outPrecision);
  l.lfClipPrecision = static_cast<BYTE>(clipPrecision);
  l.lfQuality = static_cast<BYTE>(quality);
  l.lfPitchAndFamily = static_cast<BYTE>(pitchAndFamily);
  // A longer name is cut, as GDI cuts it, to the array less its terminator.
  if (faceName != nullptr) std::strncpy(l.lfFaceName, faceName, LF_FACESIZE - 1);
  return CreateFontIndirectA(&l);
}

BOOL GetTextMetricsA(HDC dc, LPTEXTMETRICA metrics) {
  DCState state;
  if (metrics == nullptr || !dcState(dc, state)) return FALSE;
  text::FontRef font = selectedFont(state);
  if (!font) return FALSE;
  const text::FontMetrics m = text::fontMetrics(*font);
  *metrics = TEXTMETRICA{};
  metrics->tmHeight = m.height;
  metrics->tmAscent = m.ascent;
  metrics->tmDescent = m.descent;
  metrics->tmInternalLeading = m.internalLeading;
  metrics->tmAveCharWidth = m.averageCharWidth;
  metrics->tmMaxCharWidth = m.maxCharWidth;
  metrics->tmWeight = FW_NORMAL;
  metrics->tmDigitizedAspectX = 96;
  metrics->tmDigitizedAspectY = 96;
  metrics->tmLastChar = 0xFF;
  metrics->tmDefaultChar = '?';
  metrics->tmBreakChar = ' ';
  metrics->tmCharSet = SHIFTJIS_CHARSET;
  return TRUE;
}
