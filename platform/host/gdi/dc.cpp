// Device contexts of the portable host.
//  [x] CreateCompatibleDC (a memory context with a 1 x 1 bitmap and the
//      system font selected), DeleteDC
//  [x] SelectObject of bitmaps (memory contexts), fonts and brushes,
//      returning the previous object
//  [x] SetBkMode, GetBkMode, SetBkColor, GetBkColor, SetTextColor,
//      GetTextColor per context, window contexts included
//  [x] GetDeviceCaps: HORZRES, VERTRES, BITSPIXEL, PLANES, LOGPIXELSX/Y
//  [ ] mapping modes, viewport and window origins, clip regions, SaveDC
#include <map>
#include <mutex>
#include <vector>

#include "platform/runtime/RankedMutex.h"

#include "platform/host/gdi/DeviceContexts.h"
#include "platform/host/user/WindowDC.h"
#include "platform/host/user/WindowRegistry.h"
#include "platform/win32.h"

namespace nvhost::gdi {

namespace {

nvrt::RankedMutex& stateMutex() {
  static auto* m = new nvrt::RankedMutex(nvrt::LockRank::dcState, "stateMutex");
  return *m;
}

std::map<HDC, DCState>& states() {
  static auto* s = new std::map<HDC, DCState>;
  return *s;
}

// Window contexts end in user32 (ReleaseDC, EndPaint) without telling gdi,
// so the states of released ones are swept whenever the table has doubled.
std::size_t sweepAt = 64;

bool liveWindowDC(HDC dc) {
  HostLock lock(hostMutex());
  return findWindowDC(dc) != nullptr;
}

// Drops the states of window contexts that user32 has released. The host
// lock comes before the state lock, so the check runs with the state lock let
// go and the table is swept once it is taken again.
void sweepReleased(std::unique_lock<nvrt::RankedMutex>& stateLock) {
  std::vector<HDC> windowContexts;
  for (const auto& entry : states())
    if (!entry.second.memory) windowContexts.push_back(entry.first);
  stateLock.unlock();
  std::vector<HDC> released;
  {
    HostLock lock(hostMutex());
    for (HDC dc : windowContexts)
      if (findWindowDC(dc) == nullptr) released.push_back(dc);
  }
  stateLock.lock();
  for (HDC dc : released) {
    auto it = states().find(dc);
    if (it != states().end() && !it->second.memory) states().erase(it);
  }
  sweepAt = states().size() * 2 + 64;
}

// The state of a memory context or live window context, created for a window
// context on first use; null for any other handle. Called with the state lock
// held, which it lets go while it asks user32 about a handle it does not know.
DCState* stateLocked(HDC dc, std::unique_lock<nvrt::RankedMutex>& stateLock) {
  auto it = states().find(dc);
  if (it != states().end()) return &it->second;
  if (dc == nullptr) return nullptr;
  stateLock.unlock();
  const bool live = liveWindowDC(dc);
  stateLock.lock();
  if (!live) return nullptr;
  if (states().find(dc) == states().end() && states().size() >= sweepAt) sweepReleased(stateLock);
  return &states()[dc];
}

HDC newMemoryHandle() {
  // Window contexts are multiples of four; memory contexts never are.
  static std::uintptr_t next = 0x30002;
  next += 4;
  return reinterpret_cast<HDC>(next);
}

HGDIOBJ selectBitmap(DCState& s, HGDIOBJ object, PixelsRef& pixels) {
  if (!s.memory) return nullptr;
  HGDIOBJ previous = s.bitmap;
  s.bitmap = object;
  std::swap(s.pixels, pixels);
  return previous;
}

HGDIOBJ selectFont(DCState& s, HGDIOBJ object, text::FontRef& font) {
  HGDIOBJ previous = s.font ? s.font : defaultFont();
  s.font = object;
  std::swap(s.fontRef, font);
  return previous;
}

}  // namespace

bool dcState(HDC dc, DCState& state) {
  std::unique_lock lock(stateMutex());
  DCState* s = stateLocked(dc, lock);
  if (s == nullptr) return false;
  state = *s;
  return true;
}

bool windowOfDC(HDC dc, HWND& window) {
  HostLock lock(hostMutex());
  WindowDC* record = findWindowDC(dc);
  if (record == nullptr) return false;
  window = record->window;
  return true;
}

}  // namespace nvhost::gdi

using namespace nvhost::gdi;
namespace text = nvhost::text;

HDC CreateCompatibleDC(HDC /*dc*/) {
  DCState s;
  s.memory = true;
  s.bitmap = defaultBitmap();
  s.pixels = bitmapPixels(s.bitmap);
  std::lock_guard lock(stateMutex());
  HDC handle = newMemoryHandle();
  states()[handle] = std::move(s);
  return handle;
}

BOOL DeleteDC(HDC dc) {
  DCState doomed;  // released outside the lock
  std::lock_guard lock(stateMutex());
  auto it = states().find(dc);
  if (it == states().end() || !it->second.memory) return FALSE;
  doomed = std::move(it->second);
  states().erase(it);
  return TRUE;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
  PixelsRef pixels = bitmapPixels(object);
  text::FontRef font = pixels ? nullptr : fontOf(object);
  const bool brush = !pixels && !font && brushInfo(static_cast<HBRUSH>(object)).valid;
  std::unique_lock lock(stateMutex());
  DCState* s = stateLocked(dc, lock);
  if (s == nullptr) return nullptr;
  if (pixels) return selectBitmap(*s, object, pixels);
  if (font) return selectFont(*s, object, font);
  if (!brush) return nullptr;
  HGDIOBJ previous = s->brush ? s->brush : GetStockObject(WHITE_BRUSH);
  s->brush = object;
  return previous;
}

int SetBkMode(HDC dc, int mode) {
  if (mode != TRANSPARENT && mode != OPAQUE) return 0;
  std::unique_lock lock(stateMutex());
  DCState* s = stateLocked(dc, lock);
  if (s == nullptr) return 0;
  const int old = s->bkMode;
  s->bkMode = mode;
  return old;
}

int GetBkMode(HDC dc) {
  DCState s;
  return dcState(dc, s) ? s.bkMode : 0;
}

COLORREF SetBkColor(HDC dc, COLORREF color) {
  std::unique_lock lock(stateMutex());
  DCState* s = stateLocked(dc, lock);
  if (s == nullptr) return CLR_INVALID;
  const COLORREF old = s->bkColor;
  s->bkColor = color & 0xFFFFFF;
  return old;
}

COLORREF GetBkColor(HDC dc) {
  DCState s;
  return dcState(dc, s) ? s.bkColor : CLR_INVALID;
}

COLORREF SetTextColor(HDC dc, COLORREF color) {
  std::unique_lock lock(stateMutex());
  DCState* s = stateLocked(dc, lock);
  if (s == nullptr) return CLR_INVALID;
  const COLORREF old = s->textColor;
  s->textColor = color & 0xFFFFFF;
  return old;
}

COLORREF GetTextColor(HDC dc) {
  DCState s;
  return dcState(dc, s) ? s.textColor : CLR_INVALID;
}

int GetDeviceCaps(HDC /*dc*/, int index) {
  RECT desktop{};
  {
    nvhost::HostLock lock(nvhost::hostMutex());
    desktop = nvhost::WindowRegistry::get().desktop().desktop;
  }
  switch (index) {
    case HORZRES: return desktop.right - desktop.left;
    case VERTRES: return desktop.bottom - desktop.top;
    case BITSPIXEL: return 32;
    case PLANES: return 1;
    case LOGPIXELSX:
    case LOGPIXELSY: return 96;
    default: return 0;
  }
}
