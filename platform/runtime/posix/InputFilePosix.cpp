#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/runtime/InputFile.h"
#include "platform/runtime/NativePath.h"

namespace nvrt {

InputFile::~InputFile() { close(); }

bool InputFile::open(std::string_view cp932Path) {
  if (isOpen()) return false;
  const std::string native = nativePath(cp932Path).string();
  const int fd = ::open(native.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return false;
  struct stat st;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return false;
  }
  // O_NONBLOCK only kept the open from waiting on a FIFO; regular files
  // ignore it, but clear it anyway.
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
  identity_[0] = static_cast<std::uint64_t>(st.st_dev);
  identity_[1] = static_cast<std::uint64_t>(st.st_ino);
  identified_ = true;
  handle_ = fd;
  return true;
}

std::ptrdiff_t InputFile::read(void* buffer, std::size_t size) {
  if (!isOpen()) return -1;
  for (;;) {
    const ssize_t n = ::read(static_cast<int>(handle_), buffer, size);
    if (n >= 0) return n;
    if (errno != EINTR) return -1;
  }
}

bool InputFile::isSameFileAs(std::string_view cp932Path) const {
  if (!identified_) return false;
  struct stat st;
  if (stat(nativePath(cp932Path).c_str(), &st) != 0) return false;
  return static_cast<std::uint64_t>(st.st_dev) == identity_[0] && static_cast<std::uint64_t>(st.st_ino) == identity_[1];
}

bool InputFile::seek(std::int64_t offset) {
  return isOpen() && offset >= 0 && lseek(static_cast<int>(handle_), offset, SEEK_SET) == offset;
}

std::int64_t InputFile::size() const {
  struct stat st;
  if (!isOpen() || fstat(static_cast<int>(handle_), &st) != 0) return -1;
  return st.st_size;
}

void InputFile::close() {
  if (!isOpen()) return;
  ::close(static_cast<int>(handle_));
  handle_ = kClosed;
}

}  // namespace nvrt
