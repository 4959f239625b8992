// A fresh folder for one test, removed with everything in it afterwards.
#pragma once

#include <filesystem>
#include <string>

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // path()/name as a string.
  std::string file(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

// Whole-file helpers for fixtures.
std::string readFileBytes(const std::filesystem::path& path);
void writeFileBytes(const std::filesystem::path& path, const std::string& bytes);

// Makes a folder refuse new files for its lifetime: by its permissions, or for
// root (whom permissions do not stop) by the file system's immutable flag.
// `active()` is false when neither works here.
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

// Lowers the file-size limit of this process for its lifetime.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(unsigned long long bytes);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  unsigned long long savedSoft_;
  unsigned long long savedHard_;
};
