#include "framework/compose/NVStageItem.h"

#include <algorithm>
#include <mutex>

#include "framework/compose/NVStringStyle.h"
#include "framework/core/NVEngineLock.h"
#include "platform/win32_layered.h"

NVStageItem::NVStageItem(int newX, int newY, int newWidth, int newHeight) {
  typeName = "NVStageItem";
  stageKind = NVStageKind::Plain;
  setWindowParams(WS_CHILD, 0, NVString("NV_TOUMEI"), NVString(""));
  x = newX, y = newY;
  width = std::max(newWidth, 1), height = std::max(newHeight, 1);
  resetDirty();
}

NVStageItem::~NVStageItem() {
  std::lock_guard lock(engineLock);
  if (display) {
    display->release();
    delete display;
    display = nullptr;
  }
}

void NVStageItem::setImage(NVImage* newImage) {
  image = newImage;
  redraw();
  invalidate(true);
}

void NVStageItem::setText(NVString newText) {
  text = newText;
  redraw();
  invalidate(true);
}

void NVStageItem::setTextStyle(NVStringStyle* style) {
  textStyle = style;
  redraw();
  invalidate(true);
}

void NVStageItem::setTextPosition(int newX, int newY) {
  textX = newX, textY = newY;
  redraw();
  invalidate(true);
}

void NVStageItem::setImagePosition(int newX, int newY) {
  imageX = newX, imageY = newY;
  redraw();
  invalidate(true);
}

// The display is written here on the main thread and read by the window
// thread's paint; the engine lock keeps the two apart.
void NVStageItem::redraw() {
  std::lock_guard lock(engineLock);
  if (!display) return;
  display->clear(width, height);
  display->drawImage(image, imageX, imageY, width - imageX, height - imageY);
  NVStringStyle* style = textStyle ? textStyle : NVStringStyle::sharedDefault();
  if (isEnabled()) {
    display->drawText(style, text, textX, textY, width, height);
    return;
  }
  NVStringStyle lighter;
  lighter.copyFrom(*style);
  lighter.setColor((style->red + 255) / 2, (style->green + 255) / 2, (style->blue + 255) / 2);
  display->drawText(&lighter, text, textX, textY, width, height);
}

bool NVStageItem::setRect(int newX, int newY, int newWidth, int newHeight) {
  newWidth = std::max(newWidth, 1), newHeight = std::max(newHeight, 1);
  const bool result = NVStageBase::setRect(newX, newY, newWidth, newHeight);
  std::lock_guard lock(engineLock);
  if (display && (display->width != newWidth || display->height != newHeight)) display->allocate(newWidth, newHeight);
  return result;
}

void NVStageItem::setEnabled(bool on) {
  NVStageBase::setEnabled(on);
  redraw();
}

void NVStageItem::onCreated() {
  {
    std::lock_guard lock(engineLock);
    if (!display) display = new NVDisplay();
    display->allocate(width, height);
  }
  if (alpha < 255 && !parent) applyAlpha();
  redraw();
}

// Only an item that is a window of its own can be translucent: the window
// system blends a layered top-level window with what lies below it. Inside a
// parent window the item stays opaque.
void NVStageItem::setAlpha(int newAlpha) {
  if (parent) return;
  alpha = std::clamp(newAlpha, 0, 255);
  if (!hwnd) return;
  applyAlpha();
  redraw();
  invalidate(true);
}

void NVStageItem::applyAlpha() {
  const HWND window = hwnd;
  SetWindowLongA(window, GWL_EXSTYLE, GetWindowLongA(window, GWL_EXSTYLE) | WS_EX_LAYERED);
  SetLayeredWindowAttributes(window, 0, static_cast<BYTE>(alpha), LWA_ALPHA);
}

void NVStageItem::onDestroying() {
  std::lock_guard lock(engineLock);
  if (!display) return;
  display->release();
  delete display;
  display = nullptr;
}

// Reads the dirty rectangle, copies it and resets it in one hold of the
// lock, so that a redraw made meanwhile is either copied or stays dirty.
// The device context is taken without waiting (the caller may hold the
// lock); when all six are in use the area is left to the window's paint.
void NVStageItem::present() {
  HDC dc = tryAcquireDC();
  std::lock_guard lock(engineLock);
  const int left = std::max(dirty.left - 2, 0), top = std::max(dirty.top - 2, 0);
  const int w = std::min(width - left, dirty.right - left + 4), h = std::min(height - top, dirty.bottom - top + 4);
  if (w > 0 && h > 0 && display) {
    if (!dc) {
      const RECT area = {left, top, left + w, top + h};
      InvalidateRect(hwnd, &area, FALSE);
    } else if (display->getBufferDC()) {
      BitBlt(dc, left, top, w, h, display->getBufferDC(), left, top, SRCCOPY);
    }
  }
  resetDirty();
  releaseDC(dc);
}

void NVStageItem::invalidateDirty() { present(); }

void NVStageItem::paint(HDC) { present(); }
