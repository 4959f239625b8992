// Writes a file so that it appears complete or not at all: the bytes go to a
// temporary file in the target's folder, which replaces the target only when
// everything was written and the file closed without error. On any failure,
// or when the object is destroyed uncommitted, the temporary file is removed
// and an existing target stays as it was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

namespace nvrt {

class AtomicOutputFile {
 public:
  AtomicOutputFile() = default;
  ~AtomicOutputFile();
  AtomicOutputFile(const AtomicOutputFile&) = delete;
  AtomicOutputFile& operator=(const AtomicOutputFile&) = delete;

  // Fails when the temporary file cannot be created, or when the target
  // exists and may not be written.
  bool open(std::string_view cp932Target);
  // Writes every byte or returns false (short write, full disk, size limit).
  bool write(const void* data, std::size_t size);
  // Moves the write position to `offset` bytes from the start, for formats
  // that fill in a header once the data after it is written.
  bool seek(std::int64_t offset);
  // Closes the temporary file and renames it over the target.
  bool commit();
  // Closes and removes the temporary file.
  void discard();
  bool isOpen() const { return handle_ != kClosed; }

 private:
  static constexpr std::intptr_t kClosed = -1;
  std::intptr_t handle_ = kClosed;
  std::filesystem::path tempPath_;
  std::filesystem::path targetPath_;
};

}  // namespace nvrt
