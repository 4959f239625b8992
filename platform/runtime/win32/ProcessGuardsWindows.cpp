#include <atomic>
#include <cwchar>

#include "platform/win32.h"
#include "platform/runtime/ProcessGuards.h"

namespace nvrt {

namespace {

// Two fixed buffers, so that a new name is written while the other may still
// be read by the console handler's thread.
constexpr size_t kMaxName = 32768;
wchar_t gNames[2][kMaxName];
unsigned gNextName = 0;
std::atomic<const wchar_t*> gPending{nullptr};

BOOL WINAPI onConsoleEvent(DWORD) {
  removePendingTemporaryFile();
  // Not handled: the system's default ends the process.
  return FALSE;
}

}  // namespace

// Windows gives a process its standard handles or none; a missing one is
// never taken by a file the program opens.
void reserveStandardDescriptors() {}

// Windows has no closed-pipe signal: a write to a closed pipe fails.
void removeTemporaryFileOnSignals(bool) { SetConsoleCtrlHandler(onConsoleEvent, TRUE); }

void removePendingTemporaryFile() {
  // The file is still open for writing; it shares deletion, so it goes when
  // the process ends and its handle closes.
  if (const wchar_t* name = gPending.exchange(nullptr)) DeleteFileW(name);
}

void setPendingTemporaryFile(const void* nativePath) {
  const wchar_t* path = static_cast<const wchar_t*>(nativePath);
  const size_t length = std::wcslen(path);
  if (length >= kMaxName) return clearPendingTemporaryFile();
  wchar_t* slot = gNames[gNextName++ & 1];
  std::wmemcpy(slot, path, length + 1);
  gPending.store(slot);
}

void clearPendingTemporaryFile() { gPending.store(nullptr); }

}  // namespace nvrt
