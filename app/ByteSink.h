// Collects output bytes in a fixed buffer and hands them on in large blocks.
// After the first failed hand-over it keeps accepting bytes but drops them,
// so the caller can finish its pass and report once.
#pragma once

#include <cstddef>
#include <cstring>
#include <functional>
#include <memory>

class ByteSink {
 public:
  // `drain` receives each full block; it returns false when the bytes could
  // not be stored. A sink without a drain discards everything.
  explicit ByteSink(std::function<bool(const char*, std::size_t)> drain, std::size_t capacity = 1 << 20)
      : drain_(std::move(drain)), buffer_(new char[capacity]), capacity_(capacity) {}

  void append(const char* data, std::size_t size) {
    if (size <= capacity_ - used_) {
      std::memcpy(buffer_.get() + used_, data, size);
      used_ += size;
      return;
    }
    appendSlow(data, size);
  }
  void append(char byte) { append(&byte, 1); }

  // Hands on what is buffered; false if anything was ever lost.
  bool flush();
  bool failed() const { return failed_; }

 private:
  void appendSlow(const char* data, std::size_t size);
  void drain(const char* data, std::size_t size);

  std::function<bool(const char*, std::size_t)> drain_;
  // Left uninitialised: zeroing it would touch every page of it, which costs
  // a small file's conversion more than the conversion itself.
  std::unique_ptr<char[]> buffer_;
  std::size_t capacity_;
  std::size_t used_ = 0;
  bool failed_ = false;
};
