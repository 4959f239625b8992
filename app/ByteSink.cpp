#include "app/ByteSink.h"

void ByteSink::drain(const char* data, std::size_t size) {
  if (size == 0 || failed_) return;
  if (!drain_ || !drain_(data, size)) failed_ = !!drain_;
}

void ByteSink::appendSlow(const char* data, std::size_t size) {
  drain(buffer_.get(), used_);
  used_ = 0;
  // A block at least as large as the buffer goes out directly.
  if (size >= capacity_) {
    drain(data, size);
    return;
  }
  std::memcpy(buffer_.get(), data, size);
  used_ = size;
}

bool ByteSink::flush() {
  drain(buffer_.get(), used_);
  used_ = 0;
  return !failed_;
}
