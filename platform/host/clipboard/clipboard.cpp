// The clipboard and the caret blink time.
//  [x] OpenClipboard (one opener at a time), EmptyClipboard, CloseClipboard
//  [x] SetClipboardData/GetClipboardData/IsClipboardFormatAvailable with
//      CF_TEXT; the clipboard owns a block given to it
//  [x] GetCaretBlinkTime, SetCaretBlinkTime
//  [x] text put on the clipboard is handed to the display driver when the
//      clipboard closes; text from the desktop arrives through
//      nvhost::input::clipboardOffered
//  [ ] other formats and their synthesis, delayed rendering
#include <cstring>
#include <map>
#include <string>

#include "platform/host/display/Display.h"
#include "platform/host/display/HostInput.h"
#include "platform/host/user/WindowRegistry.h"

using nvhost::HostLock;

namespace {

struct ClipboardState {
  bool open = false;
  bool changed = false;
  DWORD openerThread = 0;
  std::map<UINT, HANDLE> data;
};

ClipboardState& clipboard() {
  static auto* state = new ClipboardState;
  return *state;
}

bool openedByCaller(const ClipboardState& c) { return c.open && c.openerThread == GetCurrentThreadId(); }

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

// The text of the clipboard's CF_TEXT block, up to its terminator.
static std::string textOf(HANDLE block) {
  std::string text;
  auto* bytes = static_cast<const char*>(GlobalLock(block));
  if (bytes == nullptr) return text;
  text.assign(bytes, strnlen(bytes, GlobalSize(block)));
  GlobalUnlock(block);
  return text;
}

BOOL CloseClipboard() {
  HANDLE text = nullptr;
  {
    HostLock lock(nvhost::hostMutex());
    ClipboardState& c = clipboard();
    if (!openedByCaller(c)) {
      SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
      return FALSE;
    }
    c.open = false;
    if (c.changed && c.data.count(CF_TEXT)) text = c.data[CF_TEXT];
    c.changed = false;
  }
  // The block is read without the host lock (global memory has its own);
  // if another thread empties the clipboard first, its handle is refused
  // and the driver hears an empty text.
  if (text != nullptr) nvhost::display().clipboardChanged(textOf(text));
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
    c.changed = true;
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

namespace nvhost::input {

namespace {
constexpr int kOfferPatienceMs = 1000;
}

void clipboardOffered(const std::string& cp932Text) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, cp932Text.size() + 1);
  if (block == nullptr) return;
  std::memcpy(GlobalLock(block), cp932Text.c_str(), cp932Text.size() + 1);
  GlobalUnlock(block);
  // Like another program on Windows, the desktop cannot change the clipboard
  // while a thread has it open (it may be reading the block being replaced);
  // it waits a while, then gives up on this text.
  std::map<UINT, HANDLE> old;
  for (int waited = 0;; ++waited) {
    {
      HostLock lock(hostMutex());
      ClipboardState& c = clipboard();
      if (!c.open) {
        old = std::move(c.data);
        c.data.clear();
        c.data[CF_TEXT] = block;
        break;
      }
    }
    if (waited >= kOfferPatienceMs) {
      GlobalFree(block);
      return;
    }
    Sleep(1);
  }
  for (auto& [format, handle] : old) GlobalFree(handle);
}

}  // namespace nvhost::input
