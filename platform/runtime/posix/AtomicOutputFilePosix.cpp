#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <mutex>
#include <random>

#include "platform/runtime/AtomicOutputFile.h"
#include "platform/runtime/NativePath.h"
#include "platform/runtime/ProcessGuards.h"

namespace nvrt {

namespace {

// A file-size limit must end in a failed write, not in SIGXFSZ killing the
// process with the user's work half done.
void ignoreFileSizeSignal() {
  static std::once_flag once;
  std::call_once(once, [] { signal(SIGXFSZ, SIG_IGN); });
}

// A short, fixed-length name, so that a target whose name is near the
// system's limit still gets a temporary file.
std::string temporaryName(std::mt19937_64& random) {
  char name[32];
  std::snprintf(name, sizeof name, ".noUV-%012llx.tmp", static_cast<unsigned long long>(random() & 0xFFFFFFFFFFFFull));
  return name;
}

}  // namespace

AtomicOutputFile::~AtomicOutputFile() { discard(); }

bool AtomicOutputFile::open(std::string_view cp932Target) {
  if (isOpen()) return false;
  ignoreFileSizeSignal();
  targetPath_ = nativePath(cp932Target);
  struct stat target;
  const bool targetExists = stat(targetPath_.c_str(), &target) == 0;
  if (targetExists && (!S_ISREG(target.st_mode) || access(targetPath_.c_str(), W_OK) != 0)) return false;
  const std::filesystem::path folder = targetPath_.parent_path();
  // Seeded once: a batch opens many files.
  static std::mt19937_64 random(std::random_device{}() ^ static_cast<unsigned long long>(getpid()));
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath_ = folder / temporaryName(random);
    // Recorded first, so that an interruption right after the creation
    // still removes the file.
    setPendingTemporaryFile(tempPath_.c_str());
    const int fd = ::open(tempPath_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      // Overwriting keeps the target's permissions, as truncating it would.
      if (targetExists) fchmod(fd, target.st_mode & 07777);
      handle_ = fd;
      return true;
    }
    clearPendingTemporaryFile();
    if (errno != EEXIST) break;
  }
  tempPath_.clear();
  return false;
}

bool AtomicOutputFile::write(const void* data, std::size_t size) {
  if (!isOpen()) return false;
  const char* p = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t n = ::write(static_cast<int>(handle_), p, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    p += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

bool AtomicOutputFile::seek(std::int64_t offset) {
  return isOpen() && offset >= 0 && lseek(static_cast<int>(handle_), offset, SEEK_SET) == offset;
}

bool AtomicOutputFile::commit() {
  if (!isOpen()) return false;
  const int fd = static_cast<int>(handle_);
  handle_ = kClosed;
  const bool closed = ::close(fd) == 0;
  if (closed && std::rename(tempPath_.c_str(), targetPath_.c_str()) == 0) {
    clearPendingTemporaryFile();
    tempPath_.clear();
    return true;
  }
  unlink(tempPath_.c_str());
  clearPendingTemporaryFile();
  tempPath_.clear();
  return false;
}

void AtomicOutputFile::discard() {
  if (isOpen()) {
    ::close(static_cast<int>(handle_));
    handle_ = kClosed;
  }
  if (!tempPath_.empty()) {
    unlink(tempPath_.c_str());
    clearPendingTemporaryFile();
    tempPath_.clear();
  }
}

}  // namespace nvrt
