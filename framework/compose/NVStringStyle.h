// A font with a colour and DrawText flags, which draws code page 932 text
// into an NVImage: GDI rasterises black on white into a scratch image, and the
// darkness of each scratch pixel becomes the coverage of the text colour.
#pragma once

#include "framework/compose/NVImage.h"
#include "framework/core/NVString.h"
#include "platform/win32.h"

class NVStringStyle {
 public:
  NVStringStyle();
  virtual ~NVStringStyle();
  NVStringStyle(const NVStringStyle&) = delete;
  NVStringStyle& operator=(const NVStringStyle&) = delete;

  // The style that a null style means, made on first use and shared.
  static NVStringStyle* sharedDefault();
  // A scratch style for lighter (disabled) text, shared.
  static NVStringStyle* sharedScratch();

  void createFont();
  void setHeight(int height);
  void setColor(int red, int green, int blue);
  void setBold(bool bold);
  void setItalic(bool italic);
  void setFormat(int format);
  void setFaceName(NVString faceName);
  NVString getFaceName() const { return faceName_; }
  void copyFrom(const NVStringStyle& other);

  // Width of the whole string as one line; height = line height times lines.
  SIZE measure(const NVString& text) const;
  // Draws at (x, y) inside the clip rectangle (-1: the whole target),
  // raising the target's alpha where glyphs are when asked.
  void drawText(NVImage* target, int x, int y, int clipX, int clipY, int clipWidth, int clipHeight, bool raiseAlpha,
                const NVString& text) const;

  HFONT getFont() const { return font_; }
  int height = 12;
  int format = 0;
  int red = 0, green = 0, blue = 0;
  bool bold = false;
  bool italic = false;

 private:
  bool ready_ = false;
  HFONT font_ = nullptr;
  NVString faceName_;
};

// Blends black-on-white scratch text onto a target at (x, y): each scratch
// pixel's darkness gives the coverage of the colour; only target pixels
// inside [clipLeft, clipRight] x [clipTop, clipBottom] (inclusive) change.
void blendTextScratch(const NVImage& scratch, NVImage* target, int x, int y, int clipLeft, int clipTop, int clipRight,
                      int clipBottom, bool raiseAlpha, int red, int green, int blue);

// 7 on Windows Vista, other codes for older systems, 0 for newer ones.
int getSystemVersionCode();
