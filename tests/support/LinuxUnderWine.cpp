#include "tests/support/LinuxUnderWine.h"

#include <cstring>

#include "platform/win32.h"

namespace linux_under_wine {
namespace {

// The call numbers and ioctl requests of the process's own architecture.
#if defined(__x86_64__)
constexpr std::int64_t kOpen = 2, kClose = 3, kIoctl = 16, kChmod = 90, kGeteuid = 107, kRtSigaction = 13,
                       kPrlimit64 = 302;
constexpr std::int64_t kGetFlags = 0x80086601, kSetFlags = 0x40086602;
#elif defined(__i386__)
constexpr std::int64_t kOpen = 5, kClose = 6, kIoctl = 54, kChmod = 15, kGeteuid = 201 /* geteuid32 */,
                       kRtSigaction = 174, kPrlimit64 = 340;
constexpr std::int64_t kGetFlags = 0x80046601, kSetFlags = 0x40046602;
#else
#error "Linux calls under Wine: an unknown architecture"
#endif
constexpr std::int64_t kOpenReadOnlyFolder = 0x10000;  // O_RDONLY | O_DIRECTORY
constexpr int kFileSizeSignal = 25;                    // SIGXFSZ
constexpr std::int64_t kFileSizeResource = 1;          // RLIMIT_FSIZE

std::int64_t call(std::int64_t number, std::uintptr_t a = 0, std::uintptr_t b = 0, std::uintptr_t c = 0,
                  std::uintptr_t d = 0) {
  if (!underWine()) return -38;  // ENOSYS: never on Windows itself
#if defined(__x86_64__)
  std::int64_t result;
  register std::uintptr_t r10 asm("r10") = d;
  asm volatile("syscall" : "=a"(result) : "a"(number), "D"(a), "S"(b), "d"(c), "r"(r10) : "rcx", "r11", "memory");
  return result;
#else
  std::int32_t result;
  asm volatile("int $0x80"
               : "=a"(result)
               : "a"(static_cast<std::int32_t>(number)), "b"(a), "c"(b), "d"(c), "S"(d)
               : "memory");
  return result;
#endif
}

// The kernel's struct sigaction: handler, flags, restorer, then the mask.
struct KernelSigaction {
  std::uintptr_t handler;
  std::uintptr_t flags;
  std::uintptr_t restorer;
  std::uint32_t mask[2];
};
KernelSigaction savedAction;

using UnixFileName = char*(__cdecl*)(const wchar_t*);

UnixFileName unixFileName() {
  static const UnixFileName function = reinterpret_cast<UnixFileName>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  return function;
}

}  // namespace

bool underWine() { return unixFileName() != nullptr; }

std::string unixPath(const std::filesystem::path& path) {
  if (!underWine()) return {};
  char* name = unixFileName()(path.c_str());
  if (name == nullptr) return {};
  std::string result(name);
  HeapFree(GetProcessHeap(), 0, name);
  return result;
}

std::int64_t geteuid() { return call(kGeteuid); }

std::int64_t openFolder(const std::string& unixPath) {
  return call(kOpen, reinterpret_cast<std::uintptr_t>(unixPath.c_str()), kOpenReadOnlyFolder);
}

std::int64_t close(std::int64_t fd) { return call(kClose, static_cast<std::uintptr_t>(fd)); }

std::int64_t chmod(const std::string& unixPath, unsigned mode) {
  return call(kChmod, reinterpret_cast<std::uintptr_t>(unixPath.c_str()), mode);
}

std::int64_t getInodeFlags(std::int64_t fd, int* flags) {
  return call(kIoctl, static_cast<std::uintptr_t>(fd), static_cast<std::uintptr_t>(kGetFlags),
              reinterpret_cast<std::uintptr_t>(flags));
}

std::int64_t setInodeFlags(std::int64_t fd, const int* flags) {
  return call(kIoctl, static_cast<std::uintptr_t>(fd), static_cast<std::uintptr_t>(kSetFlags),
              reinterpret_cast<std::uintptr_t>(flags));
}

std::int64_t exchangeFileSizeLimit(const FileSizeLimits* set, FileSizeLimits* old) {
  return call(kPrlimit64, 0, kFileSizeResource, reinterpret_cast<std::uintptr_t>(set),
              reinterpret_cast<std::uintptr_t>(old));
}

std::int64_t ignoreFileSizeSignal() {
  KernelSigaction ignore;
  std::memset(&ignore, 0, sizeof ignore);
  ignore.handler = 1;  // SIG_IGN
  return call(kRtSigaction, kFileSizeSignal, reinterpret_cast<std::uintptr_t>(&ignore),
              reinterpret_cast<std::uintptr_t>(&savedAction), sizeof savedAction.mask);
}

std::int64_t restoreFileSizeSignal() {
  return call(kRtSigaction, kFileSizeSignal, reinterpret_cast<std::uintptr_t>(&savedAction), 0,
              sizeof savedAction.mask);
}

}  // namespace linux_under_wine
