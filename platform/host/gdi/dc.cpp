// Device-context state of the portable host.
//  [x] SetBkMode, GetBkMode, SetTextColor, GetTextColor per device context
//  [ ] drawing into the context (bitmaps, text) and selected objects
#include <map>
#include <mutex>

#include "platform/win32.h"

namespace {

struct DCState {
  int bkMode = OPAQUE;
  COLORREF textColor = RGB(0, 0, 0);
};

std::mutex& stateMutex() {
  static std::mutex m;
  return m;
}

std::map<HDC, DCState>& states() {
  static auto* s = new std::map<HDC, DCState>;
  return *s;
}

}  // namespace

int SetBkMode(HDC dc, int mode) {
  if (!dc || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
  std::lock_guard<std::mutex> lock(stateMutex());
  DCState& s = states()[dc];
  const int old = s.bkMode;
  s.bkMode = mode;
  return old;
}

int GetBkMode(HDC dc) {
  std::lock_guard<std::mutex> lock(stateMutex());
  auto it = states().find(dc);
  return it == states().end() ? OPAQUE : it->second.bkMode;
}

COLORREF SetTextColor(HDC dc, COLORREF color) {
  if (!dc) return CLR_INVALID;
  std::lock_guard<std::mutex> lock(stateMutex());
  DCState& s = states()[dc];
  const COLORREF old = s.textColor;
  s.textColor = color;
  return old;
}

COLORREF GetTextColor(HDC dc) {
  std::lock_guard<std::mutex> lock(stateMutex());
  auto it = states().find(dc);
  return it == states().end() ? RGB(0, 0, 0) : it->second.textColor;
}
