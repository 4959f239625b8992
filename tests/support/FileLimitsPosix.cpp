// Read-only folders and file-size limits with POSIX calls (and, for root, the
// file system's immutable flag).
#include "tests/support/TempDir.h"

#include <csignal>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

bool setImmutable(const std::filesystem::path& folder, bool on) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return false;
  int flags = 0;
  bool ok = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  if (ok) {
    flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    ok = ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  }
  close(fd);
  return ok;
}

}  // namespace

ReadOnlyFolder::ReadOnlyFolder(const std::filesystem::path& folder) : folder_(folder) {
  if (geteuid() != 0) {
    std::error_code error;
    std::filesystem::permissions(folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec,
                                 std::filesystem::perm_options::replace, error);
    active_ = !error;
    return;
  }
  immutable_ = active_ = setImmutable(folder, true);
}

ReadOnlyFolder::~ReadOnlyFolder() {
  if (immutable_) setImmutable(folder_, false);
  std::error_code error;
  std::filesystem::permissions(folder_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, error);
}

FileSizeLimit::FileSizeLimit(unsigned long long bytes) {
  // Past the limit a write fails; the signal that comes with it must not end
  // the test.
  savedSignal_ = signal(SIGXFSZ, SIG_IGN);
  rlimit limit;
  getrlimit(RLIMIT_FSIZE, &limit);
  savedSoft_ = limit.rlim_cur;
  savedHard_ = limit.rlim_max;
  limit.rlim_cur = bytes;
  active_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

FileSizeLimit::~FileSizeLimit() {
  rlimit limit;
  limit.rlim_cur = savedSoft_;
  limit.rlim_max = savedHard_;
  setrlimit(RLIMIT_FSIZE, &limit);
  signal(SIGXFSZ, savedSignal_);
}
