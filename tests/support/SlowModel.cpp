#include "tests/support/SlowModel.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

bool writeSlowModel(const std::filesystem::path& path) {
  const std::string head = "Object\nvertex\nface\n";
  constexpr off_t kLine = 8 << 20;
  constexpr int kLines = 4096;
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) return false;
  struct stat st {};
  // Only where files can have holes: elsewhere this would fill a disk.
  bool ok = ftruncate(fd, static_cast<off_t>(head.size()) + kLines * kLine) == 0 && fstat(fd, &st) == 0 &&
            st.st_blocks * 512 <= (1 << 20);
  ok = ok && pwrite(fd, head.data(), head.size(), 0) == static_cast<ssize_t>(head.size());
  for (int i = 0; ok && i < kLines; ++i) {
    const off_t start = static_cast<off_t>(head.size()) + i * kLine;
    ok = pwrite(fd, "x UV(", 5, start) == 5 && pwrite(fd, "\n", 1, start + kLine - 1) == 1;
  }
  close(fd);
  if (!ok) unlink(path.c_str());
  return ok;
}
