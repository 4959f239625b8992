// A file opened for reading by its code page 932 path, read through the
// host's own calls without any buffering of ours. Only regular files open:
// a directory, a pipe or a device named like a model file is refused rather
// than read forever.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace nvrt {

class InputFile {
 public:
  InputFile() = default;
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  bool open(std::string_view cp932Path);
  // Bytes read (0 at the end of the file), or -1 on a read error.
  std::ptrdiff_t read(void* buffer, std::size_t size);
  // Moves the read position to `offset` bytes from the start.
  bool seek(std::int64_t offset);
  // The file's size in bytes, or -1.
  std::int64_t size() const;
  void close();
  bool isOpen() const { return handle_ != kClosed; }
  // Whether `cp932Path` names the file this object opened last, however it
  // is reached (the same name, a symbolic or hard link); still answers
  // after close.
  bool isSameFileAs(std::string_view cp932Path) const;

 private:
  static constexpr std::intptr_t kClosed = -1;
  std::intptr_t handle_ = kClosed;
  // The opened file's identity on its system: device and file number.
  std::uint64_t identity_[2] = {0, 0};
  bool identified_ = false;
};

}  // namespace nvrt
