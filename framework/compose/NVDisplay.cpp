#include "framework/compose/NVDisplay.h"

#include "framework/compose/NVStringStyle.h"
#include "framework/core/NVPalette.h"

NVDisplay::NVDisplay() {
  typeName = "NVDisplay";
  buffer_ = new NVImage();
  const std::uint32_t bg = getPaletteColor(NVString("background"));
  backgroundRed = (bg >> 16) & 0xFF, backgroundGreen = (bg >> 8) & 0xFF, backgroundBlue = bg & 0xFF;
}

NVDisplay::~NVDisplay() {
  release();
  delete buffer_;
}

void NVDisplay::allocate(int newWidth, int newHeight) {
  release();
  bufferDC_ = CreateCompatibleDC(nullptr);
  sourceDC_ = CreateCompatibleDC(nullptr);
  width = newWidth, height = newHeight;
  buffer_->resize(newWidth, newHeight);
  buffer_->fill(backgroundRed, backgroundGreen, backgroundBlue, 255);
  bufferSaved_ = SelectObject(bufferDC_, buffer_->getBitmap());
}

void NVDisplay::release() {
  if (bufferDC_) {
    SelectObject(bufferDC_, bufferSaved_);
    DeleteDC(bufferDC_);
    bufferDC_ = nullptr;
  }
  if (sourceDC_) {
    DeleteDC(sourceDC_);
    sourceDC_ = nullptr;
  }
  if (buffer_->getWidth() != 1 || buffer_->getHeight() != 1) buffer_->resize(1, 1);
}

void NVDisplay::clear(int w, int h) {
  NVImage background(w, h);
  background.fill(backgroundRed, backgroundGreen, backgroundBlue, 255);
  if (!bufferDC_) return;
  HGDIOBJ old = SelectObject(sourceDC_, background.getBitmap());
  BitBlt(bufferDC_, 0, 0, w, h, sourceDC_, 0, 0, SRCCOPY);
  SelectObject(sourceDC_, old);
}

void NVDisplay::drawImage(NVImage* image, int x, int y, int w, int h) {
  if (!image || !image->isValid() || !bufferDC_) return;
  HGDIOBJ old = SelectObject(sourceDC_, image->getBitmap());
  BitBlt(bufferDC_, x, y, w, h, sourceDC_, 0, 0, SRCCOPY);
  SelectObject(sourceDC_, old);
}

void NVDisplay::drawText(NVStringStyle* style, const NVString& text, int x, int y, int w, int h) {
  if (text.isEmpty() || !bufferDC_) return;
  (style ? style : NVStringStyle::sharedDefault())->drawText(buffer_, x, y, 0, 0, w, h, false, text);
}
