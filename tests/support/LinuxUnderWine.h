// Under Wine a Windows test program is a Linux process: where Windows itself
// offers no way to make a folder refuse new files for an administrator, or to
// limit the size of the files a process writes, the test helpers ask the
// Linux kernel directly, as the Linux build's helpers do. On Windows these
// report that they cannot (`underWine()` is false) and call nothing.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace linux_under_wine {

// Whether this process runs under Wine (its kernel32 names Unix files).
bool underWine();

// The Unix name of a Windows path, empty when there is none.
std::string unixPath(const std::filesystem::path& path);

// The Linux calls the helpers need; each returns the kernel's result (a
// negative errno on failure).
std::int64_t geteuid();
std::int64_t openFolder(const std::string& unixPath);
std::int64_t close(std::int64_t fd);
std::int64_t chmod(const std::string& unixPath, unsigned mode);
// FS_IOC_GETFLAGS / FS_IOC_SETFLAGS on an open file.
std::int64_t getInodeFlags(std::int64_t fd, int* flags);
std::int64_t setInodeFlags(std::int64_t fd, const int* flags);

// RLIMIT_FSIZE of this process: read and replace in one call.
struct FileSizeLimits {
  std::uint64_t soft;
  std::uint64_t hard;
};
std::int64_t exchangeFileSizeLimit(const FileSizeLimits* set, FileSizeLimits* old);

// SIGXFSZ's disposition: ignored (writes past the limit then fail with EFBIG)
// or put back as it was.
std::int64_t ignoreFileSizeSignal();
std::int64_t restoreFileSizeSignal();

}  // namespace linux_under_wine
