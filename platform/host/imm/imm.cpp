// imm32 on the portable host: one input context per window.
//  [x] ImmGetContext, ImmReleaseContext, composition font and window,
//      open status, ImmGetCompositionStringA(GCS_RESULTSTR) with the last
//      committed string (length query, cut to the buffer)
//  [x] a commit becomes WM_IME_STARTCOMPOSITION, WM_IME_COMPOSITION
//      (GCS_RESULTSTR) and WM_IME_ENDCOMPOSITION for the focus window
//  [ ] composition strings in progress, candidates, WM_IME_CHAR
#include <algorithm>
#include <cstring>

#include "platform/host/user/UserInternal.h"

using nvhost::HostLock;
using nvhost::WindowRecord;
using nvhost::WindowRegistry;

namespace {

// An input context handle is its window's handle, tagged so that the two
// are never mistaken for each other.
constexpr ULONG_PTR kContextTag = 1;

HIMC contextOf(HWND window) { return reinterpret_cast<HIMC>(reinterpret_cast<ULONG_PTR>(window) | kContextTag); }

WindowRecord* windowOf(HIMC context) {
  auto bits = reinterpret_cast<ULONG_PTR>(context);
  if (!(bits & kContextTag)) return nullptr;
  return WindowRegistry::get().find(reinterpret_cast<HWND>(bits & ~kContextTag));
}

}  // namespace

namespace nvhost {

void deliverImeCommit(HWND window, const std::string& cp932) {
  {
    HostLock lock(hostMutex());
    WindowRecord* r = WindowRegistry::get().find(window);
    if (r == nullptr) return;
    r->ime.result = cp932;
  }
  auto first = static_cast<BYTE>(cp932[0]);
  WPARAM character = first;
  if (cp932.size() > 1 && ((first >= 0x81 && first <= 0x9F) || (first >= 0xE0 && first <= 0xFC))) {
    character = (static_cast<WPARAM>(first) << 8) | static_cast<BYTE>(cp932[1]);
  }
  SendMessageA(window, WM_IME_STARTCOMPOSITION, 0, 0);
  SendMessageA(window, WM_IME_COMPOSITION, character, GCS_RESULTSTR | GCS_RESULTREADSTR);
  SendMessageA(window, WM_IME_ENDCOMPOSITION, 0, 0);
}

}  // namespace nvhost

HIMC ImmGetContext(HWND window) {
  HostLock lock(nvhost::hostMutex());
  return WindowRegistry::get().find(window) ? contextOf(window) : nullptr;
}

BOOL ImmReleaseContext(HWND /*window*/, HIMC context) { return context != nullptr; }

BOOL ImmSetCompositionFontA(HIMC context, LPLOGFONTA font) {
  HostLock lock(nvhost::hostMutex());
  WindowRecord* r = windowOf(context);
  if (r == nullptr || font == nullptr) return FALSE;
  r->ime.font = *font;
  return TRUE;
}

BOOL ImmGetCompositionFontA(HIMC context, LPLOGFONTA font) {
  HostLock lock(nvhost::hostMutex());
  WindowRecord* r = windowOf(context);
  if (r == nullptr || font == nullptr) return FALSE;
  *font = r->ime.font;
  return TRUE;
}

BOOL ImmSetCompositionWindow(HIMC context, LPCOMPOSITIONFORM form) {
  HostLock lock(nvhost::hostMutex());
  WindowRecord* r = windowOf(context);
  if (r == nullptr || form == nullptr) return FALSE;
  r->ime.form = *form;
  return TRUE;
}

BOOL ImmGetCompositionWindow(HIMC context, LPCOMPOSITIONFORM form) {
  HostLock lock(nvhost::hostMutex());
  WindowRecord* r = windowOf(context);
  if (r == nullptr || form == nullptr) return FALSE;
  *form = r->ime.form;
  return TRUE;
}

LONG ImmGetCompositionStringA(HIMC context, DWORD index, LPVOID buffer, DWORD bytes) {
  HostLock lock(nvhost::hostMutex());
  WindowRecord* r = windowOf(context);
  if (r == nullptr) return IMM_ERROR_GENERAL;
  if (index != GCS_RESULTSTR && index != GCS_RESULTREADSTR) return 0;
  const std::string& text = r->ime.result;
  if (bytes == 0 || buffer == nullptr) return static_cast<LONG>(text.size());
  size_t n = std::min<size_t>(text.size(), bytes);
  std::memcpy(buffer, text.data(), n);
  return static_cast<LONG>(n);
}

BOOL ImmGetOpenStatus(HIMC context) {
  HostLock lock(nvhost::hostMutex());
  WindowRecord* r = windowOf(context);
  return r != nullptr && r->ime.open;
}

BOOL ImmSetOpenStatus(HIMC context, BOOL open) {
  HWND window = nullptr;
  {
    HostLock lock(nvhost::hostMutex());
    WindowRecord* r = windowOf(context);
    if (r == nullptr) return FALSE;
    if (r->ime.open == (open != FALSE)) return TRUE;
    r->ime.open = open != FALSE;
    window = r->handle;
  }
  SendMessageA(window, WM_IME_NOTIFY, IMN_SETOPENSTATUS, 0);
  return TRUE;
}
