// A fresh folder for one test, removed with everything in it afterwards.
#pragma once

#include <filesystem>
#include <string>

// A path from UTF-8 text, on every host (narrow paths are in the system's
// code page on Windows).
std::filesystem::path utf8Path(const std::string& utf8);
// A UTF-8 path as the framework receives it from the host: code page 932
// with escapes, from UTF-8 bytes on Linux and from UTF-16 on Windows.
std::string hostPathToCp932(const std::string& utf8);

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // path()/name for a UTF-8 name.
  std::filesystem::path at(const std::string& name) const { return path_ / utf8Path(name); }
  // path()/name as UTF-8 text.
  std::string file(const std::string& name) const;
  // path()/name as the framework sees it: a code page 932 name.
  std::string cp932File(const std::string& name) const { return hostPathToCp932(file(name)); }

 private:
  std::filesystem::path path_;
};

// Whole-file helpers for fixtures.
std::string readFileBytes(const std::filesystem::path& path);
void writeFileBytes(const std::filesystem::path& path, const std::string& bytes);

// Makes a folder refuse new files for its lifetime: by its permissions, or for
// root (whom permissions do not stop) by the file system's immutable flag;
// under Wine the same through the Linux kernel. `active()` is false when
// neither works here (Windows itself).
class ReadOnlyFolder {
 public:
  explicit ReadOnlyFolder(const std::filesystem::path& folder);
  ~ReadOnlyFolder();
  ReadOnlyFolder(const ReadOnlyFolder&) = delete;
  ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;
  bool active() const { return active_; }

 private:
  std::filesystem::path folder_;
  bool active_ = false;
  bool immutable_ = false;
};

// Lowers the file-size limit of this process for its lifetime; writes past it
// fail instead of raising a signal. `active()` is false where there is no
// such limit (Windows itself; under Wine the Linux limit applies).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(unsigned long long bytes);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;
  bool active() const { return active_; }

 private:
  unsigned long long savedSoft_ = 0;
  unsigned long long savedHard_ = 0;
  void (*savedSignal_)(int) = nullptr;
  bool active_ = false;
};
