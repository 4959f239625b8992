// Collects output bytes in a fixed buffer and hands them on in large blocks.
// After the first failed hand-over it keeps accepting bytes but drops them,
// so the caller can finish its pass and report once. The buffer is its own
// or one the caller keeps for many sinks (a batch need not allocate and
// clear a fresh one per file).
#pragma once

#include <cstddef>
#include <cstring>
#include <functional>
#include <memory>

#include "app/ByteBuffer.h"

class ByteSink {
 public:
  // `drain` receives each full block; it returns false when the bytes could
  // not be stored. A sink without a drain discards everything.
  explicit ByteSink(std::function<bool(const char*, std::size_t)> drain, std::size_t capacity = 1 << 20)
      : drain_(std::move(drain)), own_(new char[capacity]), data_(own_.get()), capacity_(capacity) {}
  // Buffers in `storage`, which must outlive the sink and not be resized
  // meanwhile; its old content is of no account.
  ByteSink(std::function<bool(const char*, std::size_t)> drain, ByteBuffer& storage)
      : drain_(std::move(drain)), data_(storage.data()), capacity_(storage.size()) {}
  ByteSink(const ByteSink&) = delete;
  ByteSink& operator=(const ByteSink&) = delete;

  void append(const char* data, std::size_t size) {
    if (size <= capacity_ - used_) {
      std::memcpy(data_ + used_, data, size);
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
  // Left uninitialised: clearing it would touch every page of it.
  std::unique_ptr<char[]> own_;
  char* data_;
  std::size_t capacity_;
  std::size_t used_ = 0;
  bool failed_ = false;
};
