#include "app/MqoMemberConversion.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

constexpr std::size_t kReadBlock = 1 << 20;
// As for a plain model file: a longer line means the member is not a model,
// and it is refused rather than allowed to take the memory it asks for.
constexpr std::size_t kMaxLine = 16 << 20;

}  // namespace

MqoMemberConversion::MqoMemberConversion(zip_t* archive, zip_uint64_t index, ByteSink& out)
    : archive_(archive), index_(index), stripper_(out) {}

bool MqoMemberConversion::fail(Status status) {
  status_ = status;
  reader_.close();
  buffer_ = std::vector<char>();
  return false;
}

bool MqoMemberConversion::step() {
  if (status_ != Status::Running) return false;
  if (!opened_) {
    if (!reader_.open(archive_, index_)) return fail(Status::ReadError);
    opened_ = true;
    buffer_.resize(kReadBlock);
  }
  if (used_ == buffer_.size()) {
    if (buffer_.size() >= kMaxLine) return fail(Status::LineTooLong);
    buffer_.resize(buffer_.size() * 2);
  }
  const std::ptrdiff_t n = reader_.read(buffer_.data() + used_, buffer_.size() - used_);
  if (n < 0) return fail(Status::ReadError);
  if (n == 0) {
    stripper_.processLastLine(buffer_.data(), buffer_.data() + used_);
    reader_.close();
    buffer_ = std::vector<char>();
    status_ = Status::Done;
    return false;
  }
  std::size_t fresh = used_;
  used_ += static_cast<std::size_t>(n);
  const char* data = buffer_.data();
  std::size_t start = 0;
  // Raw data of a binary chunk goes on as soon as it is read, so a chunk
  // longer than the longest line is never held whole.
  if (const std::uint64_t raw = stripper_.rawBytesPending()) {
    start = static_cast<std::size_t>(std::min<std::uint64_t>(raw, used_));
    stripper_.processRawBytes(data, data + start);
    fresh = std::max(fresh, start);
  }
  // Only the new bytes can hold the first line feed of the pending line.
  const char* lastNl = nullptr;
  for (const char* p = data + used_; p > data + fresh;) {
    if (*--p == '\n') {
      lastNl = p;
      break;
    }
  }
  if (lastNl) {
    stripper_.processLines(data + start, lastNl + 1);
    start = static_cast<std::size_t>(lastNl + 1 - data);
  }
  std::memmove(buffer_.data(), buffer_.data() + start, used_ - start);
  used_ -= start;
  return true;
}

MqoMemberConversion::Status MqoMemberConversion::run() {
  while (step()) {
  }
  return status_;
}
