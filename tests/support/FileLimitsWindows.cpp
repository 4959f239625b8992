// Windows has neither a per-process file-size limit nor a folder mode that
// stops an administrator: on Windows itself both helpers say so and the tests
// that need them skip. Under Wine they set the limit and the folder's mode
// (for root its immutable flag) through the Linux kernel, as on Linux.
#include "tests/support/TempDir.h"

#include "tests/support/LinuxUnderWine.h"

namespace wine = linux_under_wine;

namespace {

constexpr int kImmutable = 0x10;  // FS_IMMUTABLE_FL

bool setImmutable(const std::string& folder, bool on) {
  const std::int64_t fd = wine::openFolder(folder);
  if (fd < 0) return false;
  int flags = 0;
  bool ok = wine::getInodeFlags(fd, &flags) == 0;
  if (ok) {
    flags = on ? (flags | kImmutable) : (flags & ~kImmutable);
    ok = wine::setInodeFlags(fd, &flags) == 0;
  }
  wine::close(fd);
  return ok;
}

}  // namespace

ReadOnlyFolder::ReadOnlyFolder(const std::filesystem::path& folder) : folder_(folder) {
  const std::string unix = wine::unixPath(folder);
  if (unix.empty()) return;
  if (wine::geteuid() != 0) {
    active_ = wine::chmod(unix, 0500) == 0;
    return;
  }
  immutable_ = active_ = setImmutable(unix, true);
}

ReadOnlyFolder::~ReadOnlyFolder() {
  if (!active_) return;
  const std::string unix = wine::unixPath(folder_);
  if (immutable_) {
    setImmutable(unix, false);
  } else {
    wine::chmod(unix, 0700);
  }
}

FileSizeLimit::FileSizeLimit(unsigned long long bytes) {
  if (!wine::underWine()) return;
  // Past the limit a write fails; the signal that comes with it must not end
  // the test.
  if (wine::ignoreFileSizeSignal() != 0) return;
  wine::FileSizeLimits saved{};
  wine::FileSizeLimits limit{};
  if (wine::exchangeFileSizeLimit(nullptr, &saved) != 0) {
    wine::restoreFileSizeSignal();
    return;
  }
  savedSoft_ = saved.soft;
  savedHard_ = saved.hard;
  limit.soft = bytes;
  limit.hard = saved.hard;
  active_ = wine::exchangeFileSizeLimit(&limit, nullptr) == 0;
  if (!active_) wine::restoreFileSizeSignal();
}

FileSizeLimit::~FileSizeLimit() {
  if (!active_) return;
  const wine::FileSizeLimits saved{savedSoft_, savedHard_};
  wine::exchangeFileSizeLimit(&saved, nullptr);
  wine::restoreFileSizeSignal();
}
