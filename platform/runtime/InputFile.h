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

 private:
  static constexpr std::intptr_t kClosed = -1;
  std::intptr_t handle_ = kClosed;
};

}  // namespace nvrt
