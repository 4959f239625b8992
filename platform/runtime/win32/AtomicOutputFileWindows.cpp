#include <cstdio>
#include <random>

#include "platform/win32.h"
#include "platform/runtime/AtomicOutputFile.h"
#include "platform/runtime/NativePath.h"
#include "platform/runtime/ProcessGuards.h"

namespace nvrt {

namespace {
HANDLE asHandle(std::intptr_t h) { return reinterpret_cast<HANDLE>(h); }
}  // namespace

AtomicOutputFile::~AtomicOutputFile() { discard(); }

bool AtomicOutputFile::open(std::string_view cp932Target) {
  if (isOpen()) return false;
  targetPath_ = nativePath(cp932Target);
  const DWORD attributes = GetFileAttributesW(targetPath_.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
    return false;
  static std::mt19937 random(std::random_device{}() ^ GetCurrentProcessId());
  for (int attempt = 0; attempt < 100; ++attempt) {
    wchar_t name[32];
    std::swprintf(name, 32, L".noUV-%08lx.tmp", static_cast<unsigned long>(random()));
    tempPath_ = targetPath_.parent_path() / name;
    // Recorded first, so that an interruption right after the creation
    // still removes the file; shared for deletion, so that it can be.
    setPendingTemporaryFile(tempPath_.c_str());
    HANDLE h = CreateFileW(tempPath_.c_str(), GENERIC_WRITE, FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
      handle_ = reinterpret_cast<std::intptr_t>(h);
      return true;
    }
    const DWORD error = GetLastError();
    clearPendingTemporaryFile();
    if (error != ERROR_FILE_EXISTS) break;
  }
  tempPath_.clear();
  return false;
}

bool AtomicOutputFile::write(const void* data, std::size_t size) {
  if (!isOpen()) return false;
  const char* p = static_cast<const char*>(data);
  while (size > 0) {
    const DWORD chunk = size > 0x40000000u ? 0x40000000u : static_cast<DWORD>(size);
    DWORD written = 0;
    if (!WriteFile(asHandle(handle_), p, chunk, &written, nullptr) || written == 0) return false;
    p += written;
    size -= written;
  }
  return true;
}

bool AtomicOutputFile::seek(std::int64_t offset) {
  LARGE_INTEGER to;
  to.QuadPart = offset;
  return isOpen() && offset >= 0 && SetFilePointerEx(asHandle(handle_), to, nullptr, FILE_BEGIN);
}

bool AtomicOutputFile::commit() {
  if (!isOpen()) return false;
  HANDLE h = asHandle(handle_);
  handle_ = kClosed;
  const bool closed = CloseHandle(h) != 0;
  if (closed &&
      MoveFileExW(tempPath_.c_str(), targetPath_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    clearPendingTemporaryFile();
    tempPath_.clear();
    return true;
  }
  DeleteFileW(tempPath_.c_str());
  clearPendingTemporaryFile();
  tempPath_.clear();
  return false;
}

void AtomicOutputFile::discard() {
  if (isOpen()) {
    CloseHandle(asHandle(handle_));
    handle_ = kClosed;
  }
  if (!tempPath_.empty()) {
    DeleteFileW(tempPath_.c_str());
    clearPendingTemporaryFile();
    tempPath_.clear();
  }
}

}  // namespace nvrt
