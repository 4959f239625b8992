#include "framework/compose/NVStringStyle.h"

#include <algorithm>

#include "framework/core/NVPathOps.h"
#include "framework/core/NVPalette.h"

namespace {

// "ＭＳ Ｐゴシック" and "メイリオ" in code page 932.
const char kPGothic[] = "\x82\x6c\x82\x72\x20\x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e";
const char kMeiryo[] = "\x83\x81\x83\x43\x83\x8a\x83\x49";

}  // namespace

int getSystemVersionCode() {
  OSVERSIONINFOA info = {};
  info.dwOSVersionInfoSize = 148;
  if (!GetVersionExA(&info)) return 0;
  const DWORD major = info.dwMajorVersion, minor = info.dwMinorVersion;
  if (info.dwPlatformId == 1) {
    if (major == 4 && minor == 0) return 1;
    if (major == 4 && (minor == 10 || minor == 90)) return 2;
  } else if (info.dwPlatformId == 2) {
    if (major == 4 && minor == 0) return 3;
    if (major == 5 && minor == 0) return 4;
    if (major == 5 && minor == 1) return 5;
    if (major == 5 && minor == 2) return 6;
    if (major == 6 && minor == 0) return 7;
  }
  return 0;
}

NVStringStyle::NVStringStyle() {
  const bool vista = getSystemVersionCode() >= 7;
  faceName_ = NVString(vista ? kMeiryo : kPGothic);
  height = vista ? 16 : 12;
  const std::uint32_t text = getPaletteColor(NVString("text"));
  red = (text >> 16) & 0xFF, green = (text >> 8) & 0xFF, blue = text & 0xFF;
  ready_ = true;
  createFont();
}

NVStringStyle::~NVStringStyle() {
  if (font_) DeleteObject(font_);
  font_ = nullptr;
  ready_ = false;
}

NVStringStyle* NVStringStyle::sharedDefault() {
  static NVStringStyle* style = new NVStringStyle();
  return style;
}

NVStringStyle* NVStringStyle::sharedScratch() {
  static NVStringStyle* style = new NVStringStyle();
  return style;
}

void NVStringStyle::createFont() {
  if (!ready_) return;
  if (font_) DeleteObject(font_);
  font_ = CreateFontA(height, 0, 0, 0, bold ? 900 : 500, italic, FALSE, FALSE, 128, 8, 0, 2, 49, faceName_.cStr());
}

void NVStringStyle::setHeight(int h) { height = h, createFont(); }
void NVStringStyle::setColor(int r, int g, int b) { red = r, green = g, blue = b, createFont(); }
void NVStringStyle::setBold(bool on) { bold = on, createFont(); }
void NVStringStyle::setItalic(bool on) { italic = on, createFont(); }
void NVStringStyle::setFormat(int f) { format = f, createFont(); }
void NVStringStyle::setFaceName(NVString name) { faceName_ = name, createFont(); }

void NVStringStyle::copyFrom(const NVStringStyle& other) {
  height = other.height;
  faceName_ = other.faceName_;
  format = other.format;
  red = other.red, green = other.green, blue = other.blue;
  bold = other.bold;
  italic = other.italic;
  createFont();
}

SIZE NVStringStyle::measure(const NVString& text) const { return getTextSize(text.cStr(), font_); }

void blendTextScratch(const NVImage& scratch, NVImage* target, int x, int y, int cx0, int cy0, int cx1, int cy1,
                      bool raiseAlpha, int red, int green, int blue) {
  const int w = scratch.getWidth(), h = scratch.getHeight();
  const int tw = target->getWidth(), th = target->getHeight();
  const auto* src = reinterpret_cast<const unsigned char*>(scratch.getPixels());
  auto* dst = reinterpret_cast<unsigned char*>(target->getPixels());
  for (int i = 0; i < h; ++i) {
    const int ty = y + i;
    if (ty < cy0 || ty > cy1 || ty < 0 || ty >= th) continue;
    for (int j = 0; j < w; ++j) {
      const int tx = x + j;
      if (tx < cx0 || tx > cx1 || tx < 0 || tx >= tw) continue;
      const unsigned char* s = src + (static_cast<size_t>(i) * w + j) * 4;
      const int dr = 255 - s[2], dg = 255 - s[1], db = 255 - s[0];
      const int darkness = dr + dg + db;
      if (darkness == 0) continue;
      const int k = (dr * 299 + dg * 587 + db * 114) / 1000;
      unsigned char* t = dst + (static_cast<size_t>(ty) * tw + tx) * 4;
      t[2] = static_cast<unsigned char>((t[2] * (256 - k) + red * k) >> 8);
      t[1] = static_cast<unsigned char>((t[1] * (256 - k) + green * k) >> 8);
      t[0] = static_cast<unsigned char>((t[0] * (256 - k) + blue * k) >> 8);
      if (raiseAlpha) t[3] = static_cast<unsigned char>(std::max<int>(t[3], darkness / 3));
    }
  }
}

void NVStringStyle::drawText(NVImage* target, int x, int y, int clipX, int clipY, int clipWidth, int clipHeight,
                             bool raiseAlpha, const NVString& text) const {
  if (text.isEmpty() || !target || !target->isValid()) return;
  if (clipX == -1 || clipY == -1 || clipWidth == -1 || clipHeight == -1) {
    clipX = 0, clipY = 0, clipWidth = target->getWidth(), clipHeight = target->getHeight();
  }
  SIZE size = measure(text);
  const int w = size.cx + 8, h = size.cy + 8;
  if (w < 1 || h < 1) return;
  HDC dc = CreateCompatibleDC(nullptr);
  NVImage scratch(w, h);
  HGDIOBJ oldBitmap = SelectObject(dc, scratch.getBitmap());
  HGDIOBJ oldFont = SelectObject(dc, font_);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  RECT rect = {0, 0, w, h};
  std::string bytes = text.bytes();
  // DrawTextExA returns a value, so GDI has finished drawing when it returns.
  DrawTextExA(dc, bytes.data(), -1, &rect, static_cast<UINT>(format | DT_NOPREFIX), nullptr);
  SelectObject(dc, oldFont);
  SelectObject(dc, oldBitmap);
  DeleteDC(dc);
  blendTextScratch(scratch, target, x, y, clipX, clipY, clipX + clipWidth - 1, clipY + clipHeight - 1, raiseAlpha, red,
                   green, blue);
}
