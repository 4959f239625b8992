// A window-sized buffer that a stage item draws into and paints its window
// from: background colour, one image copied as it is, and one text.
#pragma once

#include "framework/compose/NVImage.h"
#include "framework/core/NVGUICoreObject.h"
#include "framework/core/NVString.h"

class NVStringStyle;

class NVDisplay : public virtual NVGUICoreObject {
 public:
  NVDisplay();
  ~NVDisplay() override;

  void allocate(int width, int height);
  void release();
  void clear(int width, int height);
  void drawImage(NVImage* image, int x, int y, int width, int height);
  void drawText(NVStringStyle* style, const NVString& text, int x, int y, int width, int height);

  HDC getBufferDC() const { return bufferDC_; }
  NVImage* getBuffer() const { return buffer_; }
  int width = 0, height = 0;
  int backgroundRed = 0, backgroundGreen = 0, backgroundBlue = 0;

 private:
  NVImage* buffer_ = nullptr;
  HDC bufferDC_ = nullptr;
  HDC sourceDC_ = nullptr;
  HGDIOBJ bufferSaved_ = nullptr;
};
