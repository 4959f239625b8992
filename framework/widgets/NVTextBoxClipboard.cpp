#include "framework/widgets/NVTextBoxClipboard.h"

#include <cstring>

#include "platform/win32.h"

NVString getClipboardText() {
  if (!IsClipboardFormatAvailable(CF_TEXT) || !OpenClipboard(nullptr)) return NVString("");
  NVString result("");
  HANDLE block = GetClipboardData(CF_TEXT);
  // Another program may have left an empty or unlockable block behind.
  const char* bytes = block ? static_cast<const char*>(GlobalLock(block)) : nullptr;
  if (bytes) {
    result = NVString(bytes);
    GlobalUnlock(block);
  }
  CloseClipboard();
  return result;
}

void setClipboardText(NVString text) {
  const std::size_t size = static_cast<std::size_t>(text.length()) + 2;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE, size);
  if (!block) return;
  char* bytes = static_cast<char*>(GlobalLock(block));
  if (!bytes) {
    GlobalFree(block);
    return;
  }
  std::memset(bytes, 0, size);
  std::memcpy(bytes, text.cStr(), static_cast<std::size_t>(text.length()));
  GlobalUnlock(block);
  if (!OpenClipboard(nullptr)) {
    GlobalFree(block);
    return;
  }
  EmptyClipboard();
  // Once set, the block belongs to the clipboard; it is freed only on failure.
  if (!SetClipboardData(CF_TEXT, block)) GlobalFree(block);
  CloseClipboard();
}
