#include "tests/support/TempDir.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "brisel-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code error;
  // Tests may leave read-only folders behind; make them writable first.
  for (auto& entry : std::filesystem::recursive_directory_iterator(path_, error))
    std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, error);
  std::filesystem::remove_all(path_, error);
}

std::string readFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFileBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write fixture " + path.string());
}

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
  std::filesystem::permissions(folder_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                               error);
}

FileSizeLimit::FileSizeLimit(unsigned long long bytes) {
  rlimit limit;
  getrlimit(RLIMIT_FSIZE, &limit);
  savedSoft_ = limit.rlim_cur;
  savedHard_ = limit.rlim_max;
  limit.rlim_cur = bytes;
  setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
  rlimit limit;
  limit.rlim_cur = savedSoft_;
  limit.rlim_max = savedHard_;
  setrlimit(RLIMIT_FSIZE, &limit);
}
