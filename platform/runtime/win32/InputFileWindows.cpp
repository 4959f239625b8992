#include "platform/win32.h"
#include "platform/runtime/InputFile.h"
#include "platform/runtime/NativePath.h"

namespace nvrt {

namespace {
HANDLE asHandle(std::intptr_t h) { return reinterpret_cast<HANDLE>(h); }

// Volume and file number of an open file.
bool identify(HANDLE h, std::uint64_t identity[2]) {
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(h, &info)) return false;
  identity[0] = info.dwVolumeSerialNumber;
  identity[1] = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
  return true;
}
}  // namespace

InputFile::~InputFile() { close(); }

bool InputFile::open(std::string_view cp932Path) {
  if (isOpen()) return false;
  const std::wstring native = nativePath(cp932Path).wstring();
  HANDLE h = CreateFileW(native.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                         FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  if (GetFileType(h) != FILE_TYPE_DISK) {
    CloseHandle(h);
    return false;
  }
  identified_ = identify(h, identity_);
  handle_ = reinterpret_cast<std::intptr_t>(h);
  return true;
}

bool InputFile::isSameFileAs(std::string_view cp932Path) const {
  if (!identified_) return false;
  const std::wstring native = nativePath(cp932Path).wstring();
  // No access asked: only the file's identity is read.
  HANDLE h = CreateFileW(native.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  std::uint64_t other[2];
  const bool same = identify(h, other) && other[0] == identity_[0] && other[1] == identity_[1];
  CloseHandle(h);
  return same;
}

std::ptrdiff_t InputFile::read(void* buffer, std::size_t size) {
  if (!isOpen()) return -1;
  DWORD got = 0;
  const DWORD want = size > 0x40000000u ? 0x40000000u : static_cast<DWORD>(size);
  if (!ReadFile(asHandle(handle_), buffer, want, &got, nullptr)) return -1;
  return static_cast<std::ptrdiff_t>(got);
}

bool InputFile::seek(std::int64_t offset) {
  LARGE_INTEGER to;
  to.QuadPart = offset;
  return isOpen() && offset >= 0 && SetFilePointerEx(asHandle(handle_), to, nullptr, FILE_BEGIN);
}

std::int64_t InputFile::size() const {
  LARGE_INTEGER size;
  if (!isOpen() || !GetFileSizeEx(asHandle(handle_), &size)) return -1;
  return size.QuadPart;
}

void InputFile::close() {
  if (!isOpen()) return;
  CloseHandle(asHandle(handle_));
  handle_ = kClosed;
}

}  // namespace nvrt
