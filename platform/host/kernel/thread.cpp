// kernel32 threads, errors, the current directory and the version.
//  [x] GetCurrentThreadId (ids are never reused), Sleep, GetLastError,
//      SetLastError, GetModuleHandleA for the program
//  [x] SetCurrentDirectoryA with code page 932 names
//  [x] GetVersionExA reports Windows NT 6.1 (build 7601, Service Pack 1)
//  [ ] thread creation and handles, other modules
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <thread>

#include "platform/runtime/TextCodec.h"
#include "platform/win32.h"

namespace {
thread_local DWORD lastError = 0;
}  // namespace

DWORD GetCurrentThreadId() {
  static std::atomic<DWORD> next{0x100};
  thread_local DWORD id = next.fetch_add(4);
  return id;
}

void Sleep(DWORD milliseconds) {
  if (milliseconds == 0) {
    std::this_thread::yield();
    return;
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

DWORD GetLastError() { return lastError; }

void SetLastError(DWORD error) { lastError = error; }

HMODULE GetModuleHandleA(LPCSTR moduleName) {
  if (moduleName != nullptr) return nullptr;
  static int programImage;
  return reinterpret_cast<HMODULE>(&programImage);
}

BOOL SetCurrentDirectoryA(LPCSTR path) {
  if (path == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (chdir(nvrt::cp932NameToUtf8(path).c_str()) != 0) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return FALSE;
  }
  return TRUE;
}

BOOL GetVersionExA(LPOSVERSIONINFOA info) {
  if (info == nullptr || info->dwOSVersionInfoSize < sizeof(OSVERSIONINFOA)) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  info->dwMajorVersion = 6;
  info->dwMinorVersion = 1;
  info->dwBuildNumber = 7601;
  info->dwPlatformId = VER_PLATFORM_WIN32_NT;
  std::memset(info->szCSDVersion, 0, sizeof(info->szCSDVersion));
  std::strcpy(info->szCSDVersion, "Service Pack 1");
  return TRUE;
}
