// The clipboard and the caret blink time.
//  [x] OpenClipboard (one opener at a time), EmptyClipboard, CloseClipboard
//  [x] SetClipboardData/GetClipboardData/IsClipboardFormatAvailable with
//      CF_TEXT; the clipboard owns a block given to it
//  [x] GetCaretBlinkTime, SetCaretBlinkTime
//  [ ] other formats and their synthesis, delayed rendering, the desktop's
//      own clipboard (the display driver will bridge it)
#include <map>

#include "platform/host/user/WindowRegistry.h"

using nvhost::HostLock;

namespace {

struct ClipboardState {
  bool open = false;
  DWORD openerThread = 0;
  std::map<UINT, HANDLE> data;
};

ClipboardState& clipboard() {
  static auto* state = new ClipboardState;
  return *state;
}

bool openedByCaller(const ClipboardState& c) {
  return c.open && c.openerThread == GetCurrentThreadId();
}

void freeAll(ClipboardState& c, HostLock& lock) {
  auto old = std::move(c.data);
  c.data.clear();
  lock.unlock();
  for (auto& [format, block] : old) GlobalFree(block);
  lock.lock();
}

}  // namespace

BOOL OpenClipboard(HWND /*owner*/) {
  HostLock lock(nvhost::hostMutex());
  ClipboardState& c = clipboard();
  if (c.open && c.openerThread != GetCurrentThreadId()) return FALSE;
  c.open = true;
  c.openerThread = GetCurrentThreadId();
  return TRUE;
}

BOOL CloseClipboard() {
  HostLock lock(nvhost::hostMutex());
  ClipboardState& c = clipboard();
  if (!openedByCaller(c)) {
    SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
    return FALSE;
  }
  c.open = false;
  return TRUE;
}

BOOL EmptyClipboard() {
  HostLock lock(nvhost::hostMutex());
  ClipboardState& c = clipboard();
  if (!openedByCaller(c)) {
    SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
    return FALSE;
  }
  freeAll(c, lock);
  return TRUE;
}

HANDLE SetClipboardData(UINT format, HANDLE data) {
  HANDLE replaced = nullptr;
  {
    HostLock lock(nvhost::hostMutex());
    ClipboardState& c = clipboard();
    if (!openedByCaller(c) || format != CF_TEXT || data == nullptr) {
      SetLastError(openedByCaller(c) ? ERROR_INVALID_PARAMETER : ERROR_CLIPBOARD_NOT_OPEN);
      return nullptr;
    }
    auto it = c.data.find(format);
    if (it != c.data.end() && it->second != data) replaced = it->second;
    c.data[format] = data;
  }
  if (replaced) GlobalFree(replaced);
  return data;
}

HANDLE GetClipboardData(UINT format) {
  HostLock lock(nvhost::hostMutex());
  ClipboardState& c = clipboard();
  if (!openedByCaller(c)) {
    SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
    return nullptr;
  }
  auto it = c.data.find(format);
  return it == c.data.end() ? nullptr : it->second;
}

BOOL IsClipboardFormatAvailable(UINT format) {
  HostLock lock(nvhost::hostMutex());
  return clipboard().data.count(format) != 0;
}

UINT GetCaretBlinkTime() {
  HostLock lock(nvhost::hostMutex());
  return nvhost::WindowRegistry::get().desktop().caretBlinkTime;
}

BOOL SetCaretBlinkTime(UINT milliseconds) {
  HostLock lock(nvhost::hostMutex());
  nvhost::WindowRegistry::get().desktop().caretBlinkTime = milliseconds;
  return TRUE;
}
